#include "extra/windows/ex_game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "extra/windows/ex_game_surface.h"
#include "extra/windows/ex_help_window.h"
#include "extra/windows/ex_look.h"
#include "extra/windows/ex_terrain_settings_window.h"
#include "rules/random.h"
#include "shell/windows/message_dialog.h"

namespace morvane {
namespace {

using namespace exlayout;

// The window's texts.
const QString kCaption = QStringLiteral("Morvane-リメイク版");
const QString kPersonModeText = QStringLiteral("　　・対人戦・");
const QString kComputerModeText = QStringLiteral("　 ・対電脳戦・");
const QString kPersonModeWord = QStringLiteral("・対人戦・");
const QString kComputerModeWord = QStringLiteral("・対電脳戦・");
const QString kMouseFirst = QStringLiteral("先攻：Mouse");
const QString kKeybordFirst = QStringLiteral("先攻：Keybord");
const QString kProgramFirst = QStringLiteral("先攻：Program");
const QString kMouseWon = QStringLiteral("勝利：Mouse！");
const QString kKeybordWon = QStringLiteral("勝利：Keybord！");
const QString kProgramWon = QStringLiteral("勝利：Program！");
const QString kConfirm = QStringLiteral("確認");
const QString kYes = QStringLiteral("Ｙｅｓ");
const QString kCancel = QStringLiteral("Ｃａｎｃｅｌ");
const QString kModeChangeQuestion = QStringLiteral(
    "モードを変更すると自動的にニューゲームが行われます。\n"
    "モードを変更してもよろしいですか？");
const QString kNewGameQuestion = QStringLiteral("ニューゲームしますか？");
const QString kHelpNotice = QStringLiteral(
    "このヘルプ内容は元の作品「Morvane(Ver 2.0)」の時のものです。"
    "リメイク版では多少異なった部分もありますが、御了承下さい。");
const QString kRefusedWhileThinking = QStringLiteral("電脳思考中は実行できません。");
const QString kCloseRefusedWhileThinking = QStringLiteral("電脳思考中は閉じる事ができません。");
const QString kDrawTitle = QStringLiteral("Drow");
const QString kDrawText = QStringLiteral("引き分け！");
const QString kThinkingText = QStringLiteral("現在思考中・・・\n残：%1%");
const QString kGameNumberText = QStringLiteral("[[[[ 第%1戦 ]]]]\n\n");
const QString kCountersText = QStringLiteral(
    "   Mouse:%1勝\n"
    "Keybord:%2勝\n"
    "  (DROW):%3回\n");
const QString kStateText = QStringLiteral("\n現在の戦況▼\n[残]：%1/%2\n\n現在ターン▼\n");
const QString kMouseToMove = QStringLiteral("＞＞＞Mouse.");
const QString kProgramToMove = QStringLiteral("＞＞＞Program.");
const QString kKeybordToMove = QStringLiteral("＞＞＞Keybord.");
const QString kRotateLeft = QStringLiteral("左回転");
const QString kRotateRight = QStringLiteral("右回転");
const QString kStart = QStringLiteral("Start!!");
const QString kRandomTerrain = QStringLiteral("ランダム地形");
const QString kSystemMenu = QStringLiteral("【システム】");
const QString kNewGameItem = QStringLiteral("【New Game!】");
const QString kModeMenu = QStringLiteral("【モード】");
const QString kPersonModeItem = QStringLiteral("対人戦");
const QString kComputerModeItem = QStringLiteral("対電脳戦");
const QString kOptionsItem = QStringLiteral("【オプション】");
const QString kHelpItem = QStringLiteral("【ヘルプ】");

const QString& ModeText(ExMode mode) {
    return mode == ExMode::AgainstPerson ? kPersonModeText : kComputerModeText;
}

QString Counted(int count) {
    constexpr int kCountDigits = 3;
    return QStringLiteral("%1").arg(count, kCountDigits, 10, QChar('0'));
}

}  // namespace

ExGameWindow::ExGameWindow(YieldHook thinkingYield, QWidget* parent)
    : QMainWindow(parent),
      thinkingYield_(std::move(thinkingYield)),
      pictures_(LoadExCellPictures(devicePixelRatioF())) {
    setObjectName(QStringLiteral("Formz11"));
    setWindowTitle(kCaption);
    exlook::StyleWindow(this);
    setFocusPolicy(Qt::StrongFocus);

    auto* surface = new ExGameSurface(this);
    setCentralWidget(surface);
    BuildBoard(surface);
    BuildPanel(surface);
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // What the window shows when it opens: against the computer, no game, cells hidden.
    ShowModeMarks();
    ShowModeTextOnly();
    DrawCells(match_.board());
    SetCellsVisible(false);
    SetCellsEnabled(false);
    SetMouseFrameVisible(false);
    keyCursor_->hide();
    thinkingLabel_->hide();
    ShowBetweenGamesControls();
}

void ExGameWindow::BuildBoard(QWidget* surface) {
    for (int cell = 0; cell < kExCellCount; ++cell) {
        auto* widget = new ExCellWidget(pictures_, surface);
        widget->setObjectName(QStringLiteral("Un_%1").arg(cell));
        widget->move(CellRect(cell).topLeft());
        connect(widget, &ExCellWidget::clicked, this, [this, cell] { CellClicked(cell); });
        cells_[cell] = widget;
    }
    const QRect board(kBoardLeft, kBoardTop, kBoardSize, kBoardSize);
    const QRect outer = board.adjusted(-kFrameGap - kFrameWidth, -kFrameGap - kFrameWidth,
                                       kFrameGap + kFrameWidth, kFrameGap + kFrameWidth);
    const std::array<QRect, 4> lines = {
        QRect(outer.left(), outer.top(), outer.width(), kFrameWidth),
        QRect(outer.left(), outer.bottom() - kFrameWidth + 1, outer.width(), kFrameWidth),
        QRect(outer.left(), outer.top(), kFrameWidth, outer.height()),
        QRect(outer.right() - kFrameWidth + 1, outer.top(), kFrameWidth, outer.height()),
    };
    for (std::size_t k = 0; k < lines.size(); ++k) {
        auto* line = new QFrame(surface);
        line->setObjectName(QStringLiteral("Mc_%1").arg(k));
        line->setGeometry(lines[k]);
        line->setStyleSheet(QStringLiteral("background: rgb(70, 140, 255);"));
        mouseFrame_[k] = line;
    }
    keyCursor_ = new QFrame(surface);
    keyCursor_->setObjectName(QStringLiteral("c"));
    keyCursor_->setAttribute(Qt::WA_TransparentForMouseEvents);
    keyCursor_->setStyleSheet(QStringLiteral(
        "QFrame { border: 3px solid rgb(255, 70, 50); border-radius: 3px; background: none; }"));
}

void ExGameWindow::BuildPanel(QWidget* surface) {
    const int inner = kPanelLeft + kPanelPadding;
    info_ = new QLabel(surface);
    info_->setObjectName(QStringLiteral("INf"));
    info_->setFont(exlook::FixedFont(kInfoFontSize));
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setWordWrap(true);
    info_->setGeometry(inner, kPanelTop + kPanelPadding, kInfoWidth,
                       kPanelBottom - kThinkingHeight - 2 * kPanelPadding - kPanelTop - 2);

    thinkingLabel_ = new QLabel(surface);
    thinkingLabel_->setObjectName(QStringLiteral("L2"));
    thinkingLabel_->setFont(exlook::Font(14, true));
    thinkingLabel_->setAlignment(Qt::AlignCenter);
    thinkingLabel_->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(255, 236, 60); background: rgba(0, 0, 0, 170);"
                       " border: 1px solid rgb(255, 236, 60); border-radius: 5px; }"));
    thinkingLabel_->setGeometry(inner, kPanelBottom - kPanelPadding - kThinkingHeight, kInnerWidth,
                                kThinkingHeight);

    auto makeButton = [surface](const QString& name, const QString& text, const QRect& place) {
        auto* button = new QPushButton(text, surface);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::NoFocus);  // Space and the arrows belong to the board
        button->setGeometry(place);
        return button;
    };
    int y = kPanelBottom - kPanelPadding - kStartHeight;
    startButton_ =
        makeButton(QStringLiteral("Command3"), kStart, QRect(inner, y, kInnerWidth, kStartHeight));
    y -= kButtonGap + kButtonHeight;
    terrainButton_ = makeButton(QStringLiteral("Command4"), kRandomTerrain,
                                QRect(inner, y, kInnerWidth, kButtonHeight));
    y -= kButtonGap + kButtonHeight;
    const int half = (kInnerWidth - kButtonGap) / 2;
    rotateButtons_[0] =
        makeButton(QStringLiteral("Command2_0"), kRotateLeft, QRect(inner, y, half, kButtonHeight));
    rotateButtons_[1] = makeButton(
        QStringLiteral("Command2_1"), kRotateRight,
        QRect(inner + half + kButtonGap, y, kInnerWidth - half - kButtonGap, kButtonHeight));
    startButton_->setFont(exlook::Font(18, true));

    connect(rotateButtons_[0], &QPushButton::clicked, this,
            [this] { Rotate(RotateDirection::CounterClockwise); });
    connect(rotateButtons_[1], &QPushButton::clicked, this,
            [this] { Rotate(RotateDirection::Clockwise); });
    connect(terrainButton_, &QPushButton::clicked, this, &ExGameWindow::MakeTerrain);
    connect(startButton_, &QPushButton::clicked, this, &ExGameWindow::Start);
}

void ExGameWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(exlook::Font(14));

    systemMenu_ = bar->addMenu(kSystemMenu);
    systemMenu_->setObjectName(QStringLiteral("システム"));
    connect(systemMenu_, &QMenu::aboutToShow, this, &ExGameWindow::SystemMenuOpening);
    QAction* newGame = systemMenu_->addAction(kNewGameItem);
    newGame->setObjectName(QStringLiteral("NewGame"));
    connect(newGame, &QAction::triggered, this, &ExGameWindow::NewGameChosen);

    modeMenu_ = bar->addMenu(kModeMenu);
    modeMenu_->setObjectName(QStringLiteral("モード"));
    // The group only enables and disables the items together; the mark is set by hand, since
    // a cancelled change must keep it where it was.
    modeActions_ = new QActionGroup(this);
    modeActions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const std::array<QString, 2> modeTexts = {kPersonModeItem, kComputerModeItem};
    for (std::size_t k = 0; k < modeItems_.size(); ++k) {
        QAction* item = modeMenu_->addAction(modeTexts[k]);
        item->setObjectName(QStringLiteral("戦_%1").arg(k));
        item->setCheckable(true);
        modeActions_->addAction(item);
        const auto mode = static_cast<ExMode>(k);
        connect(item, &QAction::triggered, this, [this, mode] { ModeChosen(mode); });
        modeItems_[k] = item;
    }

    QAction* options = bar->addAction(kOptionsItem);
    options->setObjectName(QStringLiteral("オプション"));
    connect(options, &QAction::triggered, this, &ExGameWindow::OptionsChosen);
    QAction* help = bar->addAction(kHelpItem);
    help->setObjectName(QStringLiteral("ヘルプ"));
    connect(help, &QAction::triggered, this, &ExGameWindow::HelpChosen);
}

