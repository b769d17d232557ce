// The writer's event texts, read back by the method that receives them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>
#include <variant>

#include "host/application.h"
#include "host/vx_form.h"
#include "objects/methods/object_methods.h"
#include "objects/page_objects.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_desktop.h"
#include "script/shift.h"
#include "tools/common/event_text.h"
#include "tools/vxpack/manifest.h"
#include "util/error.h"

namespace vx {
namespace {

class EventTextTest : public ::testing::Test {
 protected:
  EventTextTest() {
    app = std::make_unique<Application>(desktop.Platform());
    app->forms.push_back(std::make_unique<TVXForm>(*app));
    app->MainForm()->SetName("VX_APPLICATION_FORM1");
    PageObjects& objects = app->MainForm()->Components();
    auto owned = std::make_unique<TVXText>();
    owned->Name = "OBJt";
    text = static_cast<TVXText*>(&objects.Add(std::move(owned)));
    text->Place(objects);
  }
  // What method 71 leaves on the text for the literal.
  LineList Received(const std::string& literal) {
    DoObjAction(*app, "71(" + literal + ")", "t", 1);
    return text->evntMDown;
  }

  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
  TVXText* text = nullptr;
};

TEST_F(EventTextTest, TheLiteralIsScrambledAndHoldsNoQuote) {
  const std::string literal = tools::EventText("13\n20(\"a\")");
  ASSERT_GE(literal.size(), 2u);
  EXPECT_EQ(literal.front(), '"');
  EXPECT_EQ(literal.back(), '"');
  const std::string inner = literal.substr(1, literal.size() - 2);
  EXPECT_EQ(inner.find('"'), std::string::npos);
  EXPECT_EQ(inner.substr(0, 2), ShiftEncode("13", kEventTextKey));
  EXPECT_EQ(Received(literal), (LineList{"13", "20(\"a\")"}));
}

TEST_F(EventTextTest, TheLiteralsEscapesLeaveTheEncodedBytesAlone) {
  // "Uj" and "U[k" encode to the escapes \q and \br.
  for (const std::string script : {"Uj", "UjUj", "U[k", "xU[kU[kUjy", "UUj", "U\\q"})
    EXPECT_EQ(Received(tools::EventText(script)), LineList{script}) << script;
}

TEST_F(EventTextTest, AnyScriptOfPrintableAndHighBytesComesBack) {
  std::mt19937 random(20240320);
  const std::string likely = "Ujk[\\qbr\"(),+ $#!";
  for (int round = 0; round < 300; ++round) {
    std::string script;
    const int length = std::uniform_int_distribution<int>(1, 40)(random);
    for (int i = 0; i < length; ++i) {
      const int pick = std::uniform_int_distribution<int>(0, 9)(random);
      char c;
      if (pick < 4) c = likely[std::uniform_int_distribution<std::size_t>(0, likely.size() - 1)(random)];
      else if (pick < 5) c = '\n';
      else if (pick < 7) c = static_cast<char>(std::uniform_int_distribution<int>(0x80, 0xFF)(random));
      else c = static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random));
      if (static_cast<unsigned char>(c) == 0xFA) c = 'x';
      script += c;
    }
    if (script[0] == 'T') script[0] = 't';
    while (!script.empty() && script.back() == '\n') script.pop_back();
    if (script.empty()) continue;
    EXPECT_EQ(Received(tools::EventText(script)), SplitLines(script)) << round;
  }
}

TEST_F(EventTextTest, BytesThatCannotTravelAreRefused) {
  EXPECT_THROW(tools::EventText("20(\"\xFA\")"), Error);  // it would be the line mark
  EXPECT_THROW(tools::EventText("T"), Error);              // "[": a folder macro
  EXPECT_THROW(tools::EventText("a\x01" "b"), Error);
  EXPECT_NO_THROW(tools::EventText("20(\"\xC7\xE1\xE3\")"));  // Persian letters travel
}

TEST_F(EventTextTest, BracesInASourceScriptWriteEventTexts) {
  const std::string source = "10(\"t\",\"\").71({{\n#a=1\n#b=2\n}})\n#c=3";
  const std::string expanded = tools::ExpandEventTexts(source);
  EXPECT_EQ(expanded, "10(\"t\",\"\").71(" + tools::EventText("#a=1\n#b=2") + ")\n#c=3");
  EXPECT_EQ(tools::ExpandEventTexts("no braces"), "no braces");
  EXPECT_THROW(tools::ExpandEventTexts("71({{#a=1)"), Error);
  // Inner ones first: the outer event text carries the inner one's literal.
  const std::string nested = tools::ExpandEventTexts("71({{71({{#x=1}})}})");
  EXPECT_EQ(nested, "71(" + tools::EventText("71(" + tools::EventText("#x=1") + ")") + ")");
  EXPECT_EQ(Received(nested.substr(3, nested.size() - 4)), (LineList{"71(" + tools::EventText("#x=1") + ")"}));
}

TEST(EventTextManifestTest, ASourceScriptWritesItsEventTextsWithBraces) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("vx-event-text-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "project.yaml") << "pages:\n"
                                            "  - name: Main\n"
                                            "    show-script: |\n"
                                            "      10(\"t\",\"\").71({{\n"
                                            "      #a=1\n"
                                            "      }})\n"
                                            "    objects:\n"
                                            "      - text: t\n"
                                            "        scripts: {mouse-up: \"71({{#b=2\"}\n";
  std::string error;
  try {
    tools::ReadSourceFolder(folder.string());
  } catch (const Error& e) {
    error = e.what();
  }
  // The second script's braces are not closed: the line is named.
  EXPECT_EQ(error, "project.yaml:9: an event text opened with {{ is not closed");
  std::ofstream(folder / "project.yaml", std::ios::trunc) << "pages:\n"
                                                             "  - name: Main\n"
                                                             "    show-script: |\n"
                                                             "      10(\"t\",\"\").71({{\n"
                                                             "      #a=1\n"
                                                             "      }})\n";
  const tools::SourceProject source = tools::ReadSourceFolder(folder.string());
  fs::remove_all(folder);
  EXPECT_EQ(source.model.pages.front().showScript, "10(\"t\",\"\").71(" + tools::EventText("#a=1") + ")\n");
}

}  // namespace
}  // namespace vx
