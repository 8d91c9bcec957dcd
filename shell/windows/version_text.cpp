#include "shell/windows/version_text.h"

#include <QCoreApplication>

#include "shell/settings/language.h"
#include "version.h"

namespace morvane {

QString VersionText(int major, int minor) {
    return QCoreApplication::translate("morvane::VersionText", "Ｖｅｒｓｉｏｎ %1.%2")
        .arg(InterfaceNumber(major), InterfaceNumber(minor));
}

QString ProgramVersionText() { return VersionText(kVersionMajor, kVersionMinor); }

}  // namespace morvane
