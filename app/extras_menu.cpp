#include "app/extras_menu.h"

#include <QActionGroup>

#include "shell/settings/display_scale.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

constexpr int kEntryTextSize = 16;

QString ScaleName(int percent) { return QStringLiteral("Scale_%1").arg(percent); }

QString LanguageName(Language language) {
    return QStringLiteral("Language_") + LanguageCode(language);
}

}  // namespace

ExtrasMenu::ExtrasMenu(const ExtrasActions& actions, QWidget* title) : QMenu(title) {
    setObjectName(QStringLiteral("ExtrasMenu"));
    // A popup menu has no title to show; a screen reader says this when it opens.
    setAccessibleName(tr("成績とキー操作"));
    setFont(look::Font(kEntryTextSize));
    AddEntry(QStringLiteral("Record"), tr("成績…"), actions.openRecord);
    AddEntry(QStringLiteral("Keys"), tr("キー操作…"), actions.openKeys);
    if (actions.currentScale && actions.chooseScale) {
        AddDisplayScales(actions.currentScale, actions.chooseScale);
    }
    if (actions.currentLanguage && actions.chooseLanguage) {
        AddLanguages(actions.currentLanguage, actions.chooseLanguage);
    }
}

void ExtrasMenu::AddDisplayScales(const std::function<int()>& current,
                                  const std::function<void(int percent)>& choose) {
    QList<Choice> choices;
    for (const int percent : kDisplayScales) {
        choices.append({ScaleName(percent), InterfaceNumber(percent) + tr("％"),
                        [choose, percent] { choose(percent); }});
    }
    AddChoices(QStringLiteral("DisplayScale"), tr("表示倍率"), choices,
               [current] { return ScaleName(current()); });
}

void ExtrasMenu::AddLanguages(const std::function<Language()>& current,
                              const std::function<void(Language language)>& choose) {
    // The submenu's name carries the English word, so that a player who does not read Japanese
    // finds the way out of it.
    const QList<Choice> choices = {
        {LanguageName(Language::Japanese), tr("日本語"), [choose] { choose(Language::Japanese); }},
        {LanguageName(Language::English), tr("English"), [choose] { choose(Language::English); }},
    };
    AddChoices(QStringLiteral("Language"), tr("言語／Language"), choices,
               [current] { return LanguageName(current()); });
}

void ExtrasMenu::AddChoices(const QString& name, const QString& text, const QList<Choice>& choices,
                            std::function<QString()> current) {
    QMenu* submenu = addMenu(text);
    submenu->setObjectName(name);
    // A submenu is a window of its own, which takes nothing from the menu that opens it.
    look::StyleAddedMenu(submenu);
    auto* group = new QActionGroup(submenu);
    for (const Choice& choice : choices) {
        QAction* entry = submenu->addAction(choice.text);
        entry->setObjectName(choice.name);
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, choice.choose);
    }
    // Asked afresh, so that a choice the store did not take is not shown as made.
    connect(submenu, &QMenu::aboutToShow, submenu, [submenu, current = std::move(current)] {
        const QString chosen = current();
        for (QAction* entry : submenu->actions()) {
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
