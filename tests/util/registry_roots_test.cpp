#include "util/registry_roots.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(RegistryRoots, NamesInAnyCase) {
  EXPECT_EQ(RegistryRootFromName("HKEY_CLASSES_ROOT"), 0x80000000u);
  EXPECT_EQ(RegistryRootFromName("hkey_current_user"), 0x80000001u);
  EXPECT_EQ(RegistryRootFromName("Hkey_Local_Machine"), 0x80000002u);
  EXPECT_EQ(RegistryRootFromName("HKEY_USERS"), 0x80000003u);
  EXPECT_EQ(RegistryRootFromName("HKEY_PERFORMANCE_DATA"), 0x80000004u);
  EXPECT_EQ(RegistryRootFromName("HKEY_CURRENT_CONFIG"), 0x80000005u);
  EXPECT_EQ(RegistryRootFromName("hkey_dyn_data"), 0x80000006u);
}

TEST(RegistryRoots, AnythingElseIsZero) {
  EXPECT_EQ(RegistryRootFromName(""), 0u);
  EXPECT_EQ(RegistryRootFromName("HKCU"), 0u);
  EXPECT_EQ(RegistryRootFromName(" HKEY_USERS"), 0u);
  EXPECT_EQ(RegistryRootFromName("HKEY_USERS\\Software"), 0u);
  EXPECT_EQ(RegistryRootFromName("HKEY_USER"), 0u);
}

}  // namespace
}  // namespace vx