bool ExGameWindow::thinking() const { return !thinkingLabel_->isHidden(); }

void ExGameWindow::Start() {
    SetMouseFrameVisible(false);
    keyCursor_->hide();
    const bool mouseFirst = 1 + RandomUpTo(1) == 1;
    const bool againstPerson = match_.mode() == ExMode::AgainstPerson;
    const QString& first =
        mouseFirst ? kMouseFirst : (againstPerson ? kKeybordFirst : kProgramFirst);
    ShowMessage(this, ModeWord() + QLatin1Char('\n') + first, {}, {}, kConfirm);
    match_.Start(mouseFirst);
    if (mouseFirst) {
        SetMouseFrameVisible(true);
    } else if (againstPerson) {
        PlaceKeyCursor();
        keyCursor_->show();
    }
    SetCellsVisible(true);
    SetCellsEnabled(true);
    for (QPushButton* button :
         {rotateButtons_[0], rotateButtons_[1], terrainButton_, startButton_}) {
        button->setEnabled(false);
        button->hide();
    }
    modeMenu_->menuAction()->setEnabled(false);
    modeActions_->setEnabled(false);
    RefreshGame();
}

void ExGameWindow::MakeTerrain() {
    match_.MakeTerrain();
    SetCellsVisible(true);
    SetCellsEnabled(false);
    RefreshGame();
    rotateButtons_[0]->setEnabled(true);
    rotateButtons_[1]->setEnabled(true);
}

