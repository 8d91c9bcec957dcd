#include "match/windows/entry_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "match/model/player_entry.h"
#include "match/model/stored_options.h"
#include "match/windows/match_pictures.h"
#include "rules/board.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

// The entry lists' texts, by player kind.
constexpr std::array<const char*, kPlayerKindCount> kKindTexts = {
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "Ｍｏｕｓｅ"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "Ｋｅｙｂｏｒｄ"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "[ＥＡＳＹ]"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "[ＮＯＲＭＡＬ]"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "[ＨＡＲＤ]"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "[ⅲ]"),
    QT_TRANSLATE_NOOP("morvane::EntryWindow", "[ＭＡＳＴＥＲ]"),
};

constexpr int kEntryPictureSize = 96;
constexpr int kVersusTextSize = 26;
constexpr int kListWidth = 170;

}  // namespace

EntryWindow::EntryWindow(const AppState& state, SettingsStore& store, QWidget* parent,
                         EntryNetwork network)
    : QDialog(parent), chosen_(state), store_(store) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Morvaneⅲ－Entry"));

    auto* sides = new QGridLayout;
    sides->setHorizontalSpacing(18);
    sides->setVerticalSpacing(10);
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        const int column = side * 2;

        auto* mark = new QLabel(this);
        mark->setPixmap(CellPixmap(UnitCode(side == 0 ? kCircleTurn : kCrossTurn),
                                   AppliedDisplayScale() / 100.0));
        mark->setAlignment(Qt::AlignCenter);
        sides->addWidget(mark, 0, column);

        pictures_[s] = new QLabel(this);
        pictures_[s]->setObjectName(QStringLiteral("Ig_%1").arg(side));
        pictures_[s]->setFixedSize(kEntryPictureSize, kEntryPictureSize);
        pictures_[s]->setAlignment(Qt::AlignCenter);
        sides->addWidget(pictures_[s], 1, column, Qt::AlignCenter);

        lists_[s] = new QComboBox(this);
        lists_[s]->setObjectName(QStringLiteral("Cb_%1").arg(side));
        for (const char* text : kKindTexts) {
            lists_[s]->addItem(tr(text));
        }
        if (network.offered) {
            lists_[s]->addItem(tr("Ｎｅｔｗｏｒｋ"));
        }
        lists_[s]->setMinimumWidth(kListWidth);
        // What a screen reader calls the side's list.
        const QString listName = tr("%1のプレイヤー").arg(SideMark(side));
        UpdateAccessibleName(mark, listName);
        NameAfterCaption(lists_[s], listName, mark);
        sides->addWidget(lists_[s], 2, column);
    }
    auto* versus = new QLabel(tr("VS"), this);
    versus->setObjectName(QStringLiteral("Label2"));
    versus->setFont(look::Font(kVersusTextSize, true));
    versus->setAlignment(Qt::AlignCenter);
    look::SetTextColour(versus, &look::Colours::gold);
    sides->addWidget(versus, 1, 1);

    QPushButton* ok = MakeOkButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    layout->setSpacing(16);
    layout->addLayout(sides);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    PlaceOnShow(this);

    bool storedAtOpening = true;
    for (int side = 0; side < 2; ++side) {
        const PlayerKind kind = network.offered && network.presetSide == side
                                    ? PlayerKind::Network
                                    : LoadPlayerKind(store_, side);
        lists_[static_cast<std::size_t>(side)]->setCurrentIndex(ListPosition(kind));
        storedAtOpening = Choose(side) && storedAtOpening;
        connect(lists_[static_cast<std::size_t>(side)], &QComboBox::activated, this,
                [this, side] { TellIfNotStored(this, store_, Choose(side)); });
    }
    // Told once the window is up: it may be opened inside the battle's tick, which must not wait.
    QTimer::singleShot(0, this,
                       [this, storedAtOpening] { TellIfNotStored(this, store_, storedAtOpening); });
}

bool EntryWindow::Choose(int side) {
    const auto s = static_cast<std::size_t>(side);
    QComboBox* other = lists_[1 - s];
    const int networkPosition = ListPosition(PlayerKind::Network);
    bool otherStored = true;
    if (lists_[s]->currentIndex() == networkPosition && other->currentIndex() == networkPosition) {
        other->setCurrentIndex(ListPosition(PlayerKind::Mouse));
        otherStored = Choose(1 - side);
    }
    const bool stored =
        ChoosePlayer(chosen_, store_, side, PlayerKindAt(lists_[s]->currentIndex()));
    pictures_[s]->setPixmap(PlayerPixmap(chosen_.players.picture[s], Scaled(kEntryPictureSize)));
    UpdateAccessibleName(pictures_[s], PlayerPictureName(side, lists_[s]->currentText()));
    return stored && otherStored;
}

}  // namespace morvane

#include "moc_entry_window.cpp"
