#include "extra/windows/ex_game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "extra/windows/ex_game_surface.h"
#include "extra/windows/ex_help_window.h"
#include "extra/windows/ex_terrain_settings_window.h"
#include "extra/windows/ex_texts.h"
#include "extra/windows/extra_log.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

using namespace exlayout;

ExKey KeyOf(int key) {
    switch (key) {
        case Qt::Key_Space:
            return ExKey::Space;
        case Qt::Key_Up:
            return ExKey::Up;
        case Qt::Key_Down:
            return ExKey::Down;
        case Qt::Key_Left:
            return ExKey::Left;
        case Qt::Key_Right:
            return ExKey::Right;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ExKey::Enter;
        default:
            return ExKey::Other;
    }
}

// The sound of a game's end: the computer beating the person is a loss, any other win a win.
std::optional<Sound> EndSound(ExMessage notice) {
    switch (notice) {
        case ExMessage::MouseWon:
        case ExMessage::KeybordWon:
            return Sound::Won;
        case ExMessage::ProgramWon:
            return Sound::Lost;
        case ExMessage::Drawn:
            return Sound::Drawn;
        default:
            return std::nullopt;
    }
}

}  // namespace

ExGameWindow::ExGameWindow(QWidget* parent)
    : QMainWindow(parent), pictures_(LoadExCellPictures(devicePixelRatioF())), match_(*this) {
    setObjectName(QStringLiteral("Formz11"));
    setWindowTitle(tr("Morvane-リメイク版"));
    setFocusPolicy(Qt::StrongFocus);

    auto* surface = new ExGameSurface(this);
    setCentralWidget(surface);
    BuildBoard(surface);
    BuildPanel(surface);
    BuildMenus();
    connect(grow_, &GrowingPage::rescaled, this, &ExGameWindow::RenderCellPictures);
    // The display scale changed (the page then grows too) or the window's density did.
    OnPictureDensityChange(this, [this] { RenderCellPictures(); });
    look::StyleWindow(this, look::Theme::Rock);
    PlaceOnShow(this);
    Render();
}

template <typename Command>
void ExGameWindow::Forward(Command command) {
    command();
    Render();
}

void ExGameWindow::BuildBoard(ExGameSurface* surface) {
    QWidget* page = surface->Page();
    grow_ = &surface->Grow();
    for (int cell = 0; cell < kExCellCount; ++cell) {
        auto* widget = new ExCellWidget(pictures_, cell, page);
        widget->setObjectName(QStringLiteral("Un_%1").arg(cell));
        grow_->Place(widget, CellRect(cell));
        connect(widget, &ExCellWidget::clicked, this,
                [this, cell] { Forward([this, cell] { match_.ClickCell(cell); }); });
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
        auto* line = new QFrame(page);
        line->setObjectName(QStringLiteral("Mc_%1").arg(k));
        grow_->Place(line, lines[k]);
        look::SetBackground(line, &look::Colours::mouseFrame);
        mouseFrame_[k] = line;
    }
    keyCursor_ = new QFrame(page);
    keyCursor_->setObjectName(QStringLiteral("c"));
    keyCursor_->setAttribute(Qt::WA_TransparentForMouseEvents);
    look::DrawOutline(keyCursor_, look::KeyCursorFrame);
}

void ExGameWindow::BuildPanel(ExGameSurface* surface) {
    QWidget* page = surface->Page();
    const int inner = kPanelLeft + kPanelPadding;
    info_ = new QLabel(page);
    info_->setObjectName(QStringLiteral("INf"));
    info_->setFont(look::FixedFont(kInfoFontSize));
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setWordWrap(true);
    grow_->Place(info_, QRect(inner, kPanelTop + kPanelPadding, kInfoWidth,
                              kPanelBottom - kThinkingHeight - 2 * kPanelPadding - kPanelTop - 2));

    thinkingLabel_ = new QLabel(page);
    thinkingLabel_->setObjectName(QStringLiteral("L2"));
    thinkingLabel_->setFont(look::Font(kThinkingFontSize, true));
    thinkingLabel_->setAlignment(Qt::AlignCenter);
    look::SetTextColour(thinkingLabel_, &look::Colours::thinking);
    look::DrawOutline(thinkingLabel_, look::ThinkingPanel);
    grow_->Place(thinkingLabel_, QRect(inner, kPanelBottom - kPanelPadding - kThinkingHeight,
                                       kInnerWidth, kThinkingHeight));

    auto makeButton = [this, page](const QString& name, const QString& text, const QRect& place) {
        auto* button = new QPushButton(text, page);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::NoFocus);  // Space and the arrows belong to the board
        grow_->Place(button, place);
        return button;
    };
    int y = kPanelBottom - kPanelPadding - kStartHeight;
    startButton_ = makeButton(QStringLiteral("Command3"), tr("Start!!"),
                              QRect(inner, y, kInnerWidth, kStartHeight));
    y -= kButtonGap + kButtonHeight;
    terrainButton_ = makeButton(QStringLiteral("Command4"), tr("ランダム地形"),
                                QRect(inner, y, kInnerWidth, kButtonHeight));
    y -= kButtonGap + kButtonHeight;
    const int half = (kInnerWidth - kButtonGap) / 2;
    rotateButtons_[0] = makeButton(QStringLiteral("Command2_0"), tr("左回転"),
                                   QRect(inner, y, half, kButtonHeight));
    rotateButtons_[1] = makeButton(
        QStringLiteral("Command2_1"), tr("右回転"),
        QRect(inner + half + kButtonGap, y, kInnerWidth - half - kButtonGap, kButtonHeight));
    startButton_->setFont(look::Font(kStartFontSize, true));

    connect(rotateButtons_[0], &QPushButton::clicked, this,
            [this] { Forward([this] { match_.Rotate(RotateDirection::CounterClockwise); }); });
    connect(rotateButtons_[1], &QPushButton::clicked, this,
            [this] { Forward([this] { match_.Rotate(RotateDirection::Clockwise); }); });
    connect(terrainButton_, &QPushButton::clicked, this,
            [this] { Forward([this] { match_.MakeTerrain(); }); });
    connect(startButton_, &QPushButton::clicked, this,
            [this] { Forward([this] { match_.Start(); }); });
}

void ExGameWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(look::Font(look::kTextSize));

    systemMenu_ = bar->addMenu(tr("【システム】"));
    systemMenu_->setObjectName(QStringLiteral("システム"));
    connect(systemMenu_, &QMenu::aboutToShow, this, &ExGameWindow::SystemMenuOpening);
    QAction* newGame = systemMenu_->addAction(tr("【New Game!】"));
    newGame->setObjectName(QStringLiteral("NewGame"));
    connect(newGame, &QAction::triggered, this,
            [this] { Forward([this] { match_.ChooseNewGame(); }); });

    modeMenu_ = bar->addMenu(tr("【モード】"));
    modeMenu_->setObjectName(QStringLiteral("モード"));
    // The group only enables and disables the items together; the mark is set by hand, since
    // a cancelled change must keep it where it was.
    modeActions_ = new QActionGroup(this);
    modeActions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const std::array<QString, 2> modeTexts = {tr("対人戦"), tr("対電脳戦")};
    for (std::size_t k = 0; k < modeItems_.size(); ++k) {
        QAction* item = modeMenu_->addAction(modeTexts[k]);
        item->setObjectName(QStringLiteral("戦_%1").arg(k));
        item->setCheckable(true);
        modeActions_->addAction(item);
        const auto mode = static_cast<ExMode>(k);
        connect(item, &QAction::triggered, this,
                [this, mode] { Forward([this, mode] { match_.ChooseMode(mode); }); });
        modeItems_[k] = item;
    }

    QAction* options = bar->addAction(tr("【オプション】"));
    options->setObjectName(QStringLiteral("オプション"));
    connect(options, &QAction::triggered, this, &ExGameWindow::OptionsChosen);
    QAction* help = bar->addAction(tr("【ヘルプ】"));
    help->setObjectName(QStringLiteral("ヘルプ"));
    connect(help, &QAction::triggered, this, &ExGameWindow::HelpChosen);
}

void ExGameWindow::OfferLooks(const std::function<void(Look look)>& choose) {
    QMenu* view = menuBar()->addMenu(tr("【表示】"));
    view->setObjectName(QStringLiteral("表示"));
    QMenu* looks = AddLookMenu(view, &look::CurrentLook, choose);
    // The menu bar's rock sheet covers its menus, this one too.
    looks->setStyleSheet(QString());
}

void ExGameWindow::keyPressEvent(QKeyEvent* event) {
    // F10 opens the first menu, as in desktop programs; the arrows and Enter work on from there.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(systemMenu_->menuAction());
        return;
    }
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    const ExKey key = KeyOf(event->key());
    // Between games Enter presses Start!!, so that a game against the computer can be played
    // with the keys alone.
    if (key == ExKey::Enter && !match_.inProgress()) {
        startButton_->click();
        return;
    }
    if (!match_.PressKey(key)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    Render();
}

void ExGameWindow::RenderCellPictures() {
    pictures_ = LoadExCellPictures(devicePixelRatioF() * grow_->Factor());
    Render();
}

