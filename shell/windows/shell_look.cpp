#include "shell/windows/shell_look.h"

#include <QWidget>

namespace morvane::look {

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont SizedFont(const QWidget* widget, int pixelSize, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void StyleWindow(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kNight);
    palette.setColor(QPalette::WindowText, kPaleText);
    palette.setColor(QPalette::Base, kNightDeep);
    palette.setColor(QPalette::Text, kPaleText);
    palette.setColor(QPalette::Button, QColor(28, 44, 80));
    palette.setColor(QPalette::ButtonText, kPaleText);
    palette.setColor(QPalette::Highlight, kSteel);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void StyleDialog(QWidget* window) {
    StyleWindow(window);
    window->setStyleSheet(QStringLiteral(
        "QPushButton { color: rgb(220, 228, 240); border: 1px solid rgb(79, 179, 255);"
        " border-radius: 5px; padding: 6px 18px; min-height: 20px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(40, 64, 110), stop:1 rgb(16, 28, 56)); }"
        "QPushButton:hover { color: rgb(255, 255, 255);"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(60, 96, 160), stop:1 rgb(24, 42, 84)); }"
        "QPushButton:pressed { background: rgb(14, 24, 48); }"
        "QPushButton:focus { border: 2px solid rgb(255, 210, 80); }"
        "QPlainTextEdit { color: rgb(220, 228, 240); background: rgb(4, 8, 20);"
        " border: 1px solid rgb(70, 110, 170); border-radius: 4px; padding: 4px; }"
        "QGroupBox { color: rgb(255, 210, 80); border: 1px solid rgb(79, 179, 255);"
        " border-radius: 6px; margin-top: 14px; padding: 16px 12px 12px 12px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"));
}

}  // namespace morvane::look
