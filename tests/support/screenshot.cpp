#include "tests/support/screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace morvane::testing {

namespace {

// The picture's file, or nothing when no folder is named.
QString PictureFile(const QString& name) {
    const QString folder = qEnvironmentVariable("MORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return {};
    }
    QDir().mkpath(folder);
    QCoreApplication::processEvents();
    return QDir(folder).filePath(name + QStringLiteral(".png"));
}

}  // namespace

void SaveScreenshot(QWidget* window, const QString& name) {
    if (const QString file = PictureFile(name); !file.isEmpty()) {
        window->grab().save(file);
    }
}

void SaveScreen(const QString& name) {
    if (const QString file = PictureFile(name); !file.isEmpty()) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    }
}

}  // namespace morvane::testing