void ExGameWindow::Rotate(RotateDirection direction) {
    match_.Rotate(direction);
    RefreshGame();
}

void ExGameWindow::CellClicked(int cell) {
    if (!match_.PlaceMouseUnit(cell)) {
        return;
    }
    SetMouseFrameVisible(false);
    if (match_.mode() == ExMode::AgainstPerson) {
        PlaceKeyCursor();
        keyCursor_->show();
    } else {
        SetCellsEnabled(false);
    }
    RefreshGame();
    // A game that has just ended leaves its final position disabled.
    SetCellsEnabled(match_.inProgress());
}

void ExGameWindow::keyPressEvent(QKeyEvent* event) {
    if (match_.turn() != kExOtherTurn || match_.mode() != ExMode::AgainstPerson) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    keyCursor_->show();
    switch (event->key()) {
        case Qt::Key_Space:
            if (match_.PlaceKeybordUnit()) {
                SetMouseFrameVisible(true);
                keyCursor_->hide();
                RefreshGame();
            }
            break;
        case Qt::Key_Up:
            match_.MoveCursor(-kExColumns);
            break;
        case Qt::Key_Down:
            match_.MoveCursor(kExColumns);
            break;
        case Qt::Key_Left:
            match_.MoveCursor(-1);
            break;
        case Qt::Key_Right:
            match_.MoveCursor(1);
            break;
        default:
            break;
    }
    PlaceKeyCursor();
}

void ExGameWindow::ModeChosen(ExMode mode) {
    // Triggering a checkable item toggles its mark at once; the mark follows the mode instead.
    ShowModeMarks();
    if (ShowMessage(this, kModeChangeQuestion, kYes, kCancel, {}) != MessageAnswer::First) {
        return;
    }
    ResetSeries(mode);
}

void ExGameWindow::NewGameChosen() {
    if (RefusedWhileThinking()) {
        return;
    }
    if (ShowMessage(this, kNewGameQuestion, kYes, kCancel, {}) != MessageAnswer::First) {
        return;
    }
    ResetSeries(match_.mode());
}

void ExGameWindow::SystemMenuOpening() {
    if (!thinking()) {
        return;
    }
    // The menu is about to open; it is closed again and the refusal shown once it has.
    QMetaObject::invokeMethod(
        this,
        [this] {
            systemMenu_->hide();
            ShowMessage(this, kRefusedWhileThinking, {}, {}, kConfirm);
        },
        Qt::QueuedConnection);
}

void ExGameWindow::OptionsChosen() {
    if (RefusedWhileThinking()) {
        return;
    }
    ExTerrainSettingsWindow settings(match_.stoneDraws, match_.boxDraws, this);
    settings.exec();
}

void ExGameWindow::HelpChosen() {
    if (RefusedWhileThinking()) {
        return;
    }
    ShowMessage(this, kHelpNotice, {}, {}, kConfirm);
    RunExHelpWindow(this);
}

void ExGameWindow::closeEvent(QCloseEvent* event) {
    if (thinking()) {
        event->ignore();
        ShowMessage(this, kCloseRefusedWhileThinking, {}, {}, kConfirm);
        return;
    }
    event->accept();
    emit closed();
}

void ExGameWindow::RefreshGame() {
    for (;;) {
        DrawCells(match_.board());
        if (const auto end = match_.Judge()) {
            EndGame(*end);
        }
        UpdateInfo();
        if (!match_.ComputerToMove()) {
            return;
        }
        const bool moved =
            match_.PlayComputerMove(thinkingYield_, [this](int left) { ShowProgress(left); });
        thinkingLabel_->hide();
        if (!moved) {
            return;
        }
        SetMouseFrameVisible(true);
    }
}

void ExGameWindow::EndGame(const ExGameEnd& end) {
    DrawCells(end.finalBoard);
    SetCellsEnabled(false);
    SetMouseFrameVisible(false);
    keyCursor_->hide();
    ShowBetweenGamesControls();
    AnnounceEnd(end.winner);
}

