#pragma once
// A label of the calculation page that shows a calculated value. Its text is
// always the full value; what it draws is that text whole: in its own face
// when the text fits, in a smaller face down to kSmallestPoints when that is
// enough, and otherwise the number in exponent form with as many significant
// digits as fit. A cut number would be read as another value. The tool tip
// shows the full text.

#include <QFont>
#include <QLabel>
#include <QString>

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

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
