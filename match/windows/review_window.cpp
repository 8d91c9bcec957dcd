#include "match/windows/review_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "match/model/game_result.h"
#include "match/model/player_entry.h"
#include "match/windows/match_pictures.h"
#include "shell/settings/language.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"

namespace morvane {

// The board of the position shown, drawn with the game's cell pictures, the cell played last
// framed.
class ReviewBoard : public QWidget {
public:
    static constexpr int kPitch = 31;  // a 30-pixel cell and its grid line

    explicit ReviewBoard(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("ReviewBoard"));
        setFixedSize(kWidth, kHeight);
        RenderPictures();
        OnPictureDensityChange(this, [this] {
            RenderPictures();
            update();
        });
    }

    void Show(const Board& board, int lastCell) {
        board_ = board;
        lastCell_ = lastCell;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), look::Current().nightDeep);
        // Drawn at the scale 100.
        const qreal factor = AppliedDisplayScale() / 100.0;
        painter.scale(factor, factor);
        painter.setPen(QPen(look::Current().boardGrid, look::Current().cellLineWidth));
        for (int x = 0; x <= kColumns; ++x) {
            painter.drawLine(x * kPitch, 0, x * kPitch, kHeight);
        }
        for (int y = 0; y <= kRows; ++y) {
            painter.drawLine(0, y * kPitch, kWidth, y * kPitch);
        }
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int code = board_[cell];
            if (code != Empty) {
                painter.drawPixmap(CellRect(cell), pictures_[static_cast<std::size_t>(code)]);
            }
        }
        if (lastCell_ != kNoCell) {
            painter.setPen(QPen(look::Current().gold, 2));
            painter.drawRect(CellRect(lastCell_).adjusted(1, 1, -1, -1));
        }
    }

private:
    static constexpr int kWidth = kColumns * kPitch + 1;
    static constexpr int kHeight = kRows * kPitch + 1;

    // The cell pictures, rendered at the display scale for the screen.
    void RenderPictures() {
        for (int code = Hollow; code <= Block; ++code) {
            pictures_[static_cast<std::size_t>(code)] =
                CellPixmap(code, AppliedDisplayScale() / 100.0);
        }
    }

    static QRect CellRect(int cell) {
        return QRect((CellX(cell) - 1) * kPitch + 1, (CellY(cell) - 1) * kPitch + 1, kPitch - 1,
                     kPitch - 1);
    }

    std::array<QPixmap, Block + 1> pictures_;
    Board board_;
    int lastCell_ = kNoCell;
};

