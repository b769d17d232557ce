// The registry and INI writers, read back through the expression functions.

#include <gtest/gtest.h>

#include "tests/script/runner_fixture.h"

namespace vx::test {
namespace {

constexpr std::uint32_t kUser = 0x80000001;
constexpr std::uint32_t kMachine = 0x80000002;

class StoreCommandsTest : public RunnerTest {};

TEST_F(StoreCommandsTest, ValuesWrittenReadBackThroughTheFunctions) {
  EXPECT_EQ(Run("50(\"Software\\Quiz\",1)\r\n"
                "53(\"learner\",\"Rostam\")\r\n"
                "54(\"score\",41.5+1)\r\n"
                "55(\"ratio\",0.25)\r\n"
                "56(\"passed\",2)\r\n"
                "$name = 29(\"learner\")\r\n"
                "#score = @62%(\"score\")\r\n"
                "#ratio = @63%(\"ratio\")\r\n"
                "#passed = @61%(\"passed\")"),
            std::nullopt);
  EXPECT_EQ(Str("name"), "Rostam");
  EXPECT_EQ(Num("score"), 42);  // 42.5 rounds half to even
  EXPECT_EQ(Num("ratio"), 0.25);
  EXPECT_EQ(Num("passed"), 1);
  // 55 stores the raw bytes of the number.
  const auto raw = desktop.registry.ReadValue(kUser, "Software\\Quiz", "ratio");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->kind, platform::RegistryValueKind::Binary);
  EXPECT_EQ(raw->data.size(), 8u);
}

TEST_F(StoreCommandsTest, OpenWithoutCreateLeavesAMissingKeyClosed) {
  // An absent second argument counts as 0: nothing is created.
  EXPECT_EQ(Run("50(\"Software\\Missing\")"), std::nullopt);
  EXPECT_FALSE(desktop.registry.KeyExists(kUser, "Software\\Missing"));
  EXPECT_EQ(Run("53(\"v\",\"x\")"), "Line #1: Failed to set data for 'v'");
  // Opening another key closes the one that was open.
  desktop.registry.AddKey(kUser, "Software\\Here");
  EXPECT_EQ(Run("50(\"Software\\Here\",0)\r\n50(\"Software\\Gone\",0)\r\n53(\"v\",\"x\")"),
            "Line #3: Failed to set data for 'v'");
}

TEST_F(StoreCommandsTest, RootNamesChooseTheRootAndAnotherRootClosesTheKey) {
  EXPECT_EQ(Run("49(\"hkey_local_machine\")\r\n50(\"Software\\Vendor\",1)\r\n53(\"v\",\"m\")"), std::nullopt);
  const auto value = desktop.registry.ReadValue(kMachine, "Software\\Vendor", "v");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->data, "m");
  EXPECT_FALSE(desktop.registry.KeyExists(kUser, "Software\\Vendor"));
  EXPECT_EQ(Run("49(\"HKEY_CURRENT_USER\")\r\n53(\"v\",\"u\")"), "Line #2: Failed to set data for 'v'");
}

TEST_F(StoreCommandsTest, AnUnknownRootOpensNothingAndWritesFail) {
  EXPECT_EQ(Run("49(\"HKEY_NOWHERE\")\r\n50(\"Software\\X\",1)"), std::nullopt);
  EXPECT_FALSE(app->scriptRegistry.openKey.has_value());
  EXPECT_EQ(Run("53(\"v\",\"x\")"), "Line #1: Failed to set data for 'v'");
  EXPECT_EQ(Run("51(\"Software\\X\")"), "Line #1: Failed to create key Software\\X");
}

