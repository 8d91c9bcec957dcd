#pragma once

#include <QCursor>

namespace morvane {

// The pointer the shell's windows show while it rests on one of their text buttons.
QCursor MenuPointer();

}  // namespace morvane
