#include "extra/windows/ex_look.h"

#include <QPainter>
#include <QPixmapCache>
#include <QWidget>

#include "assets/pictures.h"

namespace morvane::exlook {
namespace {

const QString kRockPicture = QStringLiteral(":/extra/rock.svg");
constexpr int kRockTileSize = 240;

}  // namespace

QFont Font(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont FixedFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void StyleWindow(QWidget* window) {
    window->setFont(Font(14));
    window->setStyleSheet(QStringLiteral(R"(
        QWidget { color: rgb(240, 226, 196); }
        QDialog { background: rgb(46, 31, 20); }
        QPushButton {
            background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
                                        stop:0 rgb(128, 90, 56), stop:1 rgb(82, 54, 32));
            border: 2px solid rgb(30, 18, 10); border-radius: 5px;
            padding: 3px 10px; color: rgb(255, 240, 210); font-weight: bold;
        }
        QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
                                        stop:0 rgb(156, 112, 70), stop:1 rgb(100, 66, 38)); }
        QPushButton:pressed { background: rgb(70, 46, 26); }
        QPushButton:disabled {
            background: rgb(62, 46, 34); color: rgb(130, 112, 92);
            border-color: rgb(44, 32, 22);
        }
        QGroupBox {
            border: 1px solid rgb(120, 84, 50); border-radius: 6px;
            margin-top: 14px; padding: 10px 8px 6px 8px; font-weight: bold;
        }
        QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px;
                           color: rgb(255, 214, 110); }
        QPlainTextEdit {
            background: rgb(24, 15, 8); border: 1px solid rgb(120, 84, 50);
            selection-background-color: rgb(128, 90, 56);
        }
        QScrollBar:vertical { background: rgb(36, 24, 14); width: 14px; margin: 0; }
        QScrollBar::handle:vertical {
            background: rgb(128, 90, 56); min-height: 28px; border-radius: 4px; margin: 2px;
        }
        QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
        QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
        QMenuBar { background: rgb(58, 38, 22); border-bottom: 1px solid rgb(30, 18, 10); }
        QMenuBar::item { background: transparent; padding: 4px 10px; }
        QMenuBar::item:selected { background: rgb(110, 76, 46); }
        QMenuBar::item:disabled { color: rgb(130, 112, 92); }
        QMenu { background: rgb(58, 38, 22); border: 1px solid rgb(120, 84, 50); }
        QMenu::item { padding: 5px 24px 5px 28px; }
        QMenu::item:selected { background: rgb(110, 76, 46); }
        QMenu::item:disabled { color: rgb(130, 112, 92); }
    )"));
}

void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area) {
    // Rendering the texture takes a while and windows repaint often (also while the computer
    // thinks), so one tile per screen density is kept in Qt's pixmap cache.
    const qreal ratio = widget->devicePixelRatioF();
    const QString key = QStringLiteral("morvane-extra-rock@%1").arg(ratio);
    QPixmap tile;
    if (!QPixmapCache::find(key, &tile)) {
        tile = RenderPicture(kRockPicture, QSize(kRockTileSize, kRockTileSize), ratio);
        QPixmapCache::insert(key, tile);
    }
    painter.drawTiledPixmap(area, tile);
}

}  // namespace morvane::exlook
