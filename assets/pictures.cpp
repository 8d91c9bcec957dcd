#include "assets/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace morvane {

QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QCursor MakePointer(const QString& resource, QSize size, QPointF hotSpotInViewBox) {
    const QSvgRenderer renderer(resource);
    const QRectF box = renderer.viewBoxF();
    const qreal sx = box.width() > 0 ? size.width() / box.width() : 1.0;
    const qreal sy = box.height() > 0 ? size.height() / box.height() : 1.0;
    const QPoint hotSpot(qRound((hotSpotInViewBox.x() - box.x()) * sx),
                         qRound((hotSpotInViewBox.y() - box.y()) * sy));
    return QCursor(RenderPicture(resource, size), hotSpot.x(), hotSpot.y());
}

QPixmap TitlePicture(QSize size, qreal devicePixelRatio, Language language) {
    return RenderPicture(language == Language::English ? QStringLiteral(":/title/title_en.svg")
                                                       : QStringLiteral(":/title/title.svg"),
                         size, devicePixelRatio);
}

}  // namespace morvane
