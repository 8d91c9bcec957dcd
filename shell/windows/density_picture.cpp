#include "shell/windows/density_picture.h"

#include <QEvent>
#include <QLabel>

namespace morvane {
namespace {

// Lives on the label it draws for; Qt tells every widget of a window whose screen or density
// changed with a screen change event.
class PictureKeeper : public QObject {
public:
    PictureKeeper(QLabel* label, PictureRenderer render)
        : QObject(label), label_(label), render_(std::move(render)) {
        label->installEventFilter(this);
        Draw();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::ScreenChangeInternal) {
            Draw();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Draw() { label_->setPixmap(render_(label_->devicePixelRatioF())); }

    QLabel* label_;
    PictureRenderer render_;
};

}  // namespace

void ShowPicture(QLabel* label, PictureRenderer render) {
    new PictureKeeper(label, std::move(render));
}

}  // namespace morvane
