#include "shell/windows/live_scale.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QBackingStore>
#include <QPointer>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "shell/settings/display_scale.h"

// Qt 6.4 fixes its scale factor when the program starts and offers no public way to change it;
// its own per-screen factor (the one QT_SCREEN_SCALE_FACTORS sets) can be changed at any time,
// but Qt then only changes the screens' density: the windows keep their native size and their
// drawing surface. This file is the one place that reaches into Qt's private interface for it.

namespace morvane {
namespace {

constexpr char kAppliedProperty[] = "morvaneDisplayScale";

qreal FactorOf(int percent) { return percent / 100.0; }

void SetScreenFactor(QScreen* screen, int percent) {
    QHighDpiScaling::setScreenFactor(screen, FactorOf(percent));
}

// A window as it stood before the scale changed: its size in the game's pixels and where it
// stands on the screen, in the screen's own pixels.
struct StandingWindow {
    QPointer<QWindow> window;
    QSize size;
    QRect native;
};

QList<StandingWindow> StandingWindows() {
    QList<StandingWindow> standing;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->handle() != nullptr) {
            standing.append({window, window->size(), window->handle()->geometry()});
        }
    }
    return standing;
}

// The window drawn at the new factor. One that the desktop sizes (maximised, full screen) keeps
// its native size and so changes its size in the game's pixels; any other keeps that size and
// its top left corner, and so changes its native size. Qt is told the result at once, so that the
// window's widgets know their new place before anything else runs.
void Rescale(const StandingWindow& standing) {
    QWindow* window = standing.window;
    QRect native = standing.native;
    if ((window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
        const QPoint topLeft =
            QHighDpiScaling::mapPositionFromNative(native.topLeft(), window->screen()->handle());
        window->setGeometry(QRect(topLeft, standing.size));
        native = window->handle()->geometry();
    }
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
        window, native);
}

// Widgets draw into a surface kept at the window's size in native pixels, which Qt only renews
// when the window's size in the game's pixels changes. Then each window is told, as when it moves
// to a screen of another density, so that Qt tells every widget in it (pictures drawn for the
// density are drawn afresh) and draws it whole.
void RenewSurfaces() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->windowHandle();
        QBackingStore* surface = widget->backingStore();
        if (window != nullptr && surface != nullptr) {
            surface->resize(widget->size());
            Q_EMIT window->screenChanged(window->screen());
        }
    }
}

}  // namespace

void ApplyDisplayScale(int percent) {
    // Until another scale is chosen, the screens keep the factors Qt gave them (the user's
    // QT_SCREEN_SCALE_FACTORS among them).
    if (percent == AppliedDisplayScale()) {
        return;
    }
    QGuiApplication* application = qGuiApp;
    if (!application->property(kAppliedProperty).isValid()) {
        // A screen plugged in later is drawn at the scale of the others.
        QObject::connect(application, &QGuiApplication::screenAdded, application,
                         [](QScreen* screen) { SetScreenFactor(screen, AppliedDisplayScale()); });
    }
    application->setProperty(kAppliedProperty, percent);

    const QList<StandingWindow> standing = StandingWindows();
    for (QScreen* screen : QGuiApplication::screens()) {
        SetScreenFactor(screen, percent);
    }
    // Pictures are rendered for the application's largest density, which Qt keeps.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
    for (const StandingWindow& window : standing) {
        if (window.window) {
            Rescale(window);
        }
    }
    RenewSurfaces();
}

int AppliedDisplayScale() {
    const QVariant applied = qGuiApp->property(kAppliedProperty);
    return applied.isValid() ? applied.toInt() : kDisplayScales.front();
}

}  // namespace morvane
