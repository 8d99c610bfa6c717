#pragma once
// A drop-down selector whose text can also be typed into. Only choosing an
// item of the list raises chosen(); typing changes nothing else, and typed
// text is never added to the list.

#include <QComboBox>
#include <QStringList>

class Selector : public QComboBox {
    Q_OBJECT
public:
    explicit Selector(QWidget* parent = nullptr);

    // Shows text as the selector's text without raising chosen(): the list
    // item of that text when there is one.
    void SetText(const QString& text);

signals:
    void chosen();
};
