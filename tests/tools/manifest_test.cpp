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


// A font named by its family travels inside the presentation once, however
// often it is named, and the player installs it from the embedded copy.
TEST_F(ManifestTest, AFontFamilyIsFoundInstalledAndEmbeddedOnce) {
  if (!fs::exists("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"))
    GTEST_SKIP() << "fonts-dejavu-core is not installed";
  const SourceProject source = Read("fonts: [{family: dejavu sans}, {family: DejaVu Sans}, \"[src]own.ttf\"]\n");
  ASSERT_EQ(source.model.embeddedFiles.size(), 1u);
  EXPECT_EQ(source.model.embeddedFiles[0].name, "DejaVuSans.ttf");
  EXPECT_GT(source.model.embeddedFiles[0].bytes.size(), 10000u);
  EXPECT_EQ(source.model.embeddedFiles[0].bytes.substr(0, 4), std::string("\0\1\0\0", 4));  // TrueType
  EXPECT_EQ(source.model.fonts,
            (std::vector<std::string>{"[embed]DejaVuSans.ttf", "[embed]DejaVuSans.ttf", "[src]own.ttf"}));
}

TEST_F(ManifestTest, MissingFontsAndFilesAreNamedAsTheAuthorWroteThem) {
  // Fontconfig answers every family with a fallback; that is no match.
  EXPECT_EQ(ErrorOf("fonts:\n  - {family: No Such Family 1234}\n"),
            "project.yaml:2: no installed font of the family \"No Such Family 1234\"");
  EXPECT_EQ(ErrorOf("fonts: [{name: x}]\n"), "project.yaml:1: expected a font file or {family: NAME}");
  EXPECT_EQ(ErrorOf("embedded: [media/missing.wav]\n"), "project.yaml:1: cannot read \"media/missing.wav\"");
}

}  // namespace
}  // namespace vx::tools
