#include "platform/live/message_buttons.h"

#include <array>

#include "platform/dialogs.h"

namespace vx::live {

namespace {

using namespace platform::mb;

struct ButtonSet {
  unsigned set;
  std::vector<MessageButton> buttons;
  int closeAnswer;
};

const std::array<ButtonSet, 7>& Sets() {
  static const std::array<ButtonSet, 7> sets = {{
      {Ok, {{"_OK", IdOk}}, IdOk},
      {OkCancel, {{"_OK", IdOk}, {"_Cancel", IdCancel}}, IdCancel},
      {AbortRetryIgnore, {{"_Abort", IdAbort}, {"_Retry", IdRetry}, {"_Ignore", IdIgnore}}, 0},
      {YesNoCancel, {{"_Yes", IdYes}, {"_No", IdNo}, {"_Cancel", IdCancel}}, IdCancel},
      {YesNo, {{"_Yes", IdYes}, {"_No", IdNo}}, 0},
      {RetryCancel, {{"_Retry", IdRetry}, {"_Cancel", IdCancel}}, IdCancel},
      {CancelTryContinue, {{"_Cancel", IdCancel}, {"_Try Again", IdTryAgain}, {"C_ontinue", IdContinue}}, IdCancel},
  }};
  return sets;
}

}  // namespace

MessageButtons ButtonsOf(unsigned flags) {
  const unsigned set = flags & 0xFu;
  for (const ButtonSet& s : Sets())
    if (s.set == set) return {s.buttons, s.closeAnswer};
  return {Sets()[0].buttons, Sets()[0].closeAnswer};
}

}  // namespace vx::live
