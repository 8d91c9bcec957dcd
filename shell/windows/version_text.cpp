#include "shell/windows/version_text.h"

#include "shell/settings/language.h"
#include "version.h"

namespace morvane {

QString VersionText(int major, int minor) {
    return QStringLiteral("Ｖｅｒｓｉｏｎ ") + InterfaceNumber(major) + QLatin1Char('.') +
           InterfaceNumber(minor);
}

QString ProgramVersionText() { return VersionText(kVersionMajor, kVersionMinor); }

}  // namespace morvane
