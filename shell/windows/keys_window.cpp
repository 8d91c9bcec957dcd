#include "shell/windows/keys_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

const QString kCaption = QStringLiteral("Morvaneⅲ－Keys");

struct KeyLine {
    QString keys;
    QString does;
};

struct KeyScreen {
    QString screen;
    std::vector<KeyLine> lines;
};

// Every key of the game, the one list of them; the manual page and the README follow it.
const std::vector<KeyScreen> kKeyScreens{
    {QStringLiteral("タイトル画面"),
     {
         {QStringLiteral("↑ ↓"), QStringLiteral("項目を選ぶ")},
         {QStringLiteral("Enter / Space"), QStringLiteral("選んだ項目を開く")},
         {QStringLiteral("F1"), QStringLiteral("ルール説明")},
         {QStringLiteral("F3"), QStringLiteral("成績")},
         {QStringLiteral("Menu / Shift+F10"), QStringLiteral("メニュー（右クリックでも）")},
     }},
    {QStringLiteral("すべてのウィンドウ"),
     {
         {QStringLiteral("Ctrl+W"), QStringLiteral("ウィンドウを閉じる")},
     }},
    {QStringLiteral("メッセージ"),
     {
         {QStringLiteral("← → ↑ ↓"), QStringLiteral("ボタンを選ぶ")},
         {QStringLiteral("Enter / Space"), QStringLiteral("選んだボタンを押す")},
     }},
    {QStringLiteral("対戦画面"),
     {
         {QStringLiteral("← → ↑ ↓"), QStringLiteral("Keybordの□を動かす")},
         {QStringLiteral("Space"), QStringLiteral("Keybordが□に置く")},
         {QStringLiteral("H"), QStringLiteral("ヒント")},
         {QStringLiteral("Ctrl+Z"), QStringLiteral("一手戻す")},
         {QStringLiteral("F1"), QStringLiteral("ルール説明")},
     }},
    {QStringLiteral("地形エディタ"),
     {
         {QStringLiteral("← → ↑ ↓"), QStringLiteral("カーソルを動かす")},
         {QStringLiteral("Space"), QStringLiteral("カーソルのマスを塗る")},
         {QStringLiteral("1 ～ 5"), QStringLiteral("道具を選ぶ（消しゴム・◇・■・○・×）")},
         {QStringLiteral("6"), QStringLiteral("ファイルを消す（確認あり）")},
     }},
    {QStringLiteral("おまけゲーム"),
     {
         {QStringLiteral("← → ↑ ↓"), QStringLiteral("対人戦で□を動かす")},
         {QStringLiteral("Space"), QStringLiteral("対人戦で□に置く")},
         {QStringLiteral("F10 / Alt"), QStringLiteral("メニューバーを使う")},
     }},
};

constexpr int kHeadingSize = 16;
constexpr int kLineSize = 14;

// One screen's keys: its name as a heading, then a key and what it does on each line.
void AddScreen(QGridLayout* grid, const KeyScreen& screen, QWidget* parent) {
    // A gap before every screen but the first of the column.
    int row = grid->isEmpty() ? 0 : grid->rowCount();
    if (row > 0) {
        grid->setRowMinimumHeight(row++, 10);
    }
    auto* heading = new QLabel(screen.screen, parent);
    heading->setFont(look::Font(kHeadingSize, true));
    look::SetTextColour(heading, look::kGold);
    grid->addWidget(heading, row++, 0, 1, 2);
    for (const KeyLine& line : screen.lines) {
        auto* keys = new QLabel(line.keys, parent);
        keys->setFont(look::Font(kLineSize, true));
        look::SetTextColour(keys, look::kWhite);
        auto* does = new QLabel(line.does, parent);
        does->setFont(look::Font(kLineSize));
        look::SetTextColour(does, look::kPaleText);
        grid->addWidget(keys, row, 0);
        grid->addWidget(does, row++, 1);
    }
}

int LineCount(const KeyScreen& screen) { return static_cast<int>(screen.lines.size()) + 1; }

// How many screens the first of two columns takes: as many as keep it to half the lines.
std::size_t FirstColumnScreens() {
    int total = 0;
    for (const KeyScreen& screen : kKeyScreens) {
        total += LineCount(screen);
    }
    std::size_t screens = 0;
    int lines = 0;
    while (screens < kKeyScreens.size() && 2 * (lines + LineCount(kKeyScreens[screens])) <= total) {
        lines += LineCount(kKeyScreens[screens]);
        ++screens;
    }
    return screens;
}

QGridLayout* MakeColumn(QHBoxLayout* columns) {
    auto* column = new QGridLayout;
    column->setHorizontalSpacing(18);
    column->setVerticalSpacing(5);
    columns->addLayout(column);
    columns->setAlignment(column, Qt::AlignTop);
    return column;
}

}  // namespace

KeysWindow::KeysWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormKeys"));
    setWindowTitle(kCaption);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(36);
    QGridLayout* first = MakeColumn(columns);
    QGridLayout* second = MakeColumn(columns);
    const std::size_t firstScreens = FirstColumnScreens();
    for (std::size_t index = 0; index < kKeyScreens.size(); ++index) {
        AddScreen(index < firstScreens ? first : second, kKeyScreens[index], this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->addLayout(columns);
    layout->addSpacing(18);
    layout->addWidget(MakeOkButton(this), 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    look::StyleWindow(this);
    PlaceOnShow(this);
}

}  // namespace morvane
