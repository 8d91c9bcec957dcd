#include "app/extras_menu.h"

#include "shell/windows/choice_menus.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

constexpr int kEntryTextSize = 16;

}  // namespace

ExtrasMenu::ExtrasMenu(const ExtrasActions& actions, QWidget* title) : QMenu(title) {
    setObjectName(QStringLiteral("ExtrasMenu"));
    // A popup menu has no title to show; a screen reader says this when it opens.
    setAccessibleName(tr("成績とキー操作"));
    setFont(look::Font(kEntryTextSize));
    AddEntry(QStringLiteral("Record"), tr("成績…"), actions.openRecord);
    AddEntry(QStringLiteral("Keys"), tr("キー操作…"), actions.openKeys);
    if (actions.canResume && actions.resume) {
        QAction* resume = AddEntry(QStringLiteral("Resume"), tr("続きから"), actions.resume);
        const auto follow = [resume, canResume = actions.canResume] {
            resume->setEnabled(canResume());
        };
        follow();
        connect(this, &QMenu::aboutToShow, this, follow);
    }
    if (actions.hostGame && actions.joinGame) {
        AddEntry(QStringLiteral("HostGame"), tr("ネットワーク対戦を主催する…"), actions.hostGame);
        AddEntry(QStringLiteral("JoinGame"), tr("ネットワーク対戦に参加する…"), actions.joinGame);
    }
    if (actions.currentScale && actions.chooseScale) {
        AddDisplayScaleMenu(this, actions.currentScale, actions.chooseScale);
    }
    if (actions.currentLanguage && actions.chooseLanguage) {
        AddLanguageMenu(this, actions.currentLanguage, actions.chooseLanguage);
    }
    if (actions.currentLook && actions.chooseLook) {
        AddLookMenu(this, actions.currentLook, actions.chooseLook);
    }
}

QAction* ExtrasMenu::AddEntry(const QString& name, const QString& text,
                              std::function<void()> choose) {
    QAction* entry = addAction(text);
    entry->setObjectName(name);
    connect(entry, &QAction::triggered, this, std::move(choose));
    return entry;
}

}  // namespace morvane

#include "moc_extras_menu.cpp"
