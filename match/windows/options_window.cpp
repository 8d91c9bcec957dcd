#include "match/windows/options_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <array>

#include "match/model/stored_options.h"
#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

// One group of exclusive option buttons that sets one match option.
struct OptionGroup {
    QString title;
    QString buttonName;
    QStringList captions;
    int current;
    bool (*choose)(AppState&, SettingsStore&, int position);
};

}  // namespace

OptionsWindow::OptionsWindow(AppState& state, SettingsStore& store, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Morvaneⅲ－Option"));

    const std::array<OptionGroup, 3> groups = {{
        {tr("初戦"),
         QStringLiteral("Option1"),
         {tr("ランダム"), tr("○側が先攻"), tr("Ｘ側が先攻")},
         ListPosition(state.options.firstGameFirst),
         ChooseFirstGameFirst},
        {tr("二戦目以降"),
         QStringLiteral("Option2"),
         {tr("ランダム"), tr("交代制"), tr("常に初戦先攻側が先攻")},
         ListPosition(state.options.laterGamesFirst),
         ChooseLaterGamesFirst},
        {tr("地形選択"),
         QStringLiteral("Option3"),
         {tr("ＯＮ"), tr("ＯＦＦ")},
         ListPosition(state.options.terrainSelect),
         ChooseTerrainSelect},
    }};

    std::array<QGroupBox*, 3> boxes{};
    std::array<QButtonGroup*, 3> buttonGroups{};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const OptionGroup& group = groups[g];
        boxes[g] = new QGroupBox(group.title, this);
        auto* column = new QVBoxLayout(boxes[g]);
        auto* buttons = new QButtonGroup(boxes[g]);
        buttonGroups[g] = buttons;
        int index = 0;
        for (const QString& caption : group.captions) {
            auto* button = new QRadioButton(caption, boxes[g]);
            button->setObjectName(group.buttonName + QStringLiteral("_%1").arg(index));
            buttons->addButton(button, index++);
            column->addWidget(button);
        }
        column->addStretch();

        // Opening shows the current value and stores nothing: another copy of the game may
        // have stored other options meanwhile, and only the player's own choices replace them.
        if (QAbstractButton* selected = buttons->button(group.current)) {
            selected->setChecked(true);
        }
        // Tab stops at the group's chosen button, and the arrows move the choice from there.
        for (QAbstractButton* button : buttons->buttons()) {
            if (!button->isChecked()) {
                button->setFocusPolicy(Qt::ClickFocus);
            }
        }
        connect(buttons, &QButtonGroup::idClicked, this,
                [this, &state, &store, choose = group.choose](int value) {
                    TellIfNotStored(this, store, choose(state, store, value));
                });
    }

    auto* firstMove = new QGroupBox(tr("先攻後攻"), this);
    auto* firstMoveRow = new QHBoxLayout(firstMove);
    firstMoveRow->addWidget(boxes[0]);
    firstMoveRow->addWidget(boxes[1]);

    QPushButton* ok = MakeOkButton(this);

    auto* lower = new QHBoxLayout;
    lower->addWidget(boxes[2]);
    lower->addStretch();
    lower->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(14);
    layout->addWidget(firstMove);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    PlaceOnShow(this);
    // The keys start on the choice of the first group.
    if (QAbstractButton* first = buttonGroups[0]->checkedButton()) {
        first->setFocus();
    }
}

}  // namespace morvane

#include "moc_options_window.cpp"
