#ifdef VX_HAVE_WEBKIT

#include "platform/live/web_download.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace vx::live {
namespace {

class WebDownloadTest : public ::testing::Test {
 protected:
  bool Logged(const std::string& start) const {
    const std::vector<std::string> lines = desktop.log.Lines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(start); });
  }
  sim::SimDesktop desktop;
};

TEST_F(WebDownloadTest, ALocalAddressIsCopiedThroughThePresentationsFiles) {
  platform::WriteWholeFile(desktop.files, "C:\\TEMP\\page.htm", "<p>page</p>");
  ASSERT_TRUE(DownloadToFile(desktop.files, desktop.log, "file:///C:/TEMP/page.htm", "C:\\saved.htm"));
  EXPECT_EQ(platform::ReadWholeFile(desktop.files, "C:\\saved.htm"), "<p>page</p>");
  EXPECT_TRUE(Logged("download file:///C:/TEMP/page.htm -> C:\\saved.htm"));
}

TEST_F(WebDownloadTest, AMissingFileFailsAndWritesNothing) {
  EXPECT_FALSE(DownloadToFile(desktop.files, desktop.log, "C:\\TEMP\\missing.htm", "C:\\saved.htm"));
  EXPECT_FALSE(desktop.files.FileExists("C:\\saved.htm"));
  EXPECT_TRUE(Logged("download C:\\TEMP\\missing.htm failed: no such file"));
}

TEST_F(WebDownloadTest, AddressesOfOtherKindsAreNotFetched) {
  EXPECT_FALSE(DownloadToFile(desktop.files, desktop.log, "vx:hello", "C:\\a.txt"));
  EXPECT_FALSE(DownloadToFile(desktop.files, desktop.log, "mailto:a@example.org", "C:\\a.txt"));
  EXPECT_FALSE(desktop.files.FileExists("C:\\a.txt"));
  EXPECT_TRUE(Logged("download vx:hello failed: not an address to download"));
}

TEST_F(WebDownloadTest, AServerThatDoesNotAnswerFailsTheDownload) {
  // Port 1 of this machine: nobody listens, the connection is refused at once.
  EXPECT_FALSE(DownloadToFile(desktop.files, desktop.log, "http://127.0.0.1:1/file.bin", "C:\\file.bin"));
  EXPECT_FALSE(desktop.files.FileExists("C:\\file.bin"));
  EXPECT_TRUE(Logged("download http://127.0.0.1:1/file.bin failed: "));
}

TEST_F(WebDownloadTest, AFileThatCannotBeWrittenFailsTheDownload) {
  platform::WriteWholeFile(desktop.files, "C:\\TEMP\\page.htm", "x");
  // A drive the system does not have.
  EXPECT_FALSE(DownloadToFile(desktop.files, desktop.log, "C:\\TEMP\\page.htm", "Q:\\page.htm"));
  EXPECT_TRUE(Logged("download C:\\TEMP\\page.htm -> Q:\\page.htm failed: "));
}

}  // namespace
}  // namespace vx::live

#endif
