#pragma once

#include <QString>

namespace morvane {

// "Ｖｅｒｓｉｏｎ " with the major and minor numbers in full-width digits around an ASCII
// point, no leading zeros: 4.92 reads "Ｖｅｒｓｉｏｎ ４.９２"; in English "Version 4.92".
QString VersionText(int major, int minor);

// The version text of this program.
QString ProgramVersionText();

}  // namespace morvane
