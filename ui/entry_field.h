#pragma once
// A numeric entry field: at most 7 characters; gaining the focus selects the
// whole text; a key pressed while text is selected first deletes the
// selection; Enter takes the text out and puts it back (the caret ends after
// it, the change is raised twice) and then asks its owner to move the focus.
// Whether the text is numeric is judged by the owner's change handler.

#include <QLineEdit>

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 7;

    explicit EntryField(QWidget* parent = nullptr);

signals:
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Set while the mouse press that gave the focus is still to come, so
    // that the press does not undo the selection.
    bool keepSelectionOnPress_ = false;
};
