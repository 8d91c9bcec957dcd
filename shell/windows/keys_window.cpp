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

// Texts of the keys window, translated where they are shown.
struct KeyLine {
    const char* keys;
    const char* does;
};

struct KeyScreen {
    const char* screen;
    std::vector<KeyLine> lines;
};

// Every key of the game, the one list of them; the manual page and docs/handbook.md follow it.
const std::vector<KeyScreen> kKeyScreens{
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "タイトル画面"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "↑ ↓"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "項目を選ぶ")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Enter / Space"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "選んだ項目を開く")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "F1"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ルール説明")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "F3"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "成績")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Menu / Shift+F10"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "メニュー（右クリックでも）")},
     }},
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "すべてのウィンドウ"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Ctrl+W"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ウィンドウを閉じる")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "F11"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "全画面（対戦・おまけ）")},
     }},
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "メッセージ"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "← → ↑ ↓"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ボタンを選ぶ")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Enter / Space"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "選んだボタンを押す")},
     }},
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "対戦画面"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "← → ↑ ↓"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "Keybordの□を動かす")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Space / Enter"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "Keybordが□に置く")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "1 ～ 8"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "列の置ける所へ□（再押しで上へ）")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "H"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ヒント")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Ctrl+Z"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "一手戻す")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "F1"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ルール説明")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "T"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "チャット欄へ（Escで盤面へ）")},
     }},
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "地形エディタ"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "← → ↑ ↓"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "カーソルを動かす")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Space"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "カーソルのマスを塗る")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "1 ～ 5"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "道具を選ぶ（消しゴム・◇・■・○・×）")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "6"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "ファイルを消す（確認あり）")},
     }},
    {QT_TRANSLATE_NOOP("morvane::KeysWindow", "おまけゲーム"),
     {
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "← → ↑ ↓"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "対人戦で□を動かす")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "Space"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "対人戦で□に置く")},
         {QT_TRANSLATE_NOOP("morvane::KeysWindow", "F10 / Alt"),
          QT_TRANSLATE_NOOP("morvane::KeysWindow", "メニューバーを使う")},
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
    auto* heading = new QLabel(KeysWindow::tr(screen.screen), parent);
    heading->setFont(look::Font(kHeadingSize, true));
    look::SetTextColour(heading, &look::Colours::gold);
    grid->addWidget(heading, row++, 0, 1, 2);
    for (const KeyLine& line : screen.lines) {
        auto* keys = new QLabel(KeysWindow::tr(line.keys), parent);
        keys->setFont(look::Font(kLineSize, true));
        look::SetTextColour(keys, &look::Colours::white);
        auto* does = new QLabel(KeysWindow::tr(line.does), parent);
        does->setFont(look::Font(kLineSize));
        look::SetTextColour(does, &look::Colours::paleText);
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
    setWindowTitle(tr("Morvaneⅲ－Keys"));

    // The whole window is one page, which scrolls on a screen too small for it.
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(36);
    QGridLayout* first = MakeColumn(columns);
    QGridLayout* second = MakeColumn(columns);
    const std::size_t firstScreens = FirstColumnScreens();
    for (std::size_t index = 0; index < kKeyScreens.size(); ++index) {
        AddScreen(index < firstScreens ? first : second, kKeyScreens[index], page);
    }

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->addLayout(columns);
    layout->addSpacing(18);
    layout->addWidget(MakeOkButton(this, page), 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    look::StyleWindow(this);
    SetScrollingPage(this, page);
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_keys_window.cpp"
