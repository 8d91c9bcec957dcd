#include "match/windows/peer_left_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "match/model/game_record.h"
#include "match/model/player_entry.h"
#include "shell/windows/look.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr int kPeerLeftTextSize = 16;

}  // namespace

PeerLeftDialog::PeerLeftDialog(bool canHandOver, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PeerLeft"));
    setWindowTitle(tr("Morvaneⅲ－Network"));

    auto* message = new QLabel(tr("対戦相手が退出しました。"), this);
    message->setObjectName(QStringLiteral("PeerLeftMessage"));
    message->setFont(look::Font(kPeerLeftTextSize, true));
    message->setAlignment(Qt::AlignCenter);

    auto* end = new QPushButton(tr("終了"), this);
    end->setObjectName(QStringLiteral("PeerLeftEnd"));
    connect(end, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    layout->setSpacing(14);
    layout->addWidget(message);
    if (canHandOver) {
        auto* question = new QLabel(tr("続きは電脳に任せますか？"), this);
        question->setAlignment(Qt::AlignCenter);
        levels_ = new QComboBox(this);
        levels_->setObjectName(QStringLiteral("PeerLeftLevel"));
        levels_->setAccessibleName(tr("電脳の強さ"));
        for (const Pairing& pairing : RecordPairings()) {
            if (pairing.sides == Pairing::Sides::PersonAgainstComputer) {
                levels_->addItem(PlayerKindLabel(ComputerKind(pairing.level), true),
                                 static_cast<int>(pairing.level));
            }
        }
        // The strength a first run offers.
        levels_->setCurrentIndex(levels_->findData(static_cast<int>(ComputerLevel::Normal)));
        auto* handOver = new QPushButton(tr("電脳に任せる"), this);
        handOver->setObjectName(QStringLiteral("PeerLeftHandOver"));
        handOver->setDefault(true);
        connect(handOver, &QPushButton::clicked, this, [this] {
            choice_ = ComputerLevelFromIndex(levels_->currentData().toInt());
            accept();
        });
        layout->addWidget(question);
        layout->addWidget(levels_);
        buttons->addWidget(handOver);
    }
    buttons->addWidget(end);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_peer_left_dialog.cpp"
