// The tour lines that answer the standard dialogs.

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxrun/headless_player.h"

namespace vx {
namespace {

std::string Trace(const std::string& wheelScript, const std::string& tour) {
  tools::ProjectModel project;
  project.AddPage("One").wheelScript = wheelScript;
  const std::string player = test::PeBuilder().Section(".text", std::string(0x200, '\xC3'), 0x60000020).Build();
  const std::string exe = tools::WithRcDataResources(player, tools::WriteResources(project)) +
                          test::ExecutableWithTrailer(test::kDeliveredTrailer).substr(256);
  std::ostringstream out;
  tools::RunHeadless(exe, tour, {}, out);
  return out.str();
}

TEST(DialogTourTest, ChoicesAnswerTheDialogsInOrder) {
  const std::string t = Trace("26(\"Text|*.txt\",\"\",\"\",1)\n$first = $_file\n28(\"c\",\"t\",\"C:\\\",0,0)\n29(1,2,3)\n30(\"Arial:0:10:000000\")",
                              "choose files C:\\a.txt|C:\\b.txt\nchoose folder C:\\My Folder\ncancel\n"
                              "choose font Tahoma:178:12:FF0000\nwheel down\n");
  EXPECT_NE(t.find("$first = \"C:\\a.txt|C:\\b.txt|\""), std::string::npos) << t;
  EXPECT_NE(t.find("$_file = \"C:\\My Folder\""), std::string::npos) << t;
  EXPECT_NE(t.find("color dialog cancelled\n"), std::string::npos) << t;
  EXPECT_NE(t.find("$_font = \"Tahoma,12,178,N\""), std::string::npos) << t;
}

TEST(DialogTourTest, UnansweredDialogsAreCancelledAndBadChoicesAreTourErrors) {
  EXPECT_NE(Trace("29(1,2,3)", "wheel down\n").find("color dialog cancelled (no answer)"), std::string::npos);
  EXPECT_NE(Trace("", "choose font Tahoma:12\n").find("tour error: line 1: choose font"), std::string::npos);
  EXPECT_NE(Trace("", "choose picture x\n").find("tour error: line 1: choose:"), std::string::npos);
  EXPECT_NE(Trace("", "choose file\n").find("tour error: line 1: choose file: what to choose is missing"),
            std::string::npos);
}

}  // namespace
}  // namespace vx
