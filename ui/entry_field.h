#pragma once
// A numeric entry field: at most 7 characters; gaining the focus selects the
// whole text; a key pressed while text is selected first deletes the
// selection; Enter takes the text out and puts it back (the caret ends after
// it, the change is raised twice) and then asks its owner to move the focus.
//
// The field keeps only text that is a number or can still become one while
// typing goes on ("-", ".", "1E-"): full-width digits, signs and letters
// become half-width ones as they arrive, and any other text is erased at
// once. entryChanged() reports each text the field keeps.

#include <QLineEdit>
#include <span>

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 7;

    explicit EntryField(QWidget* parent = nullptr);

    // True when the text is a number still being typed, which has no value
    // yet; the empty text is not.
    bool HoldsUnfinishedNumber() const;

signals:
    void enterPressed();
    void entryChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Tidy();

    // Set while the mouse press that gave the focus is still to come, so
    // that the press does not undo the selection.
    bool keepSelectionOnPress_ = false;
};

// The fields whose values are needed now: the first that holds an unfinished
// number is named in a message and gets the focus. True when every one
// holds a number or nothing.
bool CheckEntriesComplete(std::span<EntryField* const> fields, QWidget* messageParent);
