#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace morvane {

// Lets a window grow while its page keeps its proportions. The page is laid out at its designed
// size with every control at a designed place; it fills its stage (the widget it stands on, the
// window's room) as far as it can without changing its proportions, centred on the stage, whose
// background shows around it. The controls' places and fonts grow with it. At the designed size
// nothing moves: the stage's least size is the page's.
class GrowingPage : public QObject {
    Q_OBJECT

public:
    // page is a child of stage, shown at the designed size until the stage grows.
    GrowingPage(QWidget* stage, QWidget* page, QSize designed);

    // Puts a control of the page at its designed place, scaled as the page stands now, and keeps
    // it there as the page grows; its font grows with it.
    void Place(QWidget* control, const QRect& designed);

    // A designed rectangle as it stands on the page now.
    QRect Scaled(const QRect& designed) const;
    qreal Factor() const { return factor_; }

signals:
    // The page has grown or shrunk and its controls have moved: pictures drawn for the old size
    // are to be drawn afresh.
    void rescaled(qreal factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect designed;
        int fontSize = 0;  // the designed font's pixel size, taken once the page first grows
    };

    void Fit();
    void Apply(Placed& placed) const;

    QWidget* stage_;
    QWidget* page_;
    QSize designed_;
    qreal factor_ = 1.0;
    QHash<const QWidget*, Placed> placed_;
};

}  // namespace morvane
