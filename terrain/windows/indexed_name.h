#pragma once

#include <QString>

namespace morvane {

// The objectName of the index-th control of a row of like controls: "name_index".
inline QString IndexedName(const QString& name, int index) {
    return name + QLatin1Char('_') + QString::number(index);
}

}  // namespace morvane
