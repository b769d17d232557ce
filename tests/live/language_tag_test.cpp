#include <gtest/gtest.h>

#include "platform/live/system_code_page.h"

namespace vx::live {
namespace {

TEST(LanguageTag, LocalesBecomeTags) {
  EXPECT_EQ(LanguageTagOfLocale("fa_IR.UTF-8"), "fa-IR");
  EXPECT_EQ(LanguageTagOfLocale("de_DE@euro"), "de-DE");
  EXPECT_EQ(LanguageTagOfLocale("en"), "en");
  EXPECT_EQ(LanguageTagOfLocale("ckb_IQ.UTF-8"), "ckb-IQ");
  EXPECT_EQ(LanguageTagOfLocale("sr_RS.UTF-8@latin"), "sr-RS");
}

TEST(LanguageTag, WhatIsNoLanguageGivesEnglish) {
  EXPECT_EQ(LanguageTagOfLocale(""), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("C"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("C.UTF-8"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("POSIX"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("en_"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("_US"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("e n"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("12_US"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("en_abcdefghi"), "en-US");
  EXPECT_EQ(LanguageTagOfLocale("/usr/lib/locale/x"), "en-US");
}

}  // namespace
}  // namespace vx::live
