#pragma once
// Drives the main window as a user does: mouse clicks on buttons, typing
// into fields, choosing list items, and pressing the buttons of the dialogs
// that the commands open. Messages are recorded instead of shown.

#include <QPushButton>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc/loop_analysis.h"
#include "document/circuit_of_document.h"
#include "tests/support/caught_messages.h"
#include "ui/main_window.h"

class QLabel;
class QWidget;
class Selector;

using Message = CaughtMessage;

// Value, unit text of the element dialog's fields; a null value leaves the
// field as the dialog shows it, an empty unit leaves the unit.
struct Element {
    QString value;
    QString unit;
};

class User {
public:
    User();
    ~User();

    MainWindow& window() { return *window_; }
    const CalcControls& ui() const { return window_->Controls(); }
    const CircuitDocument& document() const { return window_->document(); }
    // The circuit formed from what was entered, as 計算実行 forms it.
    Circuit circuit() const { return CircuitOf(window_->document()); }

    // Messages shown so far; Take… also forgets them.
    const std::vector<Message>& messages() const { return messages_; }
    std::vector<Message> TakeMessages();

    void Click(QWidget* w);
    // Clicks into the field, or selects all when it has the focus already,
    // and types: the typing replaces the text. An empty text is typed as
    // Backspace, which empties the field.
    void TypeInto(QWidget* field, const QString& text);
    void Choose(Selector* selector, const QString& item);
    // The menu command captioned text, such as "開く(&O)…".
    void Command(const char* text);

    // The element dialog of branch b; R, L, C typed as given, then ＯＫ (or
    // キャンセル when ok is false).
    void EnterElement(int b, const Element& r, const Element& l = {}, const Element& c = {}, bool ok = true);
    // The same in the element dialog that open brings up; false when none came.
    bool EnterElementVia(const std::function<void()>& open, const Element& r, const Element& l = {},
                         const Element& c = {}, bool ok = true);
    // The matrix dialog of element j, k: takes back the definition it shows,
    // presses the buttons with these captions ("Ｚ１", "＋", "０" …), then
    // ＯＫ (or キャンセル).
    void DefineMatrix(int j, int k, const std::vector<const char*>& presses, bool ok = true);
    // The branch-current dialog of branch b, likewise ("Ｉ１", "－" …).
    void DefineCurrent(int b, const std::vector<const char*>& presses, bool ok = true);

    // The Overview's sample: 2 loops, 3 branches of 1 Ω, Z11 = Z1＋Z2,
    // Z12 = －Z2, Z22 = Z2＋Z3, I01 = I1, I02 = I1－I2, I03 = I2.
    void EnterSampleCircuit();
    void Calculate() { Click(ui().calculateButton); }

    // Runs act on the modal dialog that open brings up; false when none came.
    bool WithDialog(const std::function<void()>& open, const std::function<void(QWidget&)>& act);
    // Runs ask and answers the question box it brings up with the button
    // captioned answer; the question's text, empty when none was asked.
    QString Answering(const char* answer, const std::function<void()>& ask);

    QString ImpedanceReal(int b) const;
    QString ImpedanceImag(int b) const;

private:
    std::unique_ptr<MainWindow> window_;
    CaughtMessages messages_;
};

// The button among the dialog's children whose caption is text.
QWidget* ButtonCaptioned(QWidget& dialog, const QString& text);

// One notch of the mouse wheel, turned down over the widget.
void WheelNotch(QWidget* w);
