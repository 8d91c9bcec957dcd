#include "app/extras_menu.h"

#include "shell/windows/look.h"

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
}

void ExtrasMenu::AddEntry(const QString& name, const QString& text, std::function<void()> choose) {
    QAction* entry = addAction(text);
    entry->setObjectName(name);
    connect(entry, &QAction::triggered, this, std::move(choose));
}

}  // namespace morvane
