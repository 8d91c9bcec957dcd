#include "match/windows/match_look.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "assets/pictures.h"
#include "shell/windows/shell_look.h"

namespace morvane {
namespace {

constexpr int kCellPictureSize = 30;

// Pictures are rendered for the sharpest screen, so that none is scaled up.
qreal ScreenRatio() { return qGuiApp->devicePixelRatio(); }

}  // namespace

QFont MatchFont(int pixelSize, bool fixedPitch, bool bold) {
    QFont font(fixedPitch ? QStringLiteral("Noto Sans Mono CJK JP")
                          : QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    return font;
}

QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void SetTextColor(QWidget* widget, const QColor& color) {
    if (widget->palette().color(QPalette::WindowText) == color) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void StyleMatchDialog(QWidget* dialog) {
    look::StyleDialog(dialog);
    dialog->setStyleSheet(
        dialog->styleSheet() +
        QStringLiteral(
            "QRadioButton { color: rgb(220, 228, 240); spacing: 8px; padding: 2px 0; }"
            "QRadioButton:hover { color: rgb(255, 255, 255); }"
            "QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px;"
            " border: 1px solid rgb(79, 179, 255); background: rgb(4, 8, 20); }"
            "QRadioButton::indicator:checked { background: qradialgradient(cx: 0.5, cy: 0.5,"
            " radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 rgb(255, 210, 80), stop: 0.55 rgb(255, 210, "
            "80),"
            " stop: 0.7 rgb(4, 8, 20)); }"
            "QComboBox { color: rgb(220, 228, 240); background: rgb(16, 28, 56);"
            " border: 1px solid rgb(79, 179, 255); border-radius: 4px; padding: 4px 10px;"
            " min-height: 20px; }"
            "QComboBox:focus { border: 2px solid rgb(255, 210, 80); }"
            "QComboBox QAbstractItemView { color: rgb(220, 228, 240); background: rgb(4, 8, 20);"
            " selection-background-color: rgb(70, 110, 170); border: 1px solid rgb(79, 179, 255); "
            "}"));
}

QPixmap CellPixmap(int code) {
    return RenderPicture(QStringLiteral(":/cells/cell_%1.svg").arg(code),
                         QSize(kCellPictureSize, kCellPictureSize), ScreenRatio());
}

QPixmap PlayerPixmap(int number, int size) {
    return RenderPicture(QStringLiteral(":/players/player_%1.svg").arg(number), QSize(size, size),
                         ScreenRatio());
}

QPushButton* MakeOkButton(QDialog* dialog) {
    auto* ok = new QPushButton(QStringLiteral("Ｏ．Ｋ．"), dialog);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    ok->setMinimumWidth(110);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

}  // namespace morvane
