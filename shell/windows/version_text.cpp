#include "shell/windows/version_text.h"

#include "version.h"

namespace morvane {

QString FullWidthDigits(int number) {
    QString digits = QString::number(number);
    for (QChar& digit : digits) {
        if (digit.isDigit()) {
            digit = QChar(u'０' + (digit.unicode() - u'0'));
        }
    }
    return digits;
}

QString VersionText(int major, int minor) {
    return QStringLiteral("Ｖｅｒｓｉｏｎ ") + FullWidthDigits(major) + QLatin1Char('.') +
           FullWidthDigits(minor);
}

QString ProgramVersionText() { return VersionText(kVersionMajor, kVersionMinor); }

}  // namespace morvane
