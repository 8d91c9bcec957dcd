#include "shell/windows/live_scale.h"

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QToolBar>
#include <QToolTip>
#include <QVariant>
#include <QWidget>
#include <QtMath>
#include <unordered_map>
#include <utility>

#include "shell/settings/display_scale.h"

// Qt fixes its own scale factor when the program starts and has no public way to change it while
// windows are open. So the game scales its windows itself: every window is built with lengths at
// the scale 100, and each length that reaches Qt (fonts, fixed and least sizes, the places of
// controls placed by hand, layouts' margins and spacing, style sheets) is kept here as it was
// built, and given to Qt multiplied by the display scale. The widget style's own lengths are
// scaled by the game's style (look.cpp). What a widget was built with is taken when it is first
// laid out at a scale other than 100; a value the program changes later is taken afresh.

namespace morvane {
namespace {

constexpr char kPlaceProperty[] = "morvanePlaceAt100";
constexpr char kOwnerProperty[] = "morvaneLaidOutByOwner";

int currentPercent = kDisplayScales.front();

qreal CurrentFactor() { return currentPercent / 100.0; }

int ScaleLength(int length, qreal factor) { return qRound(length * factor); }

// A least or most size: QWIDGETSIZE_MAX stands for no limit and stays.
int ScaleLimit(int length, qreal factor) {
    return length >= QWIDGETSIZE_MAX ? length : ScaleLength(length, factor);
}

QSize ScaleLimits(QSize size, qreal factor) {
    return QSize(ScaleLimit(size.width(), factor), ScaleLimit(size.height(), factor));
}

QRect ScaleRect(const QRect& rect, qreal factor) {
    const int left = ScaleLength(rect.left(), factor);
    const int top = ScaleLength(rect.top(), factor);
    return QRect(left, top, ScaleLength(rect.left() + rect.width(), factor) - left,
                 ScaleLength(rect.top() + rect.height(), factor) - top);
}

QMargins ScaleMargins(const QMargins& margins, qreal factor) {
    return QMargins(ScaleLength(margins.left(), factor), ScaleLength(margins.top(), factor),
                    ScaleLength(margins.right(), factor), ScaleLength(margins.bottom(), factor));
}

// Every length of a style sheet is written in pixels.
QString ScaleSheet(const QString& sheet, qreal factor) {
    static const QRegularExpression kLength(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString scaled;
    qsizetype from = 0;
    for (auto lengths = kLength.globalMatch(sheet); lengths.hasNext();) {
        const QRegularExpressionMatch length = lengths.next();
        scaled += sheet.mid(from, length.capturedStart() - from);
        scaled += QString::number(qRound(length.captured(1).toDouble() * factor));
        scaled += QStringLiteral("px");
        from = length.capturedEnd();
    }
    return scaled + sheet.mid(from);
}

// A value of a widget as built at the scale 100, and as last given at a scale.
template <typename T>
struct Kept {
    T at100{};
    T given{};
};

// Takes what the widget has now as built when it is new to the scale, or when the program has
// changed it since the scale gave it (with `fromGiven` taking that value back to the scale 100),
// and returns what the widget is to have at `factor`.
template <typename T, typename Scale, typename Unscale>
T Follow(Kept<T>& kept, const T& now, bool fresh, Scale scale, Unscale unscale) {
    if (fresh) {
        kept.at100 = now;
    } else if (now != kept.given) {
        kept.at100 = unscale(now);
    }
    kept.given = scale(kept.at100);
    return kept.given;
}

struct LaidWidget {
    qreal factor = 1.0;
    Kept<int> font;
    Kept<QString> sheet;
    Kept<QSize> least;
    Kept<QSize> most;
    Kept<QMargins> margins;
    Kept<int> indent;
    Kept<int> labelMargin;
    Kept<QSize> icons;
    Kept<QSize> size;  // a window's
};

struct LaidLayout {
    QMargins margins;
    int spacing = -1;
    int across = -1;  // a grid's or a form's spacing between columns
    int down = -1;    // and between rows
    QList<int> rows;
    QList<int> columns;
    QHash<const QSpacerItem*, QSize> spacers;
};

// Where the scale keeps what it knows. The application object owns it, so that it goes with the
// windows it watches.
class Scaler : public QObject {
public:
    explicit Scaler(QObject* parent) : QObject(parent) {}

    static Scaler& Of() {
        static Scaler* scaler = [] {
            auto* made = new Scaler(qApp);
            qApp->installEventFilter(made);
            return made;
        }();
        return *scaler;
    }

    void LayOutWindows(qreal factor) {
        ScaleTipFont(factor);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->testAttribute(Qt::WA_WState_Polished) && !IsTip(window)) {
                LayOutWindow(window, factor);
            }
        }
    }

