#include "tools/common/inspector.h"

#include <gtest/gtest.h>

#include "tools/common/container_writer.h"
#include "util/error.h"

namespace vx::tools {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Inspector, ShowsSettingsPagesObjectsAndScriptLines) {
  ProjectModel p;
  p.title = "Show";
  p.AddFunction("f", "1(a)\n2(b)");
  auto& page = p.AddPage("Main");
  page.AddText("t1").caption = "\xD3\xE1\xC7\xE3";
  page.AddButton("b1").scripts.mouseUp = "13\n14";
  const std::string out = InspectContainer(WriteContainer(p, 9));
  EXPECT_TRUE(Has(out, "project key: 9"));
  EXPECT_TRUE(Has(out, "title: \"Show\""));
  EXPECT_TRUE(Has(out, "page 1 \"Main\""));
  EXPECT_TRUE(Has(out, "text \"t1\""));
  EXPECT_TRUE(Has(out, "41 caption: \"\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85\""));
  EXPECT_TRUE(Has(out, "48 evntMup") || Has(out, "48 evntMUp"));
  EXPECT_TRUE(Has(out, "1| 13\n"));
  EXPECT_TRUE(Has(out, "2| 14\n"));
  EXPECT_TRUE(Has(out, "    2| 2(b)\n"));
}

TEST(Inspector, BrokenContainersNameTheByte) {
  ContainerBuilder b(7);
  b.Field("VXC1").Field("T").RawField(std::string(14, '\0') + b.Encode("2500")).Field("x");
  try {
    InspectContainer(b.Finish());
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_TRUE(Has(e.what(), "byte 53 (field 3)")) << e.what();
    EXPECT_TRUE(Has(e.what(), "'x' is not a valid integer value"));
  }
  EXPECT_THROW(InspectContainer("nothing"), StreamError);
  EXPECT_THROW(InspectExecutable("MZ"), StreamError);
}

TEST(Inspector, ControlBytesAreEscaped) {
  EXPECT_EQ(Printable(std::string("a\0\x01\\", 4)), "a\\x00\\x01\\\\");
}

}  // namespace
}  // namespace vx::tools