namespace {

// How often the window asks the review what it has found while the solver works.
constexpr int kPollMilliseconds = 100;
// The least width of the column beside the board, with the moves and the cells: small enough
// that the window fits a 1024 × 768 screen at the display scale 150.
constexpr int kMovesPaneWidth = 350;
// The height of the line under the board.
constexpr int kStatusHeight = 22;
// The moves show at least four rows; the list grows with the window.
constexpr int kLeastMovesHeight = 90;
// What stands for a value the solver has not been asked about yet.
QString PendingMark() { return QStringLiteral("…"); }

QString GradeText(Grade grade) {
    switch (grade) {
        case Grade::Best:
            return ReviewWindow::tr("最善手（推定）");
        case Grade::Good:
            return ReviewWindow::tr("好手（推定）");
        case Grade::Inaccuracy:
            return ReviewWindow::tr("疑問手（推定）");
        case Grade::Mistake:
            return ReviewWindow::tr("悪手（推定）");
        case Grade::Blunder:
            return ReviewWindow::tr("大悪手（推定）");
    }
    return {};
}

QString VerdictText(const ReviewedMove& move) {
    if (move.pending) {
        return PendingMark();
    }
    switch (move.verdict) {
        case Verdict::KeptWin:
            return ReviewWindow::tr("勝ちを保った");
        case Verdict::ThrewWinToDraw:
            return ReviewWindow::tr("勝ちを逃した（引き分けへ）");
        case Verdict::ThrewWinToLoss:
            return ReviewWindow::tr("勝ちを逃した（負けへ）");
        case Verdict::ThrewDraw:
            return ReviewWindow::tr("引き分けを逃した");
        case Verdict::Kept:
            return move.before.value == GameValue::Draw ? ReviewWindow::tr("引き分けを保った")
                                                        : ReviewWindow::tr("負けのまま");
        case Verdict::Unproven:
            break;
    }
    const std::optional<Grade> grade = GradeOf(move);
    return grade ? GradeText(*grade) : ReviewWindow::tr("未証明");
}

QString MoveText(int ply, const ReviewedMove& move, bool deciding) {
    QString text = ReviewWindow::tr("%1．%2 %3　%4")
                       .arg(InterfaceNumber(ply), SideMark(SideNumber(move.side)),
                            CellNotation(move.cell), VerdictText(move));
    // Whether it rests on the estimate, the line that names it says.
    if (deciding) {
        text += ReviewWindow::tr("　★決め手");
    }
    return text;
}

QString DecidingText(const std::optional<DecidingMove>& deciding) {
    if (!deciding) {
        return {};
    }
    const QString ply = InterfaceNumber(deciding->index + 1);
    return deciding->estimated ? ReviewWindow::tr("決定的な一手：第%1手（推定）").arg(ply)
                               : ReviewWindow::tr("決定的な一手：第%1手").arg(ply);
}

QString CellValueText(const CellReview& cell) {
    if (cell.pending) {
        return PendingMark();
    }
    const QString plies = InterfaceNumber(cell.value.plies);
    switch (cell.value.value) {
        case GameValue::Win:
            return cell.value.within ? ReviewWindow::tr("勝ち：%1手以内").arg(plies)
                                     : ReviewWindow::tr("勝ち：あと%1手").arg(plies);
        case GameValue::Loss:
            return cell.value.within ? ReviewWindow::tr("負け：%1手以内").arg(plies)
                                     : ReviewWindow::tr("負け：あと%1手").arg(plies);
        case GameValue::Draw:
            return ReviewWindow::tr("引き分け：あと%1手").arg(plies);
        case GameValue::Unknown:
            break;
    }
    if (cell.estimate) {
        const int score = *cell.estimate;
        const QString size = InterfaceNumber(std::abs(score));
        return score > 0   ? ReviewWindow::tr("推定＋%1").arg(size)
               : score < 0 ? ReviewWindow::tr("推定－%1").arg(size)
                           : ReviewWindow::tr("推定±%1").arg(size);
    }
    return QStringLiteral("?");
}

}  // namespace

