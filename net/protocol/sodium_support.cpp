#include "net/protocol/sodium_support.h"

#include <sodium.h>
#include <QtGlobal>

namespace morvane {

void ReadySodium() {
    if (sodium_init() < 0) {
        qFatal("libsodium cannot be initialised");
    }
}

}  // namespace morvane