void ExGameWindow::AnnounceEnd(ExWinner winner) {
    if (winner == ExWinner::Nobody) {
        // The one notice of this window that is the system's own message box.
        QMessageBox box(QMessageBox::NoIcon, kDrawTitle, kDrawText, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("DrowBox"));
        box.exec();
        return;
    }
    const QString& won = winner == ExWinner::Mouse                ? kMouseWon
                         : match_.mode() == ExMode::AgainstPerson ? kKeybordWon
                                                                  : kProgramWon;
    ShowMessage(this, ModeWord() + QLatin1Char('\n') + won, {}, {}, kConfirm);
}

void ExGameWindow::ShowProgress(int percentLeft) {
    thinkingLabel_->setText(kThinkingText.arg(percentLeft));
    thinkingLabel_->show();
    repaint();
}

void ExGameWindow::ResetSeries(ExMode mode) {
    match_.NewSeries(mode);
    ShowModeMarks();
    ShowModeTextOnly();
    ShowBetweenGamesControls();
    DrawCells(match_.board());
    SetCellsVisible(false);
    SetCellsEnabled(false);
    SetMouseFrameVisible(false);
    keyCursor_->hide();
}

void ExGameWindow::ShowBetweenGamesControls() {
    for (QPushButton* button : rotateButtons_) {
        button->setEnabled(false);
        button->show();
    }
    startButton_->setEnabled(true);
    startButton_->show();
    terrainButton_->setEnabled(match_.mode() == ExMode::AgainstPerson);
    terrainButton_->show();
    modeMenu_->menuAction()->setEnabled(true);
    modeActions_->setEnabled(true);
}

bool ExGameWindow::RefusedWhileThinking() {
    if (!thinking()) {
        return false;
    }
    ShowMessage(this, kRefusedWhileThinking, {}, {}, kConfirm);
    return true;
}

void ExGameWindow::DrawCells(const ExBoard& board) {
    for (int cell = 0; cell < kExCellCount; ++cell) {
        cells_[cell]->SetCode(board[cell]);
    }
}

void ExGameWindow::SetCellsEnabled(bool enabled) {
    for (ExCellWidget* cell : cells_) {
        cell->setEnabled(enabled);
    }
}

void ExGameWindow::SetCellsVisible(bool visible) {
    for (ExCellWidget* cell : cells_) {
        cell->setVisible(visible);
    }
    keyCursor_->raise();
}

void ExGameWindow::SetMouseFrameVisible(bool visible) {
    for (QFrame* line : mouseFrame_) {
        line->setVisible(visible);
    }
}

void ExGameWindow::PlaceKeyCursor() {
    keyCursor_->setGeometry(
        CellRect(match_.keyCursor())
            .adjusted(-kCursorMargin, -kCursorMargin, kCursorMargin, kCursorMargin));
    keyCursor_->raise();
}

void ExGameWindow::ShowModeMarks() {
    for (std::size_t k = 0; k < modeItems_.size(); ++k) {
        modeItems_[k]->setChecked(static_cast<ExMode>(k) == match_.mode());
    }
}

void ExGameWindow::ShowModeTextOnly() { info_->setText(ModeText(match_.mode())); }

void ExGameWindow::UpdateInfo() {
    QString text = ModeText(match_.mode());
    text += kGameNumberText.arg(Counted(match_.gameCount() + 1));
    text += kCountersText.arg(Counted(match_.mouseWins()), Counted(match_.otherWins()),
                              Counted(match_.drawCount()));
    if (match_.inProgress()) {
        text += kStateText.arg(OpenCells(match_.board())).arg(NonStoneCells(match_.board()));
        if (match_.turn() == kExMouseTurn) {
            text += kMouseToMove;
        } else {
            text += match_.mode() == ExMode::AgainstComputer ? kProgramToMove : kKeybordToMove;
        }
    }
    info_->setText(text);
}

QString ExGameWindow::ModeWord() const {
    return match_.mode() == ExMode::AgainstPerson ? kPersonModeWord : kComputerModeWord;
}

}  // namespace morvane