void ShowReview(QWidget* parent, const SavedGame& game) {
    auto* window = new ReviewWindow(game, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

ReviewWindow::ReviewWindow(const SavedGame& game, QWidget* parent, std::chrono::milliseconds budget)
    : QDialog(parent),
      worker_(std::make_unique<ReviewWorker>(game, budget)),
      plies_(static_cast<int>(game.moves.size())),
      poll_(new QTimer(this)) {
    setObjectName(QStringLiteral("FormReview"));
    setWindowTitle(tr("Morvaneⅲ－Review"));
    setModal(false);

    board_ = new ReviewBoard(this);
    moves_ = new QListWidget(this);
    moves_->setObjectName(QStringLiteral("Moves"));
    moves_->setFocusPolicy(Qt::NoFocus);
    moves_->setAccessibleName(tr("手順"));
    moves_->setMinimumWidth(kMovesPaneWidth);
    moves_->setWordWrap(true);
    for (std::size_t move = 0; move < game.moves.size(); ++move) {
        moves_->addItem(QString());
    }
    connect(moves_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPlies(moves_->row(item) + 1); });
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("Progress"));
    // As high whatever font its digits come from: the board's column sets the window's height.
    progress_->setMinimumHeight(kStatusHeight);
    deciding_ = new QLabel(this);
    deciding_->setObjectName(QStringLiteral("DecidingMove"));

    // The board with the analysis's progress under it; beside it the moves, which take the
    // room the window has to spare, with the deciding move over them, and the cells of the
    // position shown. The board sets the window's height.
    auto* boardPane = new QVBoxLayout;
    boardPane->setSpacing(6);
    boardPane->addWidget(board_);
    boardPane->addWidget(progress_);
    boardPane->addStretch(1);

    auto* movesHeading = new QLabel(tr("手順"), this);
    auto* columnsHeading = new QLabel(tr("この局面で打てるマス"), this);
    for (QLabel* heading : {movesHeading, columnsHeading, deciding_}) {
        look::SetTextColour(heading, &look::Colours::gold);
        // The moves take the room to spare, not the lines around them.
        heading->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    auto* movesTitle = new QHBoxLayout;
    movesTitle->addWidget(movesHeading);
    movesTitle->addStretch(1);
    movesTitle->addWidget(deciding_);
    moves_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    moves_->setMinimumHeight(kLeastMovesHeight);
    auto* sidePane = new QVBoxLayout;
    sidePane->setSpacing(6);
    sidePane->addLayout(movesTitle);
    sidePane->addWidget(moves_, 1);
    sidePane->addWidget(columnsHeading);
    sidePane->addWidget(BuildColumns());

    auto* main = new QHBoxLayout;
    main->setSpacing(16);
    main->addLayout(boardPane);
    main->addLayout(sidePane, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(8);
    layout->addLayout(main, 1);
    layout->addLayout(BuildNavigation());

    look::StyleWindow(this);
    // The moves' colours are the list's items' own, set afresh in the new look.
    connect(&look::LookChanges(), &look::LookNotice::changed, this, &ReviewWindow::Refresh);
    PlaceOnShow(this);

    connect(poll_, &QTimer::timeout, this, &ReviewWindow::Refresh);
    poll_->setInterval(kPollMilliseconds);
    ShowPlies(plies_);
    // The size the display scales' fit reckons with, on every screen: shown unsized, a window
    // would be cut to two thirds of a small screen, down to its least size.
    resize(sizeHint());
}

ReviewWindow::~ReviewWindow() = default;

QLayout* ReviewWindow::BuildNavigation() {
    // First, back, forward and last, with the keys that do the same anywhere in the window.
    struct Step {
        const char* objectName;
        QString face;
        QString name;  // what a screen reader and the tip say
        QKeySequence key;
    };
    const std::array<Step, 4> kSteps{{
        {"First", tr("｜＜"), tr("最初の局面へ"), QKeySequence(Qt::Key_Home)},
        {"Back", tr("＜"), tr("一手戻る"), QKeySequence(Qt::Key_Left)},
        {"Forward", tr("＞"), tr("一手進む"), QKeySequence(Qt::Key_Right)},
        {"Last", tr("＞｜"), tr("最後の局面へ"), QKeySequence(Qt::Key_End)},
    }};
    auto* row = new QHBoxLayout;
    for (std::size_t step = 0; step < kSteps.size(); ++step) {
        auto* button = new QPushButton(kSteps[step].face, this);
        button->setObjectName(QLatin1String(kSteps[step].objectName));
        button->setAccessibleName(kSteps[step].name);
        button->setToolTip(kSteps[step].name);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        const auto go = [this, step] {
            const auto last = static_cast<int>(worker_->Game().moves.size());
            const std::array<int, 4> targets{0, plies_ - 1, plies_ + 1, last};
            ShowPlies(std::clamp(targets[step], 0, last));
        };
        connect(button, &QPushButton::clicked, this, go);
        auto* key = new QShortcut(kSteps[step].key, this);
        connect(key, &QShortcut::activated, this, go);
        steps_[step] = button;
        row->addWidget(button);
    }
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("Position"));
    row->addSpacing(8);
    row->addWidget(position_, 1);
    row->addWidget(MakeOkButton(this));
    return row;
}

QWidget* ReviewWindow::BuildColumns() {
    auto* panel = new QWidget(this);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* grid = new QVBoxLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int column = 1; column <= kColumns; ++column) {
        auto* label = new QLabel(panel);
        label->setObjectName(QStringLiteral("Column_%1").arg(column));
        // A column with several placeable cells (◇) is cut at the window's edge rather than
        // widen the window; its tip shows it whole.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        grid->addWidget(label);
        columns_[static_cast<std::size_t>(column - 1)] = label;
    }
    return panel;
}

