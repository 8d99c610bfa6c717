#pragma once
// A drawing surface that draws nothing and keeps every call, so tests can
// check what was drawn where: texts with their positions, lines and points
// with their colours, scales, clears and style changes, in call order.
//
// As on a picture box, the current position is the last point: lines, points
// and rectangles leave it at their end, printing moves it to the next text
// line, and LineTo starts there.
//
// It behaves like a box of a given pixel size: text metrics are fixed
// (kCharWidthPx per character, kLineHeightPx per line) and converted to user
// units through the current scale, so the line advance of Print can be
// checked.

#include <vector>

#include <QColor>
#include <QString>

#include "platform/draw_surface.h"

struct DrawCall {
    enum Kind {
        Clear,
        Scale,
        Line,
        LineTo,
        SetPixel,
        Rect,
        Print,
        Dotted,
        ForeColor,
        FontName,
        FontSize,
        FontBold,
        FontItalic,
        Dashes,
        Painting
    };
    Kind kind;
    // Scale: left, top, right, bottom. Line, Rect: from (x1, y1) to (x2, y2).
    // LineTo: from the last point (x1, y1) to (x2, y2). SetPixel: (x1, y1).
    // Print: the text's position (x1, y1). FontSize: x1. Dotted, FontBold,
    // FontItalic: x1 is 1 or 0. Dashes: the pattern as text, "6,3". Painting:
    // its rectangle. A Stroke is kept as the Line in its colour it draws.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor colour;
    QString text;  // Print and FontName
};

class RecordingSurface : public DrawSurface {
public:
    static constexpr double kCharWidthPx = 7;
    static constexpr double kLineHeightPx = 13;

    explicit RecordingSurface(int widthPx = 655, int heightPx = 299);

    const std::vector<DrawCall>& Calls() const { return calls_; }
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
    // The printed texts in order.
    std::vector<QString> Texts() const;
    void ClearCalls() { calls_.clear(); }

    void Clear() override;
    void SetScale(double left, double top, double right, double bottom) override;
    ScaleRect Scale() const override { return {left_, top_, right_ - left_, bottom_ - top_}; }

    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void LineTo(double x, double y, const QColor& colour) override;
    void SetPixel(double x, double y, const QColor& colour) override;
    void Rect(double x1, double y1, double x2, double y2) override;
    void SetDotted(bool dotted) override;
    void SetForeColor(const QColor& colour) override;
    void SetCurveDashes(const QList<qreal>& dashes) override;
    void Stroke(double x1, double y1, double x2, double y2, const QColor& colour) override
    {
        Line(x1, y1, x2, y2, colour);
    }
    void PaintInto(double x1, double y1, double x2, double y2, QSizeF, const Painting&) override
    {
        Add(DrawCall::Painting, x1, y1, x2, y2);
    }

    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontItalic(bool italic) override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

    QPointF Position() const override { return {currentX_, currentY_}; }
    void MoveTo(double x, double y) override
    {
        currentX_ = x;
        currentY_ = y;
    }

    void Print(const QString& text) override;

private:
    void Add(DrawCall::Kind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0, const QColor& colour = {},
             const QString& text = {})
    {
        calls_.push_back(DrawCall{kind, x1, y1, x2, y2, colour, text});
    }

    int widthPx_, heightPx_;
    double left_ = 0, top_ = 0, right_, bottom_;
    double currentX_ = 0, currentY_ = 0;
    QColor foreColour_{Qt::black};
    std::vector<DrawCall> calls_;
};
