#include "tests/support/screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace morvane::testing {

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("MORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace morvane::testing
