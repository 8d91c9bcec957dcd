#include "match/windows/match_pictures.h"

#include <QGuiApplication>

#include "assets/pictures.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

constexpr int kCellPictureSize = 30;

// Pictures are rendered for the sharpest screen, so that none is scaled up.
qreal ScreenRatio() { return qGuiApp->devicePixelRatio(); }

}  // namespace

QColor ToQColor(Rgb rgb) { return look::Legible(QColor(rgb.red, rgb.green, rgb.blue)); }

QPixmap CellPixmap(int code, qreal growth) {
    const int size = qRound(kCellPictureSize * growth);
    return RenderPicture(QStringLiteral(":/cells/cell_%1.svg").arg(code), QSize(size, size),
                         ScreenRatio());
}

QPixmap PlayerPixmap(int number, int size) {
    return RenderPicture(QStringLiteral(":/players/player_%1.svg").arg(number), QSize(size, size),
                         ScreenRatio());
}

}  // namespace morvane
