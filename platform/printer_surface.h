#pragma once
// The printer as a drawing surface: QPrinter in high resolution, A4 portrait
// to begin with. Its user coordinates span the printable area, whose corner
// is the printer's origin.
//
// What is drawn goes to the printer only at EndDoc. Until then the drawing is
// kept, so KillDoc can abandon a page that could not be completed without
// anything reaching the printer or a file.
//
// A machine without a printer gets a PDF file instead, named by
// SetOutputFile, titled with the printer's document name. The file is written
// whole or not at all, by the same writer as every other file.
//
// Each page is drawn on a device of its own (the printer's engine would carry
// the last page's pen into the next one) or, for the printer, from a painter
// whose whole state the engine takes afresh.

#include <cstdint>
#include <functional>
#include <vector>

#include <QPrinter>
#include <QString>

#include "platform/painter_surface.h"

class PrinterSurface : public PainterSurface {
public:
    // Paper size codes as printers number them: 1 Letter, 5 Legal, 8 A3,
    // 9 A4, 11 A5. Orientation codes: 1 portrait, 2 landscape.
    static constexpr int16_t kPaperA4 = 9;
    static constexpr int16_t kPortrait = 1;
    static constexpr int16_t kLandscape = 2;

    PrinterSurface();
    ~PrinterSurface() override;

    // The printer's settings; for a PDF file they set the page.
    QPrinter& Printer() { return printer_; }
    // A printer other than the PDF writer exists.
    bool HasPrinter() const;
    void SetOutputFile(const QString& path);

    // False for a code outside the table above; the paper stays as it was.
    bool SetPaperSize(int16_t code);
    void SetOrientation(int16_t code);
    int16_t Orientation() const;

    // The paper, in twips (rounded) and millimetres, as oriented now.
    int32_t PaperWidthTwips() const;
    int32_t PaperHeightTwips() const;
    double PaperWidthMm() const;
    double PaperHeightMm() const;
    double PrintableWidthMm() const;
    double PrintableHeightMm() const;

    // True while drawing waits for EndDoc.
    bool DocumentOpen() const { return !calls_.empty(); }
    // Sends what was drawn since the last EndDoc or KillDoc as one page.
    // False when the printer or the file could not take it whole; a file is
    // then neither made nor changed. Nothing is kept either way.
    bool EndDoc();
    // Drops what was drawn since the last EndDoc; nothing is sent.
    void KillDoc();

    void Clear() override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void LineTo(double x, double y, const QColor& colour) override;
    void SetPixel(double x, double y, const QColor& colour) override;
    void Rect(double x1, double y1, double x2, double y2) override;
    void Stroke(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void PaintInto(double x1, double y1, double x2, double y2, QSizeF size, const Painting& paint) override;
    void Print(const QString& text) override;
    // What is drawn from here on goes on the next page of the document.
    bool NewPage() override;

protected:
    QPaintDevice* Target() override;
    QSizeF TargetSize() const override;
    int TargetDpi() const override;

private:
    // Everything a drawing call depends on besides its arguments.
    struct State {
        double left, top, width, height;
        double x, y;
        QColor fore;
        bool dotted;
        QList<qreal> dashes;
        QString face;
        double points;
        bool bold, italic;
    };
    struct Call {
        State state;
        std::function<void(PainterSurface&)> draw;
    };

    State Capture() const;
    void Restore(const State& s);
    void Keep(std::function<void(PainterSurface&)> draw);
    // Draws the calls on `device` as one document; false when it could not
    // be opened.
    bool Replay(const std::vector<Call>& calls, QPaintDevice& device);
    bool WritePdf(const std::vector<Call>& calls);

    QPrinter printer_;
    QString outputFile_;
    std::vector<Call> calls_;
    QPaintDevice* sendingTo_ = nullptr;
};
