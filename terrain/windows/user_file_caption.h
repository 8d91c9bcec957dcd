#pragma once

#include <QString>

namespace morvane {

// The name the windows give a user's layout, file counted from 0: "Ｆｉｌｅ１" to "Ｆｉｌｅ３"
// among Japanese texts, "File 1" to "File 3" among English ones.
QString UserFileCaption(int file);

}  // namespace morvane
