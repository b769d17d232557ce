#pragma once
// The script variables an object event sets just before its script runs.

#include <string>
#include <string_view>

#include "platform/forms.h"
#include "platform/input.h"

namespace vx {

class TValues;

// "_btn": 1 left, 2 middle, 3 right.
int ButtonNumber(platform::MouseButton button);
// "_mx", "_my".
void SetMousePosition(TValues& values, platform::Point at);
void SetButtonFromEvent(TValues& values, platform::MouseButton button);
// The left, middle and right button keys are tried in that order and each
// one held sets "_btn", so the last one held wins; none held leaves it.
void SetButtonFromKeyState(TValues& values, platform::Input& input);
// The string variable an edit's change fills: the component name from its
// fourth character (after "OBJ"), at most 64 characters, lower-cased.
std::string EditChangeVariable(std::string_view componentName);

}  // namespace vx
