#include "platform/live/typed_text.h"

#include <gtest/gtest.h>

namespace vx::live {
namespace {

TEST(TypedText, PersianTypedOnAPersianLayoutArrivesAsWindows1256Bytes) {
  // "سلام" and the Persian yeh, which Persian keyboards type.
  EXPECT_EQ(TypedTextToPresentationBytes("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"), "\xD3\xE1\xC7\xE3");
  EXPECT_EQ(TypedTextToPresentationBytes("\xDB\x8C"), "\xED");
  EXPECT_EQ(TypedTextToPresentationBytes("Ali"), "Ali");
}

TEST(TypedText, ACharacterTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(TypedTextToPresentationBytes("\xE2\x82\xAC\xE4\xB8\xAD"), "\x80?");  // euro, then a Han character
}

}  // namespace
}  // namespace vx::live
