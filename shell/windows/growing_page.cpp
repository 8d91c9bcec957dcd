#include "shell/windows/growing_page.h"

#include <QEvent>
#include <QWidget>

#include "shell/windows/live_scale.h"
#include "shell/windows/page_scale.h"

namespace morvane {

GrowingPage::GrowingPage(QWidget* stage, QWidget* page, QSize designed)
    : QObject(stage), stage_(stage), page_(page), designed_(designed) {
    // The stage's least size grows with the display scale, and the page with it; the page's
    // controls are placed here, never by the display scale.
    stage_->setMinimumSize(designed_);
    LaidOutByOwner(page_);
    page_->setGeometry(QRect(QPoint(), designed_));
    stage_->installEventFilter(this);
}

void GrowingPage::Place(QWidget* control, const QRect& designed) {
    Placed& placed = placed_[control];
    placed.control = control;
    placed.designed = designed;
    Apply(placed);
}

QRect GrowingPage::Scaled(const QRect& designed) const { return ScaledRect(designed, factor_); }

bool GrowingPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stage_ && event->type() == QEvent::Resize) {
        Fit();
    }
    return false;
}

void GrowingPage::Fit() {
    const qreal factor = GrowthFactor(designed_, stage_->size());
    page_->setGeometry(LetterboxedPage(designed_, factor, stage_->rect()));
    if (qFuzzyCompare(factor, factor_)) {
        return;
    }
    factor_ = factor;
    for (Placed& placed : placed_) {
        Apply(placed);
    }
    emit rescaled(factor_);
}

void GrowingPage::Apply(Placed& placed) const {
    if (placed.control.isNull()) {
        return;
    }
    QWidget* control = placed.control;
    control->setGeometry(Scaled(placed.designed));
    if (placed.fontSize == 0 && factor_ != 1.0) {
        placed.fontSize = control->font().pixelSize();
    }
    if (placed.fontSize > 0) {
        QFont font = control->font();
        font.setPixelSize(ScaledLength(placed.fontSize, factor_));
        control->setFont(font);
    }
}

}  // namespace morvane

#include "moc_growing_page.cpp"
