#include "match/windows/record_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "match/model/player_entry.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr std::array<const char*, kRecordColumns> kColumnHeadings{
    QT_TRANSLATE_NOOP("morvane::RecordWindow", "勝ち"),
    QT_TRANSLATE_NOOP("morvane::RecordWindow", "負け"),
    QT_TRANSLATE_NOOP("morvane::RecordWindow", "引き分け"),
    QT_TRANSLATE_NOOP("morvane::RecordWindow", "中断"),
};

constexpr int kHeadingSize = 15;
constexpr int kRowTextSize = 16;
constexpr int kNoteSize = 13;
constexpr int kCountWidth = 84;

QString PairingText(const Pairing& pairing) {
    switch (pairing.sides) {
        case Pairing::Sides::PersonAgainstComputer:
            return RecordWindow::tr("人 対 %1")
                .arg(PlayerKindLabel(ComputerKind(pairing.level), false));
        case Pairing::Sides::People:
            return RecordWindow::tr("人 対 人");
        case Pairing::Sides::Computers:
            return RecordWindow::tr("電脳 対 電脳");
        case Pairing::Sides::Network:
            return RecordWindow::tr("人 対 %1").arg(PlayerKindLabel(PlayerKind::Network, false));
    }
    return {};
}

QLabel* MakeLabel(const QString& text, int size, bool bold, look::ColourRole colour,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(look::Font(size, bold));
    look::SetTextColour(label, colour);
    return label;
}

}  // namespace

RecordWindow::RecordWindow(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), record_(store), pairings_(RecordPairings()) {
    setObjectName(QStringLiteral("FormRecord"));
    setWindowTitle(tr("Morvaneⅲ－Record"));

    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("Shape1"));
    look::DrawOutline(table, look::InfoCard);
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(18, 12, 18, 14);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    for (int column = 0; column < static_cast<int>(kColumnHeadings.size()); ++column) {
        QLabel* heading = MakeLabel(tr(kColumnHeadings[static_cast<std::size_t>(column)]),
                                    kHeadingSize, true, &look::Colours::gold, table);
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        heading->setMinimumWidth(kCountWidth);
        grid->addWidget(heading, 0, column + 1);
    }
    auto* rule = new QFrame(table);
    rule->setFixedHeight(1);
    look::SetBackground(rule, &look::Colours::steel);
    grid->addWidget(rule, 1, 0, 1, static_cast<int>(kColumnHeadings.size()) + 1);

    for (int row = 0; row < static_cast<int>(pairings_.size()); ++row) {
        QLabel* name = MakeLabel(PairingText(pairings_[static_cast<std::size_t>(row)]),
                                 kRowTextSize, true, &look::Colours::white, table);
        name->setObjectName(QStringLiteral("Pairing_%1").arg(row));
        grid->addWidget(name, row + 2, 0);
        std::array<QLabel*, kRecordColumns> counts{};
        for (int column = 0; column < static_cast<int>(counts.size()); ++column) {
            QLabel* count =
                MakeLabel(QString(), kRowTextSize, false, &look::Colours::paleText, table);
            count->setObjectName(QStringLiteral("Count_%1_%2").arg(row).arg(column));
            count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(count, row + 2, column + 1);
            counts[static_cast<std::size_t>(column)] = count;
        }
        counts_.push_back(counts);
    }

    QLabel* note =
        MakeLabel(tr("勝ち・負けは人の側から数えます。\n人 対 人、電脳 対 電脳は○側から数えます。"),
                  kNoteSize, false, &look::Colours::versionText, this);

    auto* reset = new QPushButton(tr("リセット"), this);
    reset->setObjectName(QStringLiteral("Reset"));
    connect(reset, &QPushButton::clicked, this, &RecordWindow::AskReset);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(table);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowCounts();
    look::StyleWindow(this);
    PlaceOnShow(this);
}

void RecordWindow::ShowCounts() {
    for (std::size_t row = 0; row < pairings_.size(); ++row) {
        const RecordCounts counts = record_.Counts(pairings_[row]);
        counts_[row][0]->setText(QString::number(counts.wins));
        counts_[row][1]->setText(QString::number(counts.losses));
        counts_[row][2]->setText(QString::number(counts.draws));
        counts_[row][3]->setText(QString::number(counts.abandoned));
    }
}

void RecordWindow::AskReset() {
    if (ShowMessage(this, tr("成績をすべて０に戻します。\nよろしいですか？"), YesCaption(),
                    NoCaption(), QString()) != MessageAnswer::First) {
        return;
    }
    TellIfNotStored(this, store_, record_.Reset());
    ShowCounts();
}

}  // namespace morvane

#include "moc_record_window.cpp"
