#include "match/windows/connection_notice.h"

#include <QEvent>

#include "match/model/info_panel.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/look.h"

namespace morvane {

namespace {

// How long "reconnected" stays.
constexpr int kResumedShownMs = 4'000;

}  // namespace

ConnectionNotice::ConnectionNotice(QWidget* screen)
    : QLabel(screen),
      // As the battle view names its rows.
      lastRow_(
          screen->findChild<QLabel*>(QStringLiteral("InfLb_%1").arg(InfoPanel::kRowCount - 1))) {
    setObjectName(QStringLiteral("ConnectionNotice"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    look::SetBackground(this, &look::Colours::black);
    look::SetTextColour(this, &look::Colours::gold);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    clearTimer_.setSingleShot(true);
    connect(&clearTimer_, &QTimer::timeout, this, &ConnectionNotice::Clear);
    (lastRow_ != nullptr ? static_cast<QWidget*>(lastRow_) : screen)->installEventFilter(this);
}

void ConnectionNotice::ShowDropped() {
    clearTimer_.stop();
    Tell(tr("接続が切れました。再接続しています…"));
}

void ConnectionNotice::ShowResumed() {
    Tell(tr("再接続しました。"));
    clearTimer_.start(kResumedShownMs);
}

void ConnectionNotice::Clear() {
    clearTimer_.stop();
    hide();
}

bool ConnectionNotice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
        Place();
    }
    return QLabel::eventFilter(watched, event);
}

void ConnectionNotice::Tell(const QString& text) {
    setText(text);
    Place();
    show();
    raise();
    Announce(window(), text);
}

void ConnectionNotice::Place() {
    QWidget* screen = parentWidget();
    if (lastRow_ == nullptr) {
        const int height = heightForWidth(screen->width());
        setGeometry(0, screen->height() - height, screen->width(), height);
        return;
    }
    setFont(lastRow_->font());
    const QRect row(lastRow_->mapTo(screen, QPoint()), lastRow_->size());
    const int height = heightForWidth(row.width());
    setGeometry(row.left(), row.bottom() + 1 - height, row.width(), height);
}

}  // namespace morvane

#include "moc_connection_notice.cpp"
