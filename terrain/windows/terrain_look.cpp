#include "terrain/windows/terrain_look.h"

#include <QGroupBox>
#include <QRadioButton>

#include "shell/windows/shell_look.h"

namespace morvane::terrain_look {

void StyleWindow(QWidget* window) {
    look::StyleWindow(window);
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        look::SetTextColour(frame, look::kGold);
        for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            look::SetTextColour(inside, look::kPaleText);
        }
    }
    // Option marks drawn light with a dark dot stand out against the night background.
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::Base, look::kPaleText);
        palette.setColor(QPalette::Text, look::kNight);
        option->setPalette(palette);
    }
}

void FramePanel(QWidget* panel, const QColor& border) {
    look::SetBackground(panel, look::kNightDeep);
    look::SetTextColour(panel, look::kPaleText);
    panel->setStyleSheet(QStringLiteral("border: 2px solid %1; padding: 6px;").arg(border.name()));
}

}  // namespace morvane::terrain_look
