#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include "match/model/cell_mark.h"

namespace morvane {

class MarkerFrame;

// A unit picture drawn faintly over a cell; clicks and pointer moves pass through it.
class GhostUnit : public QWidget {
    Q_OBJECT

public:
    explicit GhostUnit(QWidget* parent);
    void SetUnit(const QPixmap& unit);
    const QPixmap& Unit() const { return unit_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap unit_;
};

// The marks that tell a person where a unit can go: over a cursor cell that takes a unit, a
// ghost of the mover's unit; over one that does not, the cursor frame in a muted colour. They
// can be turned off, leaving the cursor frame as it always was.
class CellMarks {
public:
    CellMarks(MarkerFrame* cursor, QWidget* board);

    void SetOn(bool on) { on_ = on; }
    bool On() const { return on_; }

    // Shows the cursor cell's mark over the given place, with the mover's unit for a ghost.
    void Follow(CellMark mark, const QRect& cell, const QPixmap& unit);

private:
    MarkerFrame* cursor_;
    GhostUnit* ghost_;
    bool on_ = true;
};

}  // namespace morvane
