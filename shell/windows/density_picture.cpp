#include "shell/windows/density_picture.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

// Lives on the widget it watches. The widget's window has its window system handle, and so its
// screen, only once it shows: the watch follows it from then on.
class DensityWatch : public QObject {
public:
    DensityWatch(QWidget* widget, std::function<void()> redraw)
        : QObject(widget),
          widget_(widget),
          redraw_(std::move(redraw)),
          drawnRatio_(widget->devicePixelRatioF()) {
        widget->installEventFilter(this);
        connect(&DisplayScaleChanges(), &DisplayScaleNotice::changed, this, [this] { redraw_(); });
        // Pictures are recoloured for the look.
        connect(&look::LookChanges(), &look::LookNotice::changed, this, [this] { redraw_(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Show) {
            Follow(widget_->window()->windowHandle());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Follow(QWindow* window) {
        if (window == nullptr || window == window_) {
            return;
        }
        if (window_) {
            disconnect(window_, nullptr, this, nullptr);
        }
        window_ = window;
        connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
            FollowScreen(screen);
            redraw_();
        });
        FollowScreen(window->screen());
        // The window may have changed screen or density while the widget was hidden.
        if (drawnRatio_ != widget_->devicePixelRatioF()) {
            redraw_();
        }
        drawnRatio_ = widget_->devicePixelRatioF();
    }

    void FollowScreen(QScreen* screen) {
        if (screen_) {
            disconnect(screen_, nullptr, this, nullptr);
        }
        screen_ = screen;
        if (screen != nullptr) {
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { redraw_(); });
        }
    }

    QWidget* widget_;
    std::function<void()> redraw_;
    QPointer<QWindow> window_;
    QPointer<QScreen> screen_;
    qreal drawnRatio_;
};

}  // namespace

QPixmap ScaledPicture(const QWidget* widget, const PictureRenderer& render) {
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap picture = render(ratio * AppliedDisplayScale() / 100.0);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void OnPictureDensityChange(QWidget* widget, std::function<void()> redraw) {
    new DensityWatch(widget, std::move(redraw));
}

void ShowPicture(QLabel* label, PictureRenderer render) {
    const auto draw = [label, render = std::move(render)] {
        label->setPixmap(ScaledPicture(label, render));
    };
    draw();
    OnPictureDensityChange(label, draw);
}

}  // namespace morvane
