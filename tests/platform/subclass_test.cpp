// A subclass that wraps the drawing calls (as the printer does to keep a page
// until it is sent) must see each call once, whichever entry point was used.

#include <gtest/gtest.h>

#include "platform/image_surface.h"

#include <map>
#include <string>

namespace {

class CallCounter : public ImageSurface {
public:
    CallCounter() : ImageSurface(QSize(50, 50)) {}
    void Clear() override
    {
        Count("Clear", [&] { ImageSurface::Clear(); });
    }
    void Line(double x1, double y1, double x2, double y2) override
    {
        Count("Line", [&] { ImageSurface::Line(x1, y1, x2, y2); });
    }
    void Line(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        Count("LineColour", [&] { ImageSurface::Line(x1, y1, x2, y2, c); });
    }
    void LineTo(double x, double y, const QColor& c) override
    {
        Count("LineTo", [&] { ImageSurface::LineTo(x, y, c); });
    }
    void SetPixel(double x, double y, const QColor& c) override
    {
        Count("SetPixel", [&] { ImageSurface::SetPixel(x, y, c); });
    }
    void Rect(double x1, double y1, double x2, double y2) override
    {
        Count("Rect", [&] { ImageSurface::Rect(x1, y1, x2, y2); });
    }
    void Print(const QString& t) override
    {
        Count("Print", [&] { ImageSurface::Print(t); });
    }

    std::map<std::string, int> outer;   // calls from outside
    std::map<std::string, int> nested;  // calls made while another one runs

private:
    template <typename F>
    void Count(const std::string& name, F&& call)
    {
        ++(depth_ == 0 ? outer : nested)[name];
        ++depth_;
        call();
        --depth_;
    }
    int depth_ = 0;
};

TEST(WrappingSubclass, SeesEachDrawingCallOnce)
{
    CallCounter s;
    s.Line(0, 0, 10, 10);
    s.Line(0, 0, 10, 10, Qt::red);
    s.LineTo(20, 20, Qt::red);
    s.SetPixel(5, 5, Qt::red);
    s.Rect(1, 1, 9, 9);
    s.Print(QStringLiteral("a"));
    s.PrintNumber(2.5);
    s.PrintNumber(2.5f);
    s.Clear();
    const std::map<std::string, int> expected{{"Clear", 1},    {"Line", 1}, {"LineColour", 1}, {"LineTo", 1},
                                              {"SetPixel", 1}, {"Rect", 1}, {"Print", 3}};
    EXPECT_EQ(s.outer, expected);
    EXPECT_TRUE(s.nested.empty());
}

}  // namespace
