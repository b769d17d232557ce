#include "platform/live/flash_page.h"

#include <gtest/gtest.h>

namespace vx::live {
namespace {

TEST(FlashPage, OnlyPlainFilesOfThePlayersFolderAreServed) {
  EXPECT_EQ(FlashFileOfUri("vxfile:///~ruffle/ruffle.js"), "ruffle.js");
  EXPECT_EQ(FlashFileOfUri("vxfile:///~ruffle/core.ruffle.c80159b526e567babaf5.js?v=1"),
            "core.ruffle.c80159b526e567babaf5.js");
  EXPECT_EQ(FlashFileOfUri("vxfile:///~ruffle/72a20ef1c0b8ceb37720.wasm"), "72a20ef1c0b8ceb37720.wasm");
  EXPECT_FALSE(FlashFileOfUri("vxfile:///~ruffle/../registry.txt").has_value());
  EXPECT_FALSE(FlashFileOfUri("vxfile:///~ruffle/%2E%2E/registry.txt").has_value());
  EXPECT_FALSE(FlashFileOfUri("vxfile:///~ruffle/sub/ruffle.js").has_value());
  EXPECT_FALSE(FlashFileOfUri("vxfile:///~ruffle/.hidden").has_value());
  EXPECT_FALSE(FlashFileOfUri("vxfile:///~ruffle/").has_value());
  EXPECT_FALSE(FlashFileOfUri("vxfile:///C:/~ruffle/ruffle.js").has_value());
  EXPECT_FALSE(FlashFileOfUri("file:///~ruffle/ruffle.js").has_value());
  // The page is made, not read from the folder.
  EXPECT_FALSE(FlashFileOfUri(kFlashPlayerPageUri).has_value());
  EXPECT_TRUE(IsFlashPlayerPage(kFlashPlayerPageUri));
  EXPECT_TRUE(IsFlashPlayerPage(std::string(kFlashPlayerPageUri) + "#x"));
  EXPECT_FALSE(IsFlashPlayerPage(std::string(kFlashPlayerPageUri) + "l"));
}

TEST(FlashPage, JavaScriptStringsCannotBeLeft) {
  EXPECT_EQ(JsString("plain"), "\"plain\"");
  EXPECT_EQ(JsString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsString("line\nend</script>"), "\"line\\u000aend\\u003c/script\\u003e\"");
}

TEST(FlashPage, TheControlsCodesBecomeThePlayersOptions) {
  FlashSettings settings;
  settings.movieUri = "vxfile:///C:/TEMP/movie.swf";
  settings.quality = 4;
  settings.scaleMode = 2;
  settings.menu = false;
  settings.background = "10c010";
  settings.play = false;
  EXPECT_EQ(FlashLoadScript(settings),
            "window.vxLoad({url: \"vxfile:///C:/TEMP/movie.swf\", quality: \"medium\", scale: \"exactFit\", "
            "contextMenu: \"off\", backgroundColor: \"#10c010\", vxPlay: false});");
}

TEST(FlashPage, UnknownCodesAndColoursFallBackToTheDefaults) {
  FlashSettings settings;
  settings.movieUri = "m.swf";
  settings.quality = 9;
  settings.scaleMode = -1;
  settings.background = "red\");alert(1);//";
  EXPECT_EQ(FlashLoadScript(settings),
            "window.vxLoad({url: \"m.swf\", quality: \"high\", scale: \"showAll\", contextMenu: \"on\", "
            "vxPlay: true});");
}

TEST(FlashPage, ThePageLoadsThePlayerFromItsOwnFolder) {
  const std::string page = FlashPlayerPage();
  EXPECT_NE(page.find("<script src=\"/~ruffle/ruffle.js\"></script>"), std::string::npos);
  EXPECT_NE(page.find("publicPath: \"/~ruffle/\""), std::string::npos);
  // A movie opens no addresses of its own.
  EXPECT_NE(page.find("openUrlMode: \"deny\""), std::string::npos);
}

}  // namespace
}  // namespace vx::live
