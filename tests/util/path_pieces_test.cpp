#include "util/path_pieces.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

struct PathCase {
  const char* fileName;
  const char* withoutDrive;
  const char* name;
  const char* extension;
};

class PathPieces : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathPieces, SplitsTheName) {
  const PathCase& c = GetParam();
  EXPECT_EQ(PathWithoutDrive(c.fileName), c.withoutDrive) << c.fileName;
  EXPECT_EQ(NameWithoutExtension(c.fileName), c.name) << c.fileName;
  EXPECT_EQ(ExtensionOf(c.fileName), c.extension) << c.fileName;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathPieces,
    ::testing::Values(PathCase{"C:\\a\\b\\f.txt", "a\\b", "f", ".txt"},
                      PathCase{"C:\\f.txt", "", "f", ".txt"},
                      PathCase{"C:\\a\\f", "a", "f", ""},
                      PathCase{"f.tar.gz", "", "f", ".tar.gz"},
                      PathCase{"a\\b.c\\f", "b.c", "f", ""},
                      PathCase{"\\\\srv\\share\\f.doc", "\\srv\\share", "f", ".doc"},
                      PathCase{"C:f.txt", "C:", "f", ".txt"},
                      PathCase{".hidden", "", "", ".hidden"},
                      PathCase{"C:\\a\\", "a", "", ""},
                      PathCase{"", "", "", ""}));

}  // namespace
}  // namespace vx
