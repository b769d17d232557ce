#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_registry.h"

namespace vx::sim {
namespace {

constexpr std::uint32_t kCurrentUser = 0x80000001;  // HKEY_CURRENT_USER

using platform::RegistryValueKind;

TEST(SimRegistryText, EveryKeyAndValueComesBackByteForByte) {
  SimCodePages codePages;
  SimRegistry a{codePages};
  a.CreateKey(kCurrentUser, "Software\\Show\\Empty key");
  a.WriteValue(kCurrentUser, "Software\\Show", "", {RegistryValueKind::String, "default"});
  a.WriteValue(kCurrentUser, "Software\\Show", "Bytes", {RegistryValueKind::Binary, std::string("\0\n\xFF x", 5)});
  a.WriteValue(kCurrentUser, "Software\\Show", "Path", {RegistryValueKind::ExpandString, "%TEMP%\\a b"});
  SimRegistry b{codePages};
  b.Load(a.Save());
  EXPECT_TRUE(b.KeyExists(kCurrentUser, "software\\show\\empty KEY"));
  EXPECT_EQ(b.ReadValue(kCurrentUser, "Software\\Show", "")->data, "default");
  EXPECT_EQ(b.ReadValue(kCurrentUser, "Software\\Show", "bytes")->data, std::string("\0\n\xFF x", 5));
  EXPECT_EQ(b.ReadValue(kCurrentUser, "Software\\Show", "Path")->kind, RegistryValueKind::ExpandString);
  EXPECT_EQ(b.Save(), a.Save());
}

TEST(SimRegistryText, DamagedLinesAreSkippedTheRestIsKept) {
  SimCodePages codePages;
  SimRegistry r{codePages};
  // An odd hex field, a value before any key, an unknown kind, a line
  // without its "x", then a good key and value.
  r.Load("V x41 0 x41\nK x3\nK x323A41\nV x42 7 x43\nV 42 0 x43\nV x43 0 x44\n\nnonsense\n");
  EXPECT_TRUE(r.KeyExists(2, "A"));
  EXPECT_EQ(r.ReadValue(2, "A", "B"), std::nullopt);
  EXPECT_EQ(r.ReadValue(2, "A", "C")->data, "D");
}

}  // namespace
}  // namespace vx::sim