void ReviewWindow::ShowPlies(int plies) {
    plies_ = plies;
    worker_->Focus(plies);
    const SavedGame& game = worker_->Game();
    board_->Show(BoardAfter(game, plies),
                 plies > 0 ? game.moves[static_cast<std::size_t>(plies - 1)] : kNoCell);
    const int last = static_cast<int>(game.moves.size());
    position_->setText(
        plies == 0 ? tr("開始局面（全%1手）").arg(InterfaceNumber(last))
                   : tr("%1手目（全%2手）").arg(InterfaceNumber(plies), InterfaceNumber(last)));
    steps_[0]->setEnabled(plies > 0);
    steps_[1]->setEnabled(plies > 0);
    steps_[2]->setEnabled(plies < last);
    steps_[3]->setEnabled(plies < last);
    Refresh();
    moves_->setCurrentRow(plies - 1);
    poll_->start();
}

void ReviewWindow::Refresh() {
    const ReviewSnapshot snapshot = worker_->Snapshot(plies_);
    RefreshMoves(snapshot);
    RefreshColumns(snapshot);
    deciding_->setText(DecidingText(snapshot.decidingMove));
    progress_->setText(snapshot.finished ? tr("解析完了")
                                         : tr("解析中：%1／%2局面")
                                               .arg(InterfaceNumber(snapshot.positionsDone),
                                                    InterfaceNumber(snapshot.positionCount)));
    if (snapshot.finished) {
        poll_->stop();
    }
}

void ReviewWindow::RefreshMoves(const ReviewSnapshot& snapshot) {
    for (int row = 0; row < static_cast<int>(snapshot.moves.size()); ++row) {
        const bool deciding = snapshot.decidingMove && snapshot.decidingMove->index == row;
        QListWidgetItem* item = moves_->item(row);
        item->setText(MoveText(row + 1, snapshot.moves[static_cast<std::size_t>(row)], deciding));
        item->setForeground(deciding ? look::Current().gold : look::Current().paleText);
    }
}

void ReviewWindow::RefreshColumns(const ReviewSnapshot& snapshot) {
    const SavedGame& game = worker_->Game();
    const auto moves = static_cast<int>(game.moves.size());
    if (plies_ == moves && game.end) {
        // The game is over there: its result stands in place of the cells.
        for (QLabel* label : columns_) {
            label->clear();
        }
        columns_[0]->setText(*game.end == GameEnd::Draw
                                 ? DrawResult().text
                                 : WinResult(*game.end == GameEnd::CircleWins ? 0 : 1).text);
        return;
    }
    const int played = plies_ < moves ? game.moves[static_cast<std::size_t>(plies_)] : kNoCell;
    for (int column = 1; column <= kColumns; ++column) {
        QStringList entries;
        for (const CellReview& cell : snapshot.cells) {
            if (CellX(cell.cell) == column) {
                entries << tr("%1　%2").arg(CellNotation(cell.cell), CellValueText(cell)) +
                               (cell.cell == played ? tr("　◀実戦") : QString());
            }
        }
        QLabel* label = columns_[static_cast<std::size_t>(column - 1)];
        label->setText(
            tr("%1列　%2")
                .arg(InterfaceNumber(column),
                     entries.isEmpty() ? tr("－") : entries.join(QStringLiteral(" / "))));
        label->setToolTip(entries.size() > 1 ? label->text() : QString());
    }
}

void ReviewWindow::done(int result) {
    poll_->stop();
    worker_->Stop();
    QDialog::done(result);
}

}  // namespace morvane

#include "moc_review_window.cpp"
