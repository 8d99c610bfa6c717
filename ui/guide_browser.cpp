#include "guide_browser.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

QVariant GuideBrowser::loadResource(int type, const QUrl& name)
{
    const QVariant resource = QTextBrowser::loadResource(type, name);
    const qreal width = RequestedWidth(name.toString());
    if (type != QTextDocument::ImageResource || width <= 0) return resource;
    QImage image = resource.value<QImage>();
    if (image.isNull()) image.loadFromData(resource.toByteArray());
    const qreal ratio = devicePixelRatioF();
    if (image.isNull() || image.width() <= width * ratio) return resource;
    QImage scaled = image.scaledToWidth(qRound(width * ratio), Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

qreal GuideBrowser::RequestedWidth(const QString& source) const
{
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextImageFormat image = fragment.fragment().charFormat().toImageFormat();
            if (image.isValid() && image.name() == source) return image.width();
        }
    return 0;
}
