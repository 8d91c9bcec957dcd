#include "shell/windows/choice_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QList>
#include <QMenu>
#include <QScreen>

#include "shell/settings/display_scale.h"
#include "shell/settings/window_sizes.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

// One entry of a submenu of choices: its objectName, its text and what choosing it does.
struct Choice {
    QString name;
    QString text;
    std::function<void()> choose;
};

QString ScaleName(int percent) { return QStringLiteral("Scale_%1").arg(percent); }

QString LookName(Look look) { return QStringLiteral("Look_") + LookCode(look); }

QString LookText(Look look) {
    switch (look) {
        case Look::HighContrast:
            return QCoreApplication::translate("morvane::ChoiceMenus", "ハイコントラスト");
        case Look::Light:
            return QCoreApplication::translate("morvane::ChoiceMenus", "ライト");
        case Look::Standard:
            break;
    }
    return QCoreApplication::translate("morvane::ChoiceMenus", "標準");
}

QString LanguageName(Language language) {
    return QStringLiteral("Language_") + LanguageCode(language);
}

// Adds a submenu of choices, the one whose objectName current() gives checked each time the
// submenu opens.
QMenu* AddChoices(QMenu* menu, const QString& name, const QString& text,
                  const QList<Choice>& choices, std::function<QString()> current) {
    QMenu* submenu = menu->addMenu(text);
    submenu->setObjectName(name);
    // A submenu is a window of its own, which takes nothing from the menu that opens it.
    look::StyleAddedMenu(submenu);
    auto* group = new QActionGroup(submenu);
    for (const Choice& choice : choices) {
        QAction* entry = submenu->addAction(choice.text);
        entry->setObjectName(choice.name);
        entry->setCheckable(true);
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, menu, choice.choose);
    }
    // Asked afresh, so that a choice the store did not take is not shown as made.
    QObject::connect(submenu, &QMenu::aboutToShow, submenu,
                     [submenu, current = std::move(current)] {
                         const QString chosen = current();
                         for (QAction* entry : submenu->actions()) {
                             entry->setChecked(entry->objectName() == chosen);
                         }
                     });
    return submenu;
}

}  // namespace

QString DisplayScaleMenuTitle() {
    return QCoreApplication::translate("morvane::ChoiceMenus", "表示倍率");
}

// The title carries both languages' words, the interface's own first, so that a player who does
// not read the interface's language finds the way out of the submenu.
QString LanguageMenuTitle() {
    return QCoreApplication::translate("morvane::ChoiceMenus", "言語／Language");
}

QString LookMenuTitle() { return QCoreApplication::translate("morvane::ChoiceMenus", "見た目"); }

QString ScaleTooLargeTip() {
    return QCoreApplication::translate("morvane::ChoiceMenus",
                                       "この倍率ではウィンドウが画面に収まりません。");
}

QMenu* AddDisplayScaleMenu(QMenu* menu, std::function<int()> current,
                           const std::function<void(int percent)>& choose) {
    QList<Choice> choices;
    for (const int percent : kDisplayScales) {
        choices.append(
            {ScaleName(percent),
             InterfaceNumber(percent) + QCoreApplication::translate("morvane::ChoiceMenus", "％"),
             [choose, percent] { choose(percent); }});
    }
    QMenu* submenu =
        AddChoices(menu, QStringLiteral("DisplayScale"), DisplayScaleMenuTitle(), choices,
                   [current = std::move(current)] { return ScaleName(current()); });
    submenu->setToolTipsVisible(true);
    // The screen's free area is measured in Qt's pixels, which the display scale leaves alone.
    QObject::connect(submenu, &QMenu::aboutToShow, submenu, [menu, entries = submenu->actions()] {
        const QSize room = menu->screen()->availableGeometry().size();
        for (std::size_t k = 0; k < kDisplayScales.size(); ++k) {
            const bool fits = ScaleFits(kDisplayScales[k], room);
            QAction* entry = entries[static_cast<qsizetype>(k)];
            entry->setEnabled(fits);
            entry->setToolTip(fits ? QString() : ScaleTooLargeTip());
        }
    });
    return submenu;
}

QMenu* AddLanguageMenu(QMenu* menu, std::function<Language()> current,
                       const std::function<void(Language language)>& choose) {
    // Each language is named in itself, whatever the interface speaks: the name a player looks
    // for is the one in the language they read.
    const QList<Choice> choices = {
        {LanguageName(Language::Japanese), QStringLiteral("日本語"),
         [choose] { choose(Language::Japanese); }},
        {LanguageName(Language::English), QStringLiteral("English"),
         [choose] { choose(Language::English); }},
    };
    return AddChoices(menu, QStringLiteral("Language"), LanguageMenuTitle(), choices,
                      [current = std::move(current)] { return LanguageName(current()); });
}

QMenu* AddLookMenu(QMenu* menu, std::function<Look()> current,
                   const std::function<void(Look look)>& choose) {
    QList<Choice> choices;
    for (const Look look : kLooks) {
        choices.append({LookName(look), LookText(look), [choose, look] { choose(look); }});
    }
    QMenu* submenu = AddChoices(menu, QStringLiteral("Look"), LookMenuTitle(), choices,
                                [current = std::move(current)] { return LookName(current()); });
    // In the interface's language as it stands when the submenu opens.
    QObject::connect(submenu, &QMenu::aboutToShow, submenu, [entries = submenu->actions()] {
        for (std::size_t k = 0; k < std::size(kLooks); ++k) {
            entries[static_cast<qsizetype>(k)]->setText(LookText(kLooks[k]));
        }
    });
    return submenu;
}

}  // namespace morvane
