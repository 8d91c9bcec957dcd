#include "match/windows/connection_notice.h"

#include <QEvent>

#include "shell/windows/accessible_names.h"
#include "shell/windows/look.h"

namespace morvane {

namespace {

// How long "reconnected" stays.
constexpr int kResumedShownMs = 4'000;
constexpr int kNoticePadding = 6;

}  // namespace

ConnectionNotice::ConnectionNotice(QWidget* screen) : QLabel(screen) {
    setObjectName(QStringLiteral("ConnectionNotice"));
    setAlignment(Qt::AlignCenter);
    setMargin(kNoticePadding);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, look::kNightDeep);
    colours.setColor(QPalette::WindowText, look::kGold);
    setPalette(colours);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    clearTimer_.setSingleShot(true);
    connect(&clearTimer_, &QTimer::timeout, this, &ConnectionNotice::Clear);
    screen->installEventFilter(this);
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
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
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
    const QWidget* screen = parentWidget();
    const int height = sizeHint().height();
    setGeometry(0, screen->height() - height, screen->width(), height);
}

}  // namespace morvane

#include "moc_connection_notice.cpp"
