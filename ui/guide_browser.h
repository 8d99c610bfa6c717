#pragma once
// The user guide's viewer. The guide names a display width for its large
// pictures; the text browser would shrink them without smoothing, so each
// picture is handed over already scaled, smoothly, to the pixels it takes on
// this screen.

#include <QTextBrowser>

class GuideBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // The width the document asks for the picture, 0 for its own width.
    qreal RequestedWidth(const QString& source) const;
};
