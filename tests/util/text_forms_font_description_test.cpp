#include <gtest/gtest.h>

#include "util/error.h"
#include "util/text_forms.h"

namespace vx {
namespace {

TEST(FontFromSpecTest, ReadsNameCharsetSizeAndColour) {
  const auto described = FontFromSpec("Tahoma:178:12:FF0000");
  ASSERT_TRUE(described.has_value());
  EXPECT_EQ(described->name, "Tahoma");
  EXPECT_EQ(described->charset, 178);
  EXPECT_EQ(described->size, 12);
  EXPECT_EQ(described->color, platform::MakeColor(255, 0, 0));
  // The charset is a byte.
  EXPECT_EQ(FontFromSpec("A:434:8:000000")->charset, 434 & 0xFF);
}

TEST(FontFromSpecTest, OnlyExactlyThreeColonsMakeADescription) {
  EXPECT_FALSE(FontFromSpec("Tahoma:12").has_value());
  EXPECT_FALSE(FontFromSpec("Tahoma:178:12:FF0000:1").has_value());
  EXPECT_FALSE(FontFromSpec("").has_value());
  // The count decides before any number is read.
  EXPECT_FALSE(FontFromSpec("Tahoma:x:y").has_value());
  EXPECT_THROW(FontFromSpec("Tahoma:x:12:FF0000"), ConvertError);
  EXPECT_THROW(FontFromSpec("Tahoma:178: 12 :FF0000"), ConvertError);
}

}  // namespace
}  // namespace vx
