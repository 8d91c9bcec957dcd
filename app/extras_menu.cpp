#include "app/extras_menu.h"

#include <QActionGroup>

#include "shell/settings/display_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/version_text.h"

namespace morvane {
namespace {

constexpr int kEntryTextSize = 16;

}  // namespace

ExtrasMenu::ExtrasMenu(const ExtrasActions& actions, QWidget* title) : QMenu(title) {
    setObjectName(QStringLiteral("ExtrasMenu"));
    // A popup menu has no title to show; a screen reader says this when it opens.
    setAccessibleName(QStringLiteral("成績とキー操作"));
    setFont(look::Font(kEntryTextSize));
    AddEntry(QStringLiteral("Record"), QStringLiteral("成績…"), actions.openRecord);
    AddEntry(QStringLiteral("Keys"), QStringLiteral("キー操作…"), actions.openKeys);
    if (actions.currentScale && actions.chooseScale) {
        AddDisplayScales(actions.currentScale, actions.chooseScale);
    }
}

void ExtrasMenu::AddDisplayScales(std::function<int()> current,
                                  const std::function<void(int percent)>& choose) {
    QMenu* scales = addMenu(QStringLiteral("表示倍率"));
    scales->setObjectName(QStringLiteral("DisplayScale"));
    // A submenu is a window of its own, which takes nothing from the menu that opens it.
    look::StyleAddedMenu(scales);
    auto* group = new QActionGroup(scales);
    for (const int percent : kDisplayScales) {
        QAction* entry = scales->addAction(FullWidthDigits(percent) + QStringLiteral("％"));
        entry->setObjectName(QStringLiteral("Scale_%1").arg(percent));
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [choose, percent] { choose(percent); });
    }
    // Asked afresh, so that a choice the store did not take is not shown as made.
    connect(scales, &QMenu::aboutToShow, scales, [scales, current = std::move(current)] {
        const QString chosen = QStringLiteral("Scale_%1").arg(current());
        for (QAction* entry : scales->actions()) {
            entry->setChecked(entry->objectName() == chosen);
        }
    });
}

void ExtrasMenu::AddEntry(const QString& name, const QString& text, std::function<void()> choose) {
    QAction* entry = addAction(text);
    entry->setObjectName(name);
    connect(entry, &QAction::triggered, this, std::move(choose));
}

}  // namespace morvane
