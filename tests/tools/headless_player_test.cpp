#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxrun/headless_player.h"
#include "tools/vxrun/tour.h"

namespace vx {
namespace {

// The presentation as the authoring tool delivers it: a player image with
// the project in its resources and the trailer behind it.
std::string Executable(const tools::ProjectModel& project) {
  const std::string player = test::PeBuilder().Section(".text", std::string(0x200, '\xC3'), 0x60000020).Build();
  std::string exe = tools::WithRcDataResources(player, tools::WriteResources(project));
  const std::string withTrailer = test::ExecutableWithTrailer(test::kDeliveredTrailer);
  return exe + withTrailer.substr(256);  // the trailer block and its count
}

struct Played {
  int status;
  std::string trace;
};

Played Play(const tools::ProjectModel& project, const std::string& tour) {
  std::ostringstream out;
  const int status = tools::RunHeadless(Executable(project), tour, {}, out);
  return {status, out.str()};
}

tools::ProjectModel TwoPages() {
  tools::ProjectModel project;
  tools::PageModel& one = project.AddPage("One");
  one.showScript = "20(\"Go on?\",\"Tour\",4)";
  one.wheelScript = "13";
  project.AddPage("Two").flags.hidden = true;
  return project;
}

TEST(HeadlessPlayerTest, FollowsTheTourAndTracesWhatHappened) {
  const Played p = Play(TwoPages(), "answer 7\nwait 10\nwheel down\nwait 10\n");
  EXPECT_EQ(p.status, 0);
  EXPECT_NE(p.trace.find("show VX_APPLICATION_FORM1\n"), std::string::npos) << p.trace;
  EXPECT_NE(p.trace.find("script showeventTimer on VX_APPLICATION_FORM1\nmsgbox [Tour] Go on? -> 7\n#_result = 7\n"),
            std::string::npos)
      << p.trace;
  EXPECT_NE(p.trace.find("$_dir = \"DOWN\""), std::string::npos) << p.trace;
  EXPECT_NE(p.trace.find("show VX_APPLICATION_FORM2\nhide VX_APPLICATION_FORM1\n"), std::string::npos) << p.trace;
  EXPECT_TRUE(p.trace.ends_with("tour done\n")) << p.trace;
}

TEST(HeadlessPlayerTest, APresentationThatEndsItselfIsReported) {
  tools::ProjectModel project;
  project.AddPage("Only").showScript = "9";
  const Played p = Play(project, "wait 10\nwait 10\n");
  EXPECT_EQ(p.status, 0);
  EXPECT_TRUE(p.trace.ends_with("presentation ended with exit code 1 at tour line 1\n")) << p.trace;
}

TEST(HeadlessPlayerTest, ATourErrorNamesItsLine) {
  const Played p = Play(TwoPages(), "# a comment\n\nwait 10\njump 3\n");
  EXPECT_EQ(p.status, 1);
  EXPECT_TRUE(p.trace.ends_with("tour error: line 4: unknown action \"jump\"\n")) << p.trace;
}

TEST(HeadlessPlayerTest, TourStepsRunInsideAModalPage) {
  tools::ProjectModel project;
  project.AddPage("One").showScript = "99(\"Two\")\n#back=1";
  project.AddPage("Two").flags.hidden = true;
  const Played p = Play(project, "wait 10\nclose\nwait 10\n");
  EXPECT_EQ(p.status, 0);
  const auto modal = p.trace.find("modal VX_APPLICATION_FORM2");
  const auto close = p.trace.find("> close");
  const auto back = p.trace.find("#back = 1");
  ASSERT_NE(modal, std::string::npos) << p.trace;
  EXPECT_LT(modal, close);
  EXPECT_LT(close, back);
}

TEST(TourTest, KeysByNameOrCode) {
  EXPECT_EQ(tools::VirtualKeyByName("Enter"), 0x0D);
  EXPECT_EQ(tools::VirtualKeyByName("f5"), 0x74);
  EXPECT_EQ(tools::VirtualKeyByName("a"), 'A');
  EXPECT_EQ(tools::VirtualKeyByName("7"), '7');
  EXPECT_EQ(tools::VirtualKeyByName("44"), 44);
  EXPECT_EQ(tools::VirtualKeyByName("nokey"), -1);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// A show script boxes "سلام" (Windows-1256) in a presentation with no sign
// of Persian: the trace reads it in the code page the run decided.
std::string TraceWithCodePage(std::optional<unsigned> codePage, const std::string& tour = "wait 10\n") {
  tools::ProjectModel project;
  project.AddPage("One").showScript = "20(\"\xD3\xE1\xC7\xE3\",\"T\",0)";
  tools::HeadlessOptions options;
  options.codePage = codePage;
  std::ostringstream out;
  tools::RunHeadless(Executable(project), tour, options, out);
  return out.str();
}

TEST(HeadlessCodePageTest, TheTraceFollowsTheDecisionAndTheSwitch) {
  EXPECT_NE(TraceWithCodePage(std::nullopt).find("msgbox [T] \xC3\x93\xC3\xA1\xC3\x87\xC3\xA3 -> 1"),
            std::string::npos);  // read as Windows-1252, the simulated system's
  EXPECT_NE(TraceWithCodePage(1256u).find("msgbox [T] \xD8\xB3\xD9\x84\xD8\xA7\xD9\x85 -> 1"), std::string::npos);
  // A code page the simulated system cannot convert leaves the decision.
  EXPECT_NE(TraceWithCodePage(932u).find("msgbox [T] \xC3\x93"), std::string::npos);
}

TEST(HeadlessCodePageTest, TourTextCrossesInTheSameCodePage) {
  const std::string trace = TraceWithCodePage(1256u, "wait 10\nkey \xD8\xB3\n");
  // The tour line is traced as written, though the presentation holds it as one byte.
  EXPECT_NE(trace.find("> key \xD8\xB3"), std::string::npos) << trace;
}

}  // namespace
}  // namespace vx
