#pragma once

#include <QDialog>
#include <array>
#include <chrono>
#include <memory>

#include "match/model/review_worker.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace morvane {

class ReviewBoard;

// Opens the review of a game beside parent: not modal, and gone (its analysis stopped) once
// closed.
void ShowReview(QWidget* parent, const SavedGame& game);

// `FormReview`: a finished or saved game move by move, with what the solver proves of each
// move (or, where it proves nothing in time, the grade the search's estimate gives it), the move
// that decided the game, and the value of every cell the side to move could take in the
// position shown. The solving runs on the review's own thread; the window asks
// for what it has found on a timer that runs until nothing is left to find.
class ReviewWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReviewWindow(const SavedGame& game, QWidget* parent = nullptr,
                          std::chrono::milliseconds budget = kReviewBudget);
    ~ReviewWindow() override;

    // The plies played in the position shown, 0..the game's moves.
    int ShownPlies() const { return plies_; }
    void ShowPlies(int plies);

    // Every way of closing the window ends here: the analysis stops.
    void done(int result) override;

private:
    QLayout* BuildNavigation();
    QWidget* BuildColumns();
    void Refresh();
    void RefreshMoves(const ReviewSnapshot& snapshot);
    void RefreshColumns(const ReviewSnapshot& snapshot);

    std::unique_ptr<ReviewWorker> worker_;
    int plies_ = 0;
    ReviewBoard* board_ = nullptr;
    QListWidget* moves_ = nullptr;
    std::array<QLabel*, kColumns> columns_{};
    QLabel* position_ = nullptr;
    QLabel* deciding_ = nullptr;
    QLabel* progress_ = nullptr;
    std::array<QPushButton*, 4> steps_{};  // first, back, forward, last
    QTimer* poll_ = nullptr;
};

}  // namespace morvane
