#include "shell/windows/window_place.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "shell/settings/settings_store.h"

namespace morvane {
namespace {

const QString kPageName = QStringLiteral("Page");
const QString kPlacerName = QStringLiteral("Placer");
// The gap between a window placed beside an area and that area.
constexpr int kBesideGap = 8;

QWidget* OwnerOf(const QWidget* window) {
    return window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
}

QScreen* ScreenFor(const QWidget* owner) {
    if (owner != nullptr) {
        return owner->screen();
    }
    QScreen* screen = QApplication::screenAt(QCursor::pos());
    return screen != nullptr ? screen : QApplication::primaryScreen();
}

// The window frame's margins as the window system last told them: the widget's own frame
// geometry keeps those it had at its last move, which for a window just shown may be from before
// the window manager framed it, while its native window asks again once the frame has changed.
QMargins MarginsOf(const QWidget* window) {
    const QWindow* native = window->windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

QRect FrameGeometry(const QWidget* window) {
    const QWindow* native = window->windowHandle();
    return native != nullptr ? native->frameGeometry() : window->frameGeometry();
}

// Moves the window so that the top left corner of its frame comes to the point. QWidget::move()
// means that corner only once the window manager has told Qt of the frame; a window being shown
// (for the first time or again) has none yet, and the move would put its content there, the
// frame above and left of it by the frame's size: a title bar higher each time a window opened
// where it was left. The native window is told that the place is its frame's, which the window
// manager honours when it frames it.
void MoveFrameTo(QWidget* window, QPoint topLeft) {
    QWindow* native = window->windowHandle();
    if (native == nullptr) {
        // Qt places a window that has no native window yet by its frame when it makes one.
        window->move(topLeft);
        return;
    }
    if (!window->testAttribute(Qt::WA_Mapped)) {
        // Showing hands the widget's geometry to the native window, as the content's, when the
        // two differ: the widget goes to the same point, and its size (which its layout set
        // while it was hidden, and which reaches the native window only when shown) goes first.
        window->move(topLeft);
        if (native->size() != window->size()) {
            native->resize(window->size());
        }
    }
    const QMargins frame = native->frameMargins();
    if (window->testAttribute(Qt::WA_Mapped) && !frame.isNull()) {
        // A framed window on the screen: its content goes inside the frame the window manager
        // told, and the widget knows its new place at once.
        window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
        return;
    }
    // A window on the screen but not yet framed is moved by this request alone: moving the
    // widget too would send another, for its content's place, which could win.
    native->setFramePosition(topLeft);
}

// The window frame's margins: the window's own once it has been shown; before the window system
// has framed it, the best guess is its owner's, or another shown window's.
QMargins FrameMargins(const QWidget* window, const QWidget* owner) {
    if (const QMargins own = MarginsOf(window); !own.isNull()) {
        return own;
    }
    if (owner != nullptr) {
        return MarginsOf(owner);
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->windowType() != Qt::Popup) {
            return MarginsOf(other);
        }
    }
    return {};
}

// A window whose page scrolls becomes small enough for the room, with room for the scroll bar
// that then shows beside the page.
void FitScrollingPage(QWidget* window, QSize room) {
    auto* page = window->findChild<QScrollArea*>(kPageName, Qt::FindDirectChildrenOnly);
    if (page == nullptr || page->widget() == nullptr) {
        return;
    }
    const QSize full = page->widget()->size();
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page);
    QSize size = full.boundedTo(room);
    if (size.height() < full.height()) {
        size.setWidth(std::min(full.width() + bar, room.width()));
    }
    if (size.width() < full.width()) {
        size.setHeight(std::min(size.height() + bar, room.height()));
    }
    window->setMaximumSize(size.expandedTo(full));
    window->resize(size);
}

// The rectangle moved as little as it takes to lie within the area; one larger than the area
// keeps its top left corner (and so its title bar) on it.
QRect MovedInto(QRect rect, const QRect& area) {
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

// Beside the area: right, left, below, above, the first that fits; else the right one, moved
// onto the screen.
QRect BesideArea(QSize size, const QRect& area, const QRect& available) {
    const int middleY = area.center().y() - size.height() / 2;
    const int middleX = area.center().x() - size.width() / 2;
    const std::array<QRect, 4> places = {
        QRect(QPoint(area.right() + 1 + kBesideGap, middleY), size),
        QRect(QPoint(area.left() - kBesideGap - size.width(), middleY), size),
        QRect(QPoint(middleX, area.bottom() + 1 + kBesideGap), size),
        QRect(QPoint(middleX, area.top() - kBesideGap - size.height()), size),
    };
    for (const QRect& place : places) {
        if (available.contains(place)) {
            return place;
        }
    }
    return MovedInto(places[0], available);
}

// The screen that holds at least half of the rectangle, the one with the most of it; none when
// no screen does.
QScreen* ScreenHolding(const QRect& rect) {
    const auto areaOf = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    QScreen* holder = nullptr;
    qint64 most = 0;
    for (QScreen* screen : QApplication::screens()) {
        const qint64 held = areaOf(rect.intersected(screen->availableGeometry()));
        if (2 * held >= areaOf(rect) && held > most) {
            holder = screen;
            most = held;
        }
    }
    return holder;
}

// Places the window: at the recalled top left corner of its frame when a screen still holds the
// window there, else beside the area keepInView gives, else centred over its owner or the screen.
void Place(QWidget* window, const std::function<QRect()>& keepInView,
           std::optional<QPoint> recalled) {
    const QWidget* owner = OwnerOf(window);
    const QMargins frame = FrameMargins(window, owner);
    QScreen* recalledScreen =
        recalled ? ScreenHolding(QRect(*recalled, window->size().grownBy(frame))) : nullptr;
    const QRect available =
        (recalledScreen != nullptr ? recalledScreen : ScreenFor(owner))->availableGeometry();
    FitScrollingPage(window, available.marginsRemoved(frame).size());

    const QSize frameSize = window->size().grownBy(frame);
    QRect place(QPoint(), frameSize);
    if (recalledScreen != nullptr) {
        place.moveTopLeft(*recalled);
    } else if (keepInView) {
        place = BesideArea(frameSize, keepInView(), available);
    } else {
        place.moveCenter(owner != nullptr ? FrameGeometry(owner).center() : available.center());
    }
    MoveFrameTo(window, MovedInto(place, available).topLeft());
}

}  // namespace

void KeepOnScreen(QWidget* window) {
    const QMargins frame = FrameMargins(window, OwnerOf(window));
    const QRect available = window->screen()->availableGeometry();
    FitScrollingPage(window, available.marginsRemoved(frame).size());
    MoveFrameTo(window, MovedInto(FrameGeometry(window), available).topLeft());
}

namespace {

class Placer : public QObject {
public:
    // Takes the place of the placer the window had.
    Placer(QWidget* window, std::function<QRect()> keepInView)
        : QObject(window), keepInView_(std::move(keepInView)) {
        delete window->findChild<QObject*>(kPlacerName, Qt::FindDirectChildrenOnly);
        setObjectName(kPlacerName);
        window->installEventFilter(this);
    }