    void Place(QWidget* control, const QRect& placeAt100) {
        control->setProperty(kPlaceProperty, placeAt100);
        control->setGeometry(ScaleRect(placeAt100, CurrentFactor()));
    }

protected:
    // A window is laid out at the scale as it shows, once it is wholly built (a window can be
    // polished while it is being built), and before it is placed and drawn; a popup, which sizes
    // itself before it shows, as it is polished; a control made later in a window laid out at a
    // scale, as it shows in turn. A font or a style sheet that the program gives a control later
    // is scaled as it arrives.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            // The scale's own changes are not the program's.
            if (const auto laid = widgets_.find(widget);
                !busy_ && laid != widgets_.end() && laid->second.factor != 1.0) {
                const Busy busy(busy_);
                FollowFontAndSheet(widget, laid->second, false);
            }
            return false;
        }
        const bool arrives = widget->windowType() == Qt::Popup
                                 ? event->type() == QEvent::Polish
                                 : event->type() == QEvent::Show && !event->spontaneous();
        if (!arrives || IsTip(widget->window())) {
            return false;
        }
        const qreal factor = CurrentFactor();
        const qreal windowFactor = WindowFactor(widget->window());
        if (widget->isWindow()) {
            if (windowFactor != factor) {
                LayOutWindow(widget, factor);
            }
        } else if (windowFactor != 1.0 && windowFactor == factor && !widgets_.contains(widget) &&
                   !ByOwner(widget)) {
            QList<QWidget*> part{widget};
            for (QWidget* child : widget->findChildren<QWidget*>()) {
                if (child->window() == widget->window() && !ByOwner(child)) {
                    part << child;
                }
            }
            LayOut(part, factor);
        }
        return false;
    }

