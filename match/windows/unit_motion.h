#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <chrono>
#include <vector>

class QVariantAnimation;

namespace morvane {

// The longest a placed unit takes to arrive, and the winning line's one pulse.
inline constexpr std::chrono::milliseconds kArrivalTime{150};
inline constexpr std::chrono::milliseconds kPulseTime{450};

// Short motions drawn over the board: a unit dropping into its cell or fading into a ◇, the
// winning line pulsing once. Nothing waits for them: the cell already holds its unit, and is
// only kept from view under the moving picture until the motion ends. Turned off, nothing moves
// and every cell shows at once.
class UnitMotion : public QWidget {
    Q_OBJECT

public:
    explicit UnitMotion(QWidget* board);

    void SetOn(bool on);
    bool On() const { return on_; }
    // Whether a motion is under way.
    bool Moving() const { return !motions_.empty(); }

    // The unit falls from the given place (the top of its column) into the cell.
    void Drop(QWidget* cell, const QPixmap& unit, const QRect& from);
    // The unit fades in where the ◇ was.
    void FadeIn(QWidget* cell, const QPixmap& hollow, const QPixmap& unit);
    // The cells light up once and go back as they were.
    void Pulse(const std::vector<QRect>& cells);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Kind { Drop, Fade, Pulse };
    struct Motion {
        Kind kind;
        QVariantAnimation* animation;
        QPointer<QWidget> cell;  // kept from view meanwhile; none for a pulse
        std::vector<QRect> places;
        QPixmap picture;
        QPixmap leaving;
    };

    void Start(Motion motion, std::chrono::milliseconds time);
    void Finish(QVariantAnimation* animation);

    bool on_ = true;
    std::vector<Motion> motions_;
};

}  // namespace morvane