    // The placer of a main window, the only kind that a place memory keeps; null for any other
    // window.
    static Placer* OfMainWindow(QWidget* window) {
        if (!window->isWindow()) {
            return nullptr;
        }
        auto* placer = dynamic_cast<Placer*>(
            window->findChild<QObject*>(kPlacerName, Qt::FindDirectChildrenOnly));
        const bool main = placer != nullptr && !placer->keepInView_ && !window->isModal() &&
                          OwnerOf(window) == nullptr && !window->objectName().isEmpty();
        return main ? placer : nullptr;
    }

    // Where the window was last closed, for the showing that comes next.
    void Recall(std::optional<QPoint> topLeft) { recalled_ = topLeft; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window the user brings back (from an icon) stays where it was.
        if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous()) {
            Place(static_cast<QWidget*>(watched), keepInView_, std::exchange(recalled_, {}));
        }
        return false;
    }

private:
    std::function<QRect()> keepInView_;
    std::optional<QPoint> recalled_;
};

// How far, in sizes of the largest screen, a stored place may lie beyond the screens.
constexpr int kPlaceReachInScreens = 3;

// Whether a place lies within a few screens of the screens. No window is closed further out, and
// rectangles placed there could overflow.
bool WithinReach(QPoint topLeft) {
    QRect screens;
    int largest = 0;
    for (const QScreen* screen : QApplication::screens()) {
        const QRect geometry = screen->geometry();
        screens = screens.united(geometry);
        largest = std::max({largest, geometry.width(), geometry.height()});
    }
    const int reach = kPlaceReachInScreens * largest;
    return screens.adjusted(-reach, -reach, reach, reach).contains(topLeft);
}

// A place as the store keeps it, "x,y", and back; a text that is not one, or a place out of
// reach, reads as nothing.
QString PlaceText(QPoint topLeft) {
    return QStringLiteral("%1,%2").arg(topLeft.x()).arg(topLeft.y());
}

std::optional<QPoint> PlaceOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    const int x = parts.size() == 2 ? parts[0].toInt(&xOk) : 0;
    const int y = parts.size() == 2 ? parts[1].toInt(&yOk) : 0;
    if (!xOk || !yOk || !WithinReach(QPoint(x, y))) {
        return std::nullopt;
    }
    return QPoint(x, y);
}

}  // namespace

PlaceMemory::PlaceMemory(SettingsStore& store) : store_(store) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool PlaceMemory::eventFilter(QObject* watched, QEvent* event) {
    const bool showing = event->type() == QEvent::Show;
    if ((!showing && event->type() != QEvent::Hide) || event->spontaneous() ||
        !watched->isWidgetType()) {
        return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    Placer* placer = Placer::OfMainWindow(window);
    if (placer == nullptr) {
        return false;
    }
    // The application's filters see an event before the window's own, so the place is handed
    // to the placer before it places the window.
    const TextSetting setting = settings::WindowPlace(window->objectName());
    if (showing) {
        placer->Recall(PlaceOf(store_.Read(setting)));
        return false;
    }
    // A window hidden while it filled the screen keeps the place it had before: it reopens at
    // its own size, where the player last put it.
    if (window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)) {
        return false;
    }
    // The frame's corner, read from the native window: pos() counts a frame that came after the
    // widget's last move as none.
    if (const QString place = PlaceText(FrameGeometry(window).topLeft());
        store_.Read(setting) != place) {
        // A place is no choice of the player's: one that cannot be stored is not worth a
        // message, and the window simply opens where it would have.
        store_.Write(setting, place);
    }
    return false;
}

void PlaceOnShow(QWidget* window) { new Placer(window, {}); }

void PlaceBesideOnShow(QWidget* window, std::function<QRect()> keepInView) {
    new Placer(window, std::move(keepInView));
}

void SetScrollingPage(QWidget* window, QWidget* content) {
    auto* page = new QScrollArea(window);
    page->setObjectName(kPageName);
    page->setFrameShape(QFrame::NoFrame);
    // The page itself is no stop for Tab nor a place for a click to leave the focus; it still
    // scrolls to show the control that Tab reaches.
    page->setFocusPolicy(Qt::NoFocus);
    page->setAlignment(Qt::AlignCenter);
    content->adjustSize();
    page->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    window->setMaximumSize(content->size());
    window->resize(content->size());
}

}  // namespace morvane

#include "moc_window_place.cpp"
