#include "assets/pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "assets/colour_contrast.h"

namespace morvane {
namespace {

PictureTone pictureTone = PictureTone::AsDrawn;

constexpr double kLeastMarkContrast = 3;

// The least contrast of a text in the high-contrast look, against its black.
constexpr double kLeastHighContrast = 7;

// The lightness above which a colour counts as a pale tint, white in high contrast.
constexpr double kPaleTint = 0.85;

// In high contrast the strokes a picture marks heavy (class "heavy-in-high-contrast": the ring of
// ○) are drawn this many times as wide, so that ○ and × differ in weight as well as in shape and
// colour, also where both are grey.
constexpr double kHeavyStrokeGrowth = 1.6;

QString WithHeavyStrokes(const QString& source) {
    static const QRegularExpression heavy(
        QStringLiteral("<[^>]*class=\"heavy-in-high-contrast\"[^>]*>"));
    static const QRegularExpression width(QStringLiteral("stroke-width=\"([0-9.]+)\""));
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& element : heavy.globalMatch(source)) {
        result += source.mid(from, element.capturedStart() - from);
        QString tag = element.captured();
        if (const QRegularExpressionMatch stroke = width.match(tag); stroke.hasMatch()) {
            tag.replace(stroke.capturedStart(), stroke.capturedLength(),
                        QStringLiteral("stroke-width=\"%1\"")
                            .arg(stroke.captured(1).toDouble() * kHeavyStrokeGrowth));
        }
        result += tag;
        from = element.capturedEnd();
    }
    result += source.mid(from);
    return result;
}

// The source without the parts a picture marks as texture (class "texture": the speckles and
// shading of the stone block), which the looks other than the game's own leave out, so that what
// is left is flat.
QString WithoutTexture(const QString& source) {
    static const QRegularExpression texture(
        QStringLiteral("<g [^>]*class=\"texture\"[^>]*>.*?</g>|<[^>]*class=\"texture\"[^>]*/>"),
        QRegularExpression::DotMatchesEverythingOption);
    return QString(source).remove(texture);
}

// The picture's source with every colour (written "#rrggbb" or "#rgb") in the tone.
QByteArray RecolouredSource(const QString& resource, PictureTone tone) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression colour(QStringLiteral("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})\\b"));
    QString source = QString::fromUtf8(file.readAll());
    if (tone == PictureTone::HighContrast) {
        source = WithHeavyStrokes(source);
    }
    source = WithoutTexture(source);
    QString toned;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : colour.globalMatch(source)) {
        toned += source.mid(from, match.capturedStart() - from);
        toned += ToneColour(QColor(match.captured()), tone).name();
        from = match.capturedEnd();
    }
    toned += source.mid(from);
    return toned.toUtf8();
}

}  // namespace

void UsePictureTone(PictureTone tone) { pictureTone = tone; }

PictureTone CurrentPictureTone() { return pictureTone; }

QColor ToneColour(const QColor& colour, PictureTone tone) {
    switch (tone) {
        case PictureTone::HighContrast: {
            if (colour.lightnessF() < 0.5) {
                return QColor(Qt::black);
            }
            // Greys and pale tints become white; coloured ones their hue at its brightest,
            // lightened where that is dark (a pure blue) until it stands out from black as text
            // must in high contrast: some pictures hold texts (the title's subtitle).
            if (colour.hslSaturationF() < 0.25 || colour.lightnessF() > kPaleTint ||
                colour.hslHue() < 0) {
                return QColor(Qt::white);
            }
            QColor bright = QColor::fromHsl(colour.hslHue(), 255, 128);
            while (ContrastRatio(bright, Qt::black) < kLeastHighContrast &&
                   bright.lightness() < 255) {
                bright = QColor::fromHsl(bright.hslHue(), 255, bright.lightness() + 1);
            }
            return bright;
        }
        case PictureTone::Light: {
            if (colour.lightness() < 128) {
                return QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                       255 - colour.lightness());
            }
            // A light mark turns deep enough to show on white (3 : 1, as a picture needs),
            // which turning its lightness over alone leaves a bright yellow short of.
            QColor deep =
                QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), 255 - colour.lightness());
            while (ContrastRatio(deep, Qt::white) < kLeastMarkContrast && deep.lightness() > 0) {
                deep = QColor::fromHsl(deep.hslHue(), deep.hslSaturation(), deep.lightness() - 1);
            }
            return deep;
        }
        case PictureTone::AsDrawn:
            break;
    }
    return colour;
}

QString StyleSheetPicture(const QString& resource) {
    if (pictureTone == PictureTone::AsDrawn) {
        return resource;
    }
    static QTemporaryDir folder;
    static QHash<QString, QString> written;
    const QString name = QStringLiteral("%1-%2")
                             .arg(static_cast<int>(pictureTone))
                             .arg(resource.section(QLatin1Char('/'), -1));
    if (const auto found = written.constFind(name); found != written.cend()) {
        return *found;
    }
    if (!folder.isValid()) {
        return resource;
    }
    // commit() does not see a write that fails when the buffer is flushed (a full disk): flush
    // first.
    QSaveFile copy(folder.filePath(name));
    const QByteArray source = RecolouredSource(resource, pictureTone);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(source) != source.size() || !copy.flush() ||
        copy.error() != QFileDevice::NoError || !copy.commit()) {
        return resource;
    }
    written.insert(name, copy.fileName());
    return copy.fileName();
}

QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer;
    if (pictureTone == PictureTone::AsDrawn) {
        renderer.load(resource);
    } else {
        renderer.load(RecolouredSource(resource, pictureTone));
    }
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