TEST_F(StoreCommandsTest, CreateAndDeleteWorkUnderTheOpenKey) {
  EXPECT_EQ(Run("50(\"Software\\Show\",1)\r\n51(\"Child\\Grand\")"), std::nullopt);
  EXPECT_TRUE(desktop.registry.KeyExists(kUser, "Software\\Show\\Child\\Grand"));
  // A path that starts with "\" is taken from the root.
  EXPECT_EQ(Run("51(\"\\Software\\Other\")"), std::nullopt);
  EXPECT_TRUE(desktop.registry.KeyExists(kUser, "Software\\Other"));
  EXPECT_EQ(Run("52(\"Child\")"), std::nullopt);
  EXPECT_FALSE(desktop.registry.KeyExists(kUser, "Software\\Show\\Child"));
  EXPECT_FALSE(desktop.registry.KeyExists(kUser, "Software\\Show\\Child\\Grand"));
  // Deleting what is not there is silent.
  EXPECT_EQ(Run("52(\"Child\")"), std::nullopt);
}

TEST_F(StoreCommandsTest, AWriteTheRegistryRefusesFailsTheStatement) {
  desktop.registry.AddKey(kUser, "Software\\Locked");
  desktop.registry.DenyWrites(kUser, "Software\\Locked");
  EXPECT_EQ(Run("50(\"Software\\Locked\")\r\n54(\"n\",1)"), "Line #2: Failed to set data for 'n'");
  EXPECT_EQ(Run("51(\"Inner\")"), "Line #1: Failed to create key Inner");
}

TEST_F(StoreCommandsTest, IniValuesReadBackThroughTheFunctions) {
  EXPECT_EQ(Run("102(\"quiz.ini\")\r\n"
                "103(\"Learner\",\"Name\",\"Sohrab\")\r\n"
                "104(\"Learner\",\"Score\",12.75)\r\n"
                "105(\"Learner\",\"Passed\",1)\r\n"
                "105(\"Other\",\"Passed\",0)\r\n"
                "103(\"learner\",\"name\",\"Tahmineh\")\r\n"
                "$name = 30(\"Learner\",\"Name\")\r\n"
                "#score = @68%(\"Learner\",\"Score\")\r\n"
                "#passed = @69%(\"Learner\",\"Passed\")\r\n"
                "#other = @69%(\"Other\",\"Passed\")"),
            std::nullopt);
  EXPECT_EQ(Str("name"), "Tahmineh");  // the key is replaced in place
  EXPECT_EQ(Num("score"), 12.75);
  EXPECT_EQ(Num("passed"), 1);
  EXPECT_EQ(Num("other"), 0);
  EXPECT_EQ(desktop.files.Contents("C:\\WINDOWS\\quiz.ini"),
            "[Learner]\r\nName=Tahmineh\r\nScore=12.75\r\nPassed=1\r\n[Other]\r\nPassed=0\r\n");
}

TEST_F(StoreCommandsTest, IniWritesKeepOtherSectionsAndComments) {
  desktop.files.AddFile("C:\\Data\\set.ini", "; settings\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(Run("102(\"C:\\Data\\set.ini\")\r\n103(\"A\",\"z\",\"3\")\r\n103(\"B\",\"y\",\"4\")"), std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\set.ini"), "; settings\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=4\r\n");
}

TEST_F(StoreCommandsTest, IniWritesTheSystemRefusesFailTheStatement) {
  EXPECT_EQ(Run("103(\"A\",\"k\",\"v\")"), "Line #1: No INI file is open");
  EXPECT_EQ(Run("102(\"C:\\NoSuchFolder\\a.ini\")\r\n103(\"A\",\"k\",\"v\")"),
            "Line #2: Unable to write to C:\\NoSuchFolder\\a.ini");
  desktop.files.AddFile("C:\\ro.ini", "");
  desktop.files.SetReadOnly("C:\\ro.ini");
  EXPECT_EQ(Run("102(\"C:\\ro.ini\")\r\n105(\"A\",\"k\",1)"), "Line #2: Unable to write to C:\\ro.ini");
  EXPECT_EQ(desktop.files.Contents("C:\\ro.ini"), "");
}

}  // namespace
}  // namespace vx::test
