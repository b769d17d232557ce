#include "platform/live/message_buttons.h"

#include <gtest/gtest.h>

#include "platform/dialogs.h"

namespace vx::live {
namespace {

using namespace platform::mb;

std::vector<int> Answers(unsigned flags) {
  std::vector<int> out;
  for (const MessageButton& b : ButtonsOf(flags).buttons) out.push_back(b.answer);
  return out;
}

TEST(MessageButtons, TheWin32SetsInTheirOrderWithTheIconBitsIgnored) {
  EXPECT_EQ(Answers(Ok | IconError), (std::vector<int>{IdOk}));
  EXPECT_EQ(Answers(OkCancel), (std::vector<int>{IdOk, IdCancel}));
  EXPECT_EQ(Answers(AbortRetryIgnore | IconWarning), (std::vector<int>{IdAbort, IdRetry, IdIgnore}));
  EXPECT_EQ(Answers(YesNoCancel | IconQuestion | TaskModal), (std::vector<int>{IdYes, IdNo, IdCancel}));
  EXPECT_EQ(Answers(YesNo), (std::vector<int>{IdYes, IdNo}));
  EXPECT_EQ(Answers(RetryCancel), (std::vector<int>{IdRetry, IdCancel}));
  EXPECT_EQ(Answers(CancelTryContinue), (std::vector<int>{IdCancel, IdTryAgain, IdContinue}));
  EXPECT_EQ(Answers(0x7), (std::vector<int>{IdOk}));  // not a set: the OK box
}

TEST(MessageButtons, ClosingIsCancelOrTheOnlyOkElseNoAnswer) {
  EXPECT_EQ(ButtonsOf(Ok).closeAnswer, IdOk);
  EXPECT_EQ(ButtonsOf(YesNoCancel).closeAnswer, IdCancel);
  EXPECT_EQ(ButtonsOf(YesNo).closeAnswer, 0);
  EXPECT_EQ(ButtonsOf(AbortRetryIgnore).closeAnswer, 0);
}

}  // namespace
}  // namespace vx::live
