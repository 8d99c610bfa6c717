#pragma once
// A numeric entry field: at most 7 characters from the keyboard; gaining the
// focus selects the whole text; a key pressed while text is selected first
// deletes the selection; Enter takes the text out and puts it back (the caret
// ends after it, the change is raised twice) and then asks its owner to move
// the focus.
//
// The field keeps what is typed: full-width digits, signs and letters become
// half-width ones as they arrive, and nothing else is changed. A text that
// cannot become a number is marked (a red frame and a tool tip) until it is
// mended. A value with an SI prefix ("4.7k", "4k7", "47n") is taken when the
// field is left, or when a command needs it: it becomes the number and the
// unit of the field's unit selector that show it in the fewest characters.
// entryChanged() reports each text the field keeps. A text too long for the
// field, as a file may hold, is shown in a smaller face, down to 8 points,
// so that all of it is seen.

#include <QLineEdit>
#include <span>

#include "document/units.h"

class Selector;

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 7;

    explicit EntryField(QWidget* parent = nullptr);

    // The selector beside the field and its units, for prefixed values.
    void SetUnitSelector(Selector* selector, UnitList units);

    // Shows a text as entered, whole even when it is longer than the
    // keyboard may type (a value read from a file).
    void ShowEntered(const QString& text);

    // True when the text is not a number, though not empty: a number still
    // being typed, or a text that can never become one.
    bool LacksNumber() const;
    // True while the text can never become a number.
    bool IsMarked() const { return marked_; }

    // A prefixed value becomes its number in the best unit; the selector
    // shows that unit and unitTaken() is raised before the text changes.
    // Any other text stays as it is.
    void TakePrefixedValue();

signals:
    void enterPressed();
    void entryChanged();
    void unitTaken();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Tidy();
    void Mark(bool marked);
    void FitFace();

    // The size of the face its owner gave; FitFace() sets the face shown.
    double ownPoints_ = 0;
    bool fitting_ = false;

    Selector* unitSelector_ = nullptr;
    UnitList units_;
    bool marked_ = false;

    // Set while the mouse press that gave the focus is still to come, so
    // that the press does not undo the selection.
    bool keepSelectionOnPress_ = false;
};

// The fields whose values are needed now: their prefixed values are taken,
// then the first that holds no number is named in a message and gets the
// focus. True when every one holds a number or nothing.
bool CheckEntriesComplete(std::span<EntryField* const> fields, QWidget* messageParent);
