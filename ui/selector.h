#pragma once
// A drop-down selector whose text can also be typed into. Only choosing an
// item of the list raises chosen(); typing changes nothing else, and typed
// text is never added to the list.
//
// The text field is made when the selector is first shown or given a text
// that is no item: the main window holds dozens of selectors of rows that
// stay hidden, and a text field is the costly part of each.

#include <QComboBox>
#include <optional>

#include "document/units.h"

class Selector : public QComboBox {
    Q_OBJECT
public:
    explicit Selector(QWidget* parent = nullptr);

    // Shows text as the selector's text without raising chosen(): the list
    // item of that text when there is one.
    void SetText(const QString& text);

    // The items are the marked texts, shown in the language in use and kept
    // by their source: a unit or a count is chosen and read by its source,
    // whatever language shows it.
    void SetItems(const QStringList& sources);
    // The units of the list, kept by their texts in the program's own language.
    void SetUnits(UnitList units);
    // Shows the item of that source without raising chosen().
    void Choose(const QString& source);
    // The source of the item the selector's text names; nothing for a typed
    // text that names none.
    std::optional<QString> ChosenSource() const;

    // Whether the wheel over the closed selector steps through its items
    // (and raises chosen()); on by default.
    void SetWheelChooses(bool chooses) { wheelChooses_ = chooses; }

signals:
    void chosen();
    void enterPressed();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void MakeEditable();

    bool wheelChooses_ = true;
};
