#include "platform/live/key_map.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace vx::live {
namespace {

TEST(KeyMap, LettersAreTheirUpperCaseCodeWhateverTheCase) {
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_a, GDK_KEY_a), 'A');
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Z, GDK_KEY_z), 'Z');
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_7, GDK_KEY_7), '7');
}

TEST(KeyMap, FunctionEditingAndKeypadKeys) {
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_F1, GDK_KEY_F1), 0x70);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_F11, GDK_KEY_F11), 0x7A);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Return, GDK_KEY_Return), 0x0D);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_KP_Enter, GDK_KEY_KP_Enter), 0x0D);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_ISO_Left_Tab, GDK_KEY_Tab), 0x09);  // Shift+Tab
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Alt_R, GDK_KEY_Alt_R), 0x12);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_KP_3, GDK_KEY_KP_3), 0x63);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Down, GDK_KEY_Down), 0x28);
}

TEST(KeyMap, ALetterOnAPersianLayoutIsTheKeyOfItsPlace) {
  // Sheen sits where "a" is on the first layout.
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Arabic_sheen, GDK_KEY_a), 'A');
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_Arabic_sheen, GDK_KEY_Arabic_sheen), -1);
}

TEST(KeyMap, KeysWithoutACodeAreNone) {
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_VoidSymbol, GDK_KEY_VoidSymbol), -1);
  EXPECT_EQ(VirtualKeyOfKeyval(GDK_KEY_dead_acute, GDK_KEY_dead_acute), -1);
}

}  // namespace
}  // namespace vx::live
