#pragma once
// A label of the calculation page that shows a calculated value. Its text is
// always the full value; what it draws is that text whole: in its own face
// when the text fits, in a smaller face down to kSmallestPoints when that is
// enough, and otherwise the number in exponent form with as many significant
// digits as fit. A cut number would be read as another value. The tool tip
// shows the full text.
//
// Assistive technology reads the value with its unit as the label's
// description, taken when it asks, so it is never stale.

#include <QFont>
#include <QLabel>
#include <QString>
#include <functional>

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double kSmallestPoints = 8;

    explicit ResultLabel(QWidget* parent = nullptr);

    struct Shown {
        QString text;
        QFont font;
    };
    // What the label draws for its present text, size and face.
    Shown Fitted() const;
    // Where it draws it: the contents rectangle less the indent.
    QRect TextRect() const;

    // Where the unit of the value is read from: a unit selector or a label.
    void SetUnitSource(std::function<QString()> unit) { unit_ = std::move(unit); }
    // The value and its unit, as it is read out; empty while there is no value.
    QString SpokenValue() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QString()> unit_;
};
