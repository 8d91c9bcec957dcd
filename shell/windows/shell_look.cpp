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

}  // namespace morvane::look
