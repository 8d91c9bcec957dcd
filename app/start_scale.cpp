#include "app/start_scale.h"

#include <QtGlobal>

#include "shell/settings/display_scale.h"

namespace morvane {
namespace {

constexpr char kScaleFactorVariable[] = "QT_SCALE_FACTOR";

}  // namespace

bool SetStartScale(int percent) {
    if (percent == kDisplayScales.front() || !qEnvironmentVariableIsEmpty(kScaleFactorVariable)) {
        return false;
    }
    return qputenv(kScaleFactorVariable, ScaleFactorText(percent));
}

void ForgetStartScale() { qunsetenv(kScaleFactorVariable); }

}  // namespace morvane
