#include "match/windows/unit_motion.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>

#include "shell/windows/look.h"

namespace morvane {
namespace {

// The pulse's light at its brightest.
constexpr int kPulseAlpha = 170;

}  // namespace

UnitMotion::UnitMotion(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("UnitMotion"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(board->rect());
    hide();
}

void UnitMotion::SetOn(bool on) {
    on_ = on;
    while (!on_ && !motions_.empty()) {
        Finish(motions_.front().animation);
    }
}

void UnitMotion::Drop(QWidget* cell, const QPixmap& unit, const QRect& from) {
    Start({Kind::Drop, nullptr, cell, {from, cell->geometry()}, unit, QPixmap()}, kArrivalTime);
}

void UnitMotion::FadeIn(QWidget* cell, const QPixmap& hollow, const QPixmap& unit) {
    Start({Kind::Fade, nullptr, cell, {cell->geometry()}, unit, hollow}, kArrivalTime);
}

void UnitMotion::Pulse(const std::vector<QRect>& cells) {
    Start({Kind::Pulse, nullptr, nullptr, cells, QPixmap(), QPixmap()}, kPulseTime);
}

void UnitMotion::Start(Motion motion, std::chrono::milliseconds time) {
    if (!on_) {
        return;
    }
    if (motion.cell) {
        // The cell keeps its picture and its clicks; only the picture is kept from view.
        auto* hidden = new QGraphicsOpacityEffect(motion.cell);
        hidden->setOpacity(0);
        motion.cell->setGraphicsEffect(hidden);
    }
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(static_cast<int>(time.count()));
    animation->setEasingCurve(motion.kind == Kind::Drop ? QEasingCurve::InQuad
                                                        : QEasingCurve::Linear);
    connect(animation, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(animation, &QVariantAnimation::finished, this,
            [this, animation] { Finish(animation); });
    motion.animation = animation;
    QWidget* const cell = motion.cell;
    motions_.push_back(std::move(motion));
    raise();
    show();
    animation->start();
    emit started(cell);
}

void UnitMotion::Finish(QVariantAnimation* animation) {
    const auto found = std::find_if(motions_.begin(), motions_.end(), [animation](const Motion& m) {
        return m.animation == animation;
    });
    if (found == motions_.end()) {
        return;
    }
    if (found->cell) {
        found->cell->setGraphicsEffect(nullptr);
    }
    motions_.erase(found);
    animation->stop();
    animation->deleteLater();
    // Idle, the overlay leaves the board's painting alone.
    setVisible(!motions_.empty());
    update();
}

void UnitMotion::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Motion& motion : motions_) {
        const qreal progress = motion.animation->currentValue().toReal();
        switch (motion.kind) {
            case Kind::Drop: {
                const QRect& from = motion.places.front();
                const QRect& to = motion.places.back();
                const int top = from.top() + qRound((to.top() - from.top()) * progress);
                painter.drawPixmap(QRect(QPoint(to.left(), top), to.size()), motion.picture);
                break;
            }
            case Kind::Fade:
                painter.setOpacity(1.0 - progress);
                painter.drawPixmap(motion.places.front(), motion.leaving);
                painter.setOpacity(progress);
                painter.drawPixmap(motion.places.front(), motion.picture);
                painter.setOpacity(1.0);
                break;
            case Kind::Pulse: {
                // Up and back down once.
                const qreal light = 1.0 - std::abs(2.0 * progress - 1.0);
                painter.setPen(Qt::NoPen);
                // The strongest colour of the look: white on the dark ones, black on the light.
                QColor glow = look::Current().white;
                glow.setAlpha(qRound(kPulseAlpha * light));
                painter.setBrush(glow);
                for (const QRect& place : motion.places) {
                    painter.drawRoundedRect(place, 5, 5);
                }
                break;
            }
        }
    }
}

}  // namespace morvane

#include "moc_unit_motion.cpp"