void ExGameWindow::closeEvent(QCloseEvent* event) {
    if (Refused(ExCommand::Close)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void ExGameWindow::SystemMenuOpening() {
    const auto refusal = match_.Refusal(ExCommand::SystemMenu);
    if (!refusal) {
        return;
    }
    // The menu is about to open; it is closed again and the refusal shown once it has.
    QMetaObject::invokeMethod(
        this,
        [this, notice = *refusal] {
            systemMenu_->hide();
            Tell(notice);
        },
        Qt::QueuedConnection);
}

void ExGameWindow::OptionsChosen() {
    if (Refused(ExCommand::Options)) {
        return;
    }
    ExTerrainSettingsWindow settings(match_.stoneDraws, match_.boxDraws, this);
    settings.exec();
}

void ExGameWindow::HelpChosen() {
    if (Refused(ExCommand::Help)) {
        return;
    }
    Tell(ExMessage::HelpNotice);
    RunExHelpWindow(this);
}

bool ExGameWindow::Refused(ExCommand command) {
    const auto refusal = match_.Refusal(command);
    if (refusal) {
        Tell(*refusal);
    }
    return refusal.has_value();
}

void ExGameWindow::Tell(ExMessage notice) {
    qCDebug(extraLog) << "notice" << static_cast<int>(notice) << "after game"
                      << match_.info().gameNumber;
    Render();
    if (const std::optional<Sound> sound = EndSound(notice); sound && sounds_) {
        sounds_->Play(*sound);
    }
    if (notice == ExMessage::Drawn) {
        // The one notice of this window that is the system's own message box.
        QMessageBox box(QMessageBox::NoIcon, tr("Drow"), ExMessageText(notice, match_.mode()),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("DrowBox"));
        box.exec();
        return;
    }
    ShowMessage(this, ExMessageText(notice, match_.mode()), {}, {}, ConfirmCaption());
}

bool ExGameWindow::Ask(ExMessage question) {
    Render();
    const bool yes = ShowMessage(this, ExMessageText(question, match_.mode()), YesCaption(),
                                 tr("Ｃａｎｃｅｌ"), {}) == MessageAnswer::First;
    qCDebug(extraLog) << "question" << static_cast<int>(question) << "answered" << yes;
    return yes;
}

void ExGameWindow::ShowThinking() {
    Render();
    repaint();
    emit thinkingShown();
}

void ExGameWindow::SoundPlacements(const ExBoard& shown) {
    std::array<int, 2> counts{};
    for (int cell = 0; cell < kExCellCount; ++cell) {
        if (shown[cell] == ExMouseUnit) {
            ++counts[0];
        } else if (shown[cell] == ExOtherUnit) {
            ++counts[1];
        }
    }
    // Turning the board moves units without adding any; a new game takes them all away.
    if (sounds_ && counts[0] > unitCounts_[0]) {
        sounds_->Play(Sound::CirclePlaced);
    }
    if (sounds_ && counts[1] > unitCounts_[1]) {
        sounds_->Play(Sound::CrossPlaced);
    }
    unitCounts_ = counts;
}

void ExGameWindow::Render() {
    const ExBoard& shown = match_.shownBoard();
    SoundPlacements(shown);
    for (int cell = 0; cell < kExCellCount; ++cell) {
        cells_[cell]->SetCode(shown[cell]);
        cells_[cell]->setVisible(match_.cellsShown());
        cells_[cell]->setEnabled(match_.cellsEnabled());
    }
    for (QFrame* line : mouseFrame_) {
        line->setVisible(match_.mouseFrameShown());
    }
    grow_->Place(keyCursor_,
                 CellRect(match_.keyCursor())
                     .adjusted(-kCursorMargin, -kCursorMargin, kCursorMargin, kCursorMargin));
    keyCursor_->setVisible(match_.keyCursorShown());
    keyCursor_->raise();
    info_->setText(ExInfoText(match_.info(), match_.mode()));
    thinkingLabel_->setText(ExThinkingText(match_.percentLeft()));
    thinkingLabel_->setVisible(match_.thinking());
    RenderControls();
}

void ExGameWindow::RenderControls() {
    // Between games the buttons and the mode menu; during a game none of them.
    const bool betweenGames = !match_.inProgress();
    for (QPushButton* button : rotateButtons_) {
        button->setVisible(betweenGames);
        button->setEnabled(betweenGames && match_.rotationEnabled());
    }
    startButton_->setVisible(betweenGames);
    startButton_->setEnabled(betweenGames);
    terrainButton_->setVisible(betweenGames);
    terrainButton_->setEnabled(betweenGames && match_.mode() == ExMode::AgainstPerson);
    modeMenu_->menuAction()->setEnabled(betweenGames);
    modeActions_->setEnabled(betweenGames);
    // A triggered item toggles its own mark; the marks follow the mode instead.
    for (std::size_t k = 0; k < modeItems_.size(); ++k) {
        modeItems_[k]->setChecked(static_cast<ExMode>(k) == match_.mode());
    }
}

}  // namespace morvane

#include "moc_ex_game_window.cpp"