private:
    // Set while the scale changes widgets itself.
    class Busy {
    public:
        explicit Busy(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
        ~Busy() { flag_ = was_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        bool& flag_;
        bool was_;
    };

    // A tip takes the application's font, which the scale sets, as it shows.
    static bool IsTip(const QWidget* window) { return window->windowType() == Qt::ToolTip; }

    qreal WindowFactor(const QWidget* window) const {
        const auto laid = windows_.find(window);
        return laid != windows_.end() ? laid->second : 1.0;
    }

    // Whether the widget is on a part that its owner lays out.
    static bool ByOwner(const QWidget* widget) {
        for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
            if (w->property(kOwnerProperty).toBool()) {
                return true;
            }
        }
        return false;
    }

    // The application's font stays at the scale 100, since the program copies it into the
    // fonts it gives; tips, which take theirs from it, have one of their own at the scale.
    static void ScaleTipFont(qreal factor) {
        QFont font = QApplication::font();
        if (font.pixelSize() > 0) {
            font.setPixelSize(ScaleLength(font.pixelSize(), factor));
            QToolTip::setFont(font);
        }
    }

    void LayOutWindow(QWidget* window, qreal factor) {
        const qreal from = WindowFactor(window);
        QList<QWidget*> widgets{window};
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->window() == window && !ByOwner(child)) {
                widgets << child;
            }
        }
        const QSize size = window->size();
        const bool fresh = !widgets_.contains(window);
        LayOut(widgets, factor);
        if (!windows_.contains(window)) {
            connect(window, &QObject::destroyed, this, [this, window] { windows_.erase(window); });
        }
        windows_[window] = factor;
        // A window grows from its size at the scale 100: the one it had as it first showed or as
        // the scale last changed. One that the desktop sizes (maximised, full screen) keeps its
        // size, a popup sizes itself as it pops up, and one that has not shown yet is sized to its
        // contents as it shows.
        const bool sized = window->isVisible() || window->testAttribute(Qt::WA_Resized);
        const bool ownSize =
            window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip &&
            (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
        if (sized && ownSize) {
            // The size the window had at the scale 100 comes back whole, unless it has been
            // resized since.
            Kept<QSize>& kept = widgets_[window].size;
            if (fresh) {
                kept.at100 = size;
            } else if (size != kept.given) {
                kept.at100 = ScaleLimits(size, 1.0 / from);
            }
            window->resize(ScaleLimits(kept.at100, factor)
                               .expandedTo(window->minimumSize())
                               .boundedTo(window->maximumSize()));
            kept.given = window->size();
        }
    }

    void LayOut(const QList<QWidget*>& widgets, qreal factor) {
        const Busy busy(busy_);
        for (QWidget* widget : widgets) {
            LayOutWidget(widget, factor);
        }
        for (QWidget* widget : widgets) {
            if (QLayout* layout = widget->layout()) {
                LayOutLayout(layout, factor);
            }
        }
        // The widget style's lengths have changed with the scale: every widget measures itself
        // afresh.
        for (QWidget* widget : widgets) {
            QEvent changed(QEvent::StyleChange);
            QCoreApplication::sendEvent(widget, &changed);
        }
        // Inner layouts first, so that each outer one measures what the inner ones hold now.
        for (auto widget = widgets.rbegin(); widget != widgets.rend(); ++widget) {
            if (QLayout* layout = (*widget)->layout()) {
                layout->activate();
            }
        }
    }

    static void FollowFontAndSheet(QWidget* widget, LaidWidget& laid, bool fresh) {
        const qreal factor = laid.factor;
        // The program gives fonts and style sheets at the scale 100.
        const auto asGiven = [](auto now) { return now; };
        QFont font = widget->font();
        // A window with no font of its own (a dialog or a menu that Qt makes) has the
        // application's, at the scale 100: it is given its own at the scale.
        const bool own = (font.resolveMask() & QFont::SizeResolved) != 0 &&
                         widget->testAttribute(Qt::WA_SetFont);
        if ((own || widget->isWindow()) && font.pixelSize() > 0) {
            const int size = Follow(
                laid.font, font.pixelSize(), fresh,
                [factor](int at100) { return ScaleLength(at100, factor); }, asGiven);
            if (size != font.pixelSize()) {
                font.setPixelSize(size);
                widget->setFont(font);
            }
        }
        const QString sheet = widget->styleSheet();
        if (!sheet.isEmpty()) {
            const QString scaled = Follow(
                laid.sheet, sheet, fresh,
                [factor](const QString& at100) { return ScaleSheet(at100, factor); }, asGiven);
            if (scaled != sheet) {
                widget->setStyleSheet(scaled);
            }
        }
    }

    void LayOutWidget(QWidget* widget, qreal factor) {
        const bool fresh = !widgets_.contains(widget);
        if (fresh) {
            connect(widget, &QObject::destroyed, this, [this, widget] { widgets_.erase(widget); });
        }
        LaidWidget& laid = widgets_[widget];
        const qreal from = laid.factor;
        laid.factor = factor;
        const auto scale = [factor](int at100) { return ScaleLength(at100, factor); };
        // The program gives fonts, style sheets and its labels' indents at the scale 100; the
        // sizes that it changes later (a window fitted to the screen) it gives at the scale in
        // use.
        const auto asGiven = [](auto now) { return now; };
        // Taken before the style sheet changes: a sheet's least sizes (min-height) become the
        // widget's as the sheet is set.
        const QSize least = widget->minimumSize();
        const QSize most = widget->maximumSize();
        FollowFontAndSheet(widget, laid, fresh);

        const auto scaleLimits = [factor](QSize at100) { return ScaleLimits(at100, factor); };
        const auto unscaleLimits = [from](QSize now) { return ScaleLimits(now, 1.0 / from); };
        // A window's least size is its layout's, unless the window has one size.
        if (!widget->isWindow() || widget->layout() == nullptr || least == most) {
            widget->setMinimumSize(Follow(laid.least, least, fresh, scaleLimits, unscaleLimits));
        }
        widget->setMaximumSize(Follow(laid.most, most, fresh, scaleLimits, unscaleLimits));

        if (const QVariant place = widget->property(kPlaceProperty); place.isValid()) {
            widget->setGeometry(ScaleRect(place.toRect(), factor));
        }

        // A frame's margins hold its edges, which the widget style draws and sizes.
        const auto* frame = qobject_cast<const QFrame*>(widget);
        if (widget->styleSheet().isEmpty() && !widget->contentsMargins().isNull() &&
            (frame == nullptr || frame->frameShape() == QFrame::NoFrame)) {
            widget->setContentsMargins(Follow(
                laid.margins, widget->contentsMargins(), fresh,
                [factor](const QMargins& at100) { return ScaleMargins(at100, factor); },
                [from](const QMargins& now) { return ScaleMargins(now, 1.0 / from); }));
        }

        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->indent() > 0) {
                label->setIndent(Follow(laid.indent, label->indent(), fresh, scale, asGiven));
            }
            if (label->margin() > 0) {
                label->setMargin(Follow(laid.labelMargin, label->margin(), fresh, scale, asGiven));
            }
        }
        if (auto* toolbar = qobject_cast<QToolBar*>(widget)) {
            toolbar->setIconSize(Follow(
                laid.icons, toolbar->iconSize(), fresh,
                [factor](QSize at100) { return ScaleLimits(at100, factor); }, asGiven));
        }
    }

    void LayOutLayout(QLayout* layout, qreal factor) {
        const bool fresh = !layouts_.contains(layout);
        if (fresh) {
            connect(layout, &QObject::destroyed, this, [this, layout] { layouts_.erase(layout); });
        }
        LaidLayout& laid = layouts_[layout];
        auto* grid = qobject_cast<QGridLayout*>(layout);
        auto* form = qobject_cast<QFormLayout*>(layout);
        if (fresh) {
            laid.margins = layout->contentsMargins();
            if (grid != nullptr) {
                laid.across = grid->horizontalSpacing();
                laid.down = grid->verticalSpacing();
                for (int row = 0; row < grid->rowCount(); ++row) {
                    laid.rows << grid->rowMinimumHeight(row);
                }
                for (int column = 0; column < grid->columnCount(); ++column) {
                    laid.columns << grid->columnMinimumWidth(column);
                }
            } else if (form != nullptr) {
                laid.across = form->horizontalSpacing();
                laid.down = form->verticalSpacing();
            } else {
                laid.spacing = layout->spacing();
            }
        }
        layout->setContentsMargins(ScaleMargins(laid.margins, factor));
        if (grid != nullptr) {
            if (laid.across >= 0) {
                grid->setHorizontalSpacing(ScaleLength(laid.across, factor));
            }
            if (laid.down >= 0) {
                grid->setVerticalSpacing(ScaleLength(laid.down, factor));
            }
            for (int row = 0; row < laid.rows.size() && row < grid->rowCount(); ++row) {
                grid->setRowMinimumHeight(row, ScaleLength(laid.rows[row], factor));
            }
            for (int column = 0; column < laid.columns.size() && column < grid->columnCount();
                 ++column) {
                grid->setColumnMinimumWidth(column, ScaleLength(laid.columns[column], factor));
            }
        } else if (form != nullptr) {
            if (laid.across >= 0) {
                form->setHorizontalSpacing(ScaleLength(laid.across, factor));
            }
            if (laid.down >= 0) {
                form->setVerticalSpacing(ScaleLength(laid.down, factor));
            }
        } else if (laid.spacing >= 0) {
            layout->setSpacing(ScaleLength(laid.spacing, factor));
        }
        for (int k = 0; k < layout->count(); ++k) {
            QLayoutItem* item = layout->itemAt(k);
            if (QSpacerItem* spacer = item->spacerItem()) {
                // A spacer added later is given at the scale 100.
                const QSize at100 = laid.spacers.value(spacer, spacer->sizeHint());
                laid.spacers[spacer] = at100;
                const QSizePolicy policy = spacer->sizePolicy();
                spacer->changeSize(ScaleLength(at100.width(), factor),
                                   ScaleLength(at100.height(), factor), policy.horizontalPolicy(),
                                   policy.verticalPolicy());
            } else if (QLayout* inner = item->layout()) {
                LayOutLayout(inner, factor);
            }
        }
        layout->invalidate();
    }

    // A widget's or a layout's entry stays where it is while others are added (a window can show
    // while another is laid out).
    std::unordered_map<const QWidget*, qreal> windows_;
    std::unordered_map<const QWidget*, LaidWidget> widgets_;
    std::unordered_map<const QLayout*, LaidLayout> layouts_;
    bool busy_ = false;
};

}  // namespace

void ApplyDisplayScale(int percent) {
    Scaler& scaler = Scaler::Of();
    if (percent == currentPercent) {
        return;
    }
    currentPercent = percent;
    scaler.LayOutWindows(CurrentFactor());
    emit DisplayScaleChanges().changed();
}

int AppliedDisplayScale() { return currentPercent; }

int Scaled(int lengthAt100) { return ScaleLength(lengthAt100, CurrentFactor()); }

QSize Scaled(QSize sizeAt100) { return ScaleLimits(sizeAt100, CurrentFactor()); }

QRect Scaled(const QRect& rectAt100) { return ScaleRect(rectAt100, CurrentFactor()); }

void PlaceScaled(QWidget* control, const QRect& placeAt100) {
    Scaler::Of().Place(control, placeAt100);
}

void LaidOutByOwner(QWidget* widget) { widget->setProperty(kOwnerProperty, true); }

DisplayScaleNotice& DisplayScaleChanges() {
    static auto* notice = new DisplayScaleNotice;
    return *notice;
}

}  // namespace morvane

#include "moc_live_scale.cpp"
