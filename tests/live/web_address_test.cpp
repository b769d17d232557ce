#include "platform/live/web_address.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vx::live {
namespace {

TEST(WebAddress, KindsOfAddresses) {
  EXPECT_EQ(KindOfAddress("C:\\TEMP\\page.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("c:/temp/page.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("file:///C:/TEMP/page.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("vxfile:///C:/TEMP/page.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("\\\\server\\share\\a.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("page.htm"), AddressKind::LocalPage);
  EXPECT_EQ(KindOfAddress("HTTP://example.org/"), AddressKind::Web);
  EXPECT_EQ(KindOfAddress("https://example.org/"), AddressKind::Web);
  EXPECT_EQ(KindOfAddress("about:blank"), AddressKind::Blank);
  EXPECT_EQ(KindOfAddress("VX:hello"), AddressKind::Custom);
  EXPECT_EQ(KindOfAddress("mailto:a@b.c"), AddressKind::Other);
  EXPECT_EQ(KindOfAddress("javascript:alert(1)"), AddressKind::Other);
}

TEST(WebAddress, WindowsPathsBecomeLocalPageUris) {
  EXPECT_EQ(PageUriOf("C:\\TEMP\\VXTEMP\\page.htm"), "vxfile:///C:/TEMP/VXTEMP/page.htm");
  EXPECT_EQ(PageUriOf("d:\\A b\\#1?.htm"), "vxfile:///D:/A%20b/%231%3F.htm");
  // A byte of the presentation's code page travels as itself.
  EXPECT_EQ(PageUriOf("C:\\caf\xE9.htm"), "vxfile:///C:/caf%E9.htm");
}

TEST(WebAddress, FileAddressesKeepTheirEscapesQueryAndFragment) {
  EXPECT_EQ(PageUriOf("file:///C:/A%20b/page.htm?x=1#top"), "vxfile:///C:/A%20b/page.htm?x=1#top");
  EXPECT_EQ(PageUriOf("file://c|/dir/page.htm"), "vxfile:///C:/dir/page.htm");
  EXPECT_EQ(PageUriOf("file:C:\\dir\\page.htm"), "vxfile:///C:/dir/page.htm");
  // No drive: nothing the presentation has, and it stays without one.
  EXPECT_EQ(PageUriOf("file:///etc/passwd"), "vxfile:///etc/passwd");
  EXPECT_FALSE(WindowsPathOfPageUri(PageUriOf("file:///etc/passwd")).has_value());
}

TEST(WebAddress, OtherAddressesAreLoadedAsGiven) {
  EXPECT_EQ(PageUriOf("http://example.org/a b"), "http://example.org/a b");
  EXPECT_EQ(PageUriOf("vx:hello"), "vx:hello");
  EXPECT_EQ(PageUriOf("vxfile:///C:/a.htm"), "vxfile:///C:/a.htm");
}

TEST(WebAddress, LocalPagesAreReportedAsFileAddresses) {
  EXPECT_EQ(AddressOfPageUri("vxfile:///C:/TEMP/page.htm"), "file:///C:/TEMP/page.htm");
  EXPECT_EQ(AddressOfPageUri("http://example.org/"), "http://example.org/");
  EXPECT_EQ(AddressOfPageUri("vx:hello"), "vx:hello");
}

TEST(WebAddress, LocalPageUrisNameAResolvedWindowsPath) {
  EXPECT_EQ(WindowsPathOfPageUri("vxfile:///C:/TEMP/A%20b/page.htm?x#y"), "C:\\TEMP\\A b\\page.htm");
  EXPECT_EQ(WindowsPathOfPageUri("vxfile:///c:/TEMP/./x/../page.htm"), "C:\\TEMP\\page.htm");
  // ".." stops at the drive's root, escaped or not.
  EXPECT_EQ(WindowsPathOfPageUri("vxfile:///C:/TEMP/../../../WINDOWS/a.ini"), "C:\\WINDOWS\\a.ini");
  EXPECT_EQ(WindowsPathOfPageUri("vxfile:///C:/TEMP/%2E%2E/%2e%2e/b.txt"), "C:\\b.txt");
  EXPECT_EQ(WindowsPathOfPageUri("vxfile:///C:/TEMP%5C..%5C..%5Cb.txt"), "C:\\b.txt");
  EXPECT_FALSE(WindowsPathOfPageUri("vxfile:///C:/TEMP/a%00.htm").has_value());
  EXPECT_FALSE(WindowsPathOfPageUri("vxfile:///C|/TEMP/a.htm").has_value());
  EXPECT_FALSE(WindowsPathOfPageUri("file:///C:/TEMP/a.htm").has_value());
  EXPECT_FALSE(WindowsPathOfPageUri("vxfile://server/share/a.htm").has_value());
}

TEST(WebAddress, PagesComeOnlyFromTheirFolders) {
  const std::vector<std::string> folders{"C:\\TEMP\\", "C:\\Presentation"};
  EXPECT_TRUE(InsideFolders("C:\\TEMP\\VXTEMP\\page.htm", folders));
  EXPECT_TRUE(InsideFolders("c:\\presentation\\help\\index.htm", folders));
  EXPECT_FALSE(InsideFolders("C:\\PresentationData\\x.htm", folders));
  EXPECT_FALSE(InsideFolders("C:\\TEMP", folders));
  EXPECT_FALSE(InsideFolders("C:\\TEMP\\", folders));
  EXPECT_FALSE(InsideFolders("C:\\WINDOWS\\win.ini", folders));
  EXPECT_FALSE(InsideFolders("D:\\TEMP\\page.htm", folders));
  // Through the mapping: a page may not climb out of its folder.
  const auto climbed = WindowsPathOfPageUri(PageUriOf("C:\\TEMP\\..\\registry.txt"));
  ASSERT_TRUE(climbed.has_value());
  EXPECT_FALSE(InsideFolders(*climbed, folders));
}

TEST(WebAddress, WhatBecomesOfANavigation) {
  EXPECT_EQ(OutcomeOfNavigation("C:\\TEMP\\page.htm", false, false), NavigationOutcome::Go);
  EXPECT_EQ(OutcomeOfNavigation("http://example.org/", false, false), NavigationOutcome::Go);
  EXPECT_EQ(OutcomeOfNavigation("http://example.org/", true, false), NavigationOutcome::Cancelled);
  // Offline keeps the web out, not the presentation's own pages.
  EXPECT_EQ(OutcomeOfNavigation("https://example.org/", false, true), NavigationOutcome::Offline);
  EXPECT_EQ(OutcomeOfNavigation("file:///C:/TEMP/page.htm", false, true), NavigationOutcome::Go);
  EXPECT_EQ(OutcomeOfNavigation("about:blank", false, true), NavigationOutcome::Go);
  // A "vx:" link the script did not cancel still loads nothing.
  EXPECT_EQ(OutcomeOfNavigation("vx:hello", false, false), NavigationOutcome::NotShowable);
  EXPECT_EQ(OutcomeOfNavigation("javascript:alert(1)", false, false), NavigationOutcome::NotShowable);
  EXPECT_EQ(OutcomeOfNavigation("vx:hello", true, false), NavigationOutcome::Cancelled);
}

TEST(WebAddress, ProgressIsAPercentage) {
  EXPECT_EQ(ProgressPercent(0.0), 0);
  EXPECT_EQ(ProgressPercent(0.1), 10);
  EXPECT_EQ(ProgressPercent(0.995), 100);
  EXPECT_EQ(ProgressPercent(1.0), 100);
  EXPECT_EQ(ProgressPercent(-0.5), 0);
  EXPECT_EQ(ProgressPercent(7.0), 100);
  EXPECT_EQ(ProgressPercent(std::nan("")), 0);
}

TEST(WebAddress, MediaTypesByExtension) {
  EXPECT_EQ(MediaTypeOf("C:\\TEMP\\PAGE.HTM"), "text/html");
  EXPECT_EQ(MediaTypeOf("C:\\TEMP\\a.b\\logo.png"), "image/png");
  EXPECT_EQ(MediaTypeOf("C:\\TEMP\\ruffle.wasm"), "application/wasm");
  EXPECT_EQ(MediaTypeOf("C:\\TEMP\\a.b\\noextension"), "application/octet-stream");
  EXPECT_EQ(MediaTypeOf("C:\\TEMP\\data.xyz"), "application/octet-stream");
}

}  // namespace
}  // namespace vx::live
