#include "terrain/windows/user_file_caption.h"

#include <QCoreApplication>

#include "shell/settings/language.h"

namespace morvane {

QString UserFileCaption(int file) {
    return QCoreApplication::translate("morvane::UserFileCaption", "Ｆｉｌｅ%1")
        .arg(InterfaceNumber(file + 1));
}

}  // namespace morvane
