#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "tools/vxpack/manifest.h"
#include "util/error.h"

namespace vx::tools {
namespace {

namespace fs = std::filesystem;

// A source folder of its own per test, removed afterwards.
class ManifestTest : public ::testing::Test {
 protected:
  ManifestTest() : folder_(fs::temp_directory_path() / ("vx-manifest-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
  }
  ~ManifestTest() override { fs::remove_all(folder_); }

  SourceProject Read(const std::string& yaml) {
    std::ofstream(folder_ / "project.yaml") << yaml;
    return ReadSourceFolder(folder_.string());
  }
  std::string ErrorOf(const std::string& yaml) {
    try {
      Read(yaml);
    } catch (const Error& e) {
      return e.what();
    }
    return "no error";
  }

 private:
  fs::path folder_;
};

TEST_F(ManifestTest, TheFirstKeyNamesTheKindEvenWhenAnotherKeyIsAKind) {
  const SourceProject source = Read(
      "pages:\n"
      "  - name: Main\n"
      "    objects:\n"
      "      - edit: visitor\n"
      "        text: typed\n"
      "      - text: label\n"
      "        caption: shown\n");
  const auto& objects = source.model.pages.at(0).objects;
  ASSERT_EQ(objects.size(), 2u);
  const auto* edit = std::get_if<EditModel>(&objects[0]);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->name, "visitor");
  EXPECT_EQ(edit->text, "typed");
  const auto* text = std::get_if<TextModel>(&objects[1]);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->caption, "shown");
}

TEST_F(ManifestTest, AnObjectWithoutItsKindFirstNamesItsLine) {
  EXPECT_EQ(ErrorOf("pages:\n"
                    "  - name: Main\n"
                    "    objects:\n"
                    "      - caption: x\n"
                    "        text: y\n"),
            "project.yaml:4: an object needs its kind as its first key: text, edit, button, picture, shape, "
            "sound, video, flash, browser, timer or plugin");
  EXPECT_EQ(ErrorOf("pages:\n"
                    "  - name: Main\n"
                    "    objects:\n"
                    "      - text: a\n"
                    "        max-length: 3\n"),
            "project.yaml:5: unknown setting \"max-length\" of a text");
}

}  // namespace
}  // namespace vx::tools
