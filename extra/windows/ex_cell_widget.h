#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "extra/engine/ex_board.h"
#include "shell/windows/click_detector.h"

namespace morvane {

// The eight cell pictures, indexed by cell code (entry 0, the empty cell, is a null pixmap:
// the window's background shows through).
using ExCellPictures = std::array<QPixmap, kExHighestCode + 1>;

ExCellPictures LoadExCellPictures(qreal devicePixelRatio);

// One cell picture of the board ("Un_i"). It draws the same whether enabled or not (a disabled
// cell only stops taking clicks), and reports a left click on itself. A screen reader reads its
// column, row and content.
class ExCellWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 30;

    // index: the cell's place on the board, 0..99 row by row from the top.
    ExCellWidget(const ExCellPictures& pictures, int index, QWidget* parent);

    void SetCode(std::int16_t code);
    std::int16_t code() const { return code_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void NameForScreenReader();

    const ExCellPictures& pictures_;
    int index_;
    std::int16_t code_ = ExEmpty;
    ClickDetector click_;
};

}  // namespace morvane
