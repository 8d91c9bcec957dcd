#pragma once

namespace morvane {

// Qt reads the factor it scales every window by (QT_SCALE_FACTOR) from the environment once,
// when the application object is made. Before then, this sets it for the display scale in
// percent, unless the user's environment names a factor: that one wins. Nothing is set for 100.
// Returns whether it set the factor.
bool SetStartScale(int percent);

// Takes the factor that SetStartScale set back out of the environment, once the application
// object has read it, so that programs the game starts (the system information tool) keep the
// user's own scale.
void ForgetStartScale();

}  // namespace morvane
