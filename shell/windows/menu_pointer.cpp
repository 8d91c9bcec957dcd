#include "shell/windows/menu_pointer.h"

#include "assets/pictures.h"

namespace morvane {

QCursor MenuPointer() {
    // The tip of the arrow in the picture's own units.
    return MakePointer(QStringLiteral(":/pointers/menu.svg"), QSize(32, 32), QPointF(3, 2));
}

}  // namespace morvane
