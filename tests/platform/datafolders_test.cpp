// Where the program finds its shipped data: beside a program kept in one folder, or in
// share/korvex of an installation and of a build folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/tempdir.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* value = std::getenv("KORVEX_PROGRAM_DIR")) saved_ = value;
  }
  void TearDown() override {
    if (saved_.empty()) {
      unsetenv("KORVEX_PROGRAM_DIR");
    } else {
      setenv("KORVEX_PROGRAM_DIR", saved_.c_str(), 1);
    }
  }
  test::TempDir root_;

 private:
  std::string saved_;
};

TEST_F(ProgramFolderTest, FolderHoldingTheRatesIsTheProgramFolder) {
  test::WriteFileBytes(root_ / "waehrung.umr", "EUR=100\r\n");
  EXPECT_EQ(ProgramFolderBeside(root_.path()), root_.path());
}

TEST_F(ProgramFolderTest, InstalledProgramFindsShareKorvexBesideBin) {
  std::filesystem::create_directories(root_ / "bin");
  std::filesystem::create_directories(root_ / "share" / "korvex");
  test::WriteFileBytes(root_ / "share" / "korvex" / "waehrung.umr", "EUR=100\r\n");
  const std::filesystem::path folder = ProgramFolderBeside(root_ / "bin");
  EXPECT_EQ(folder, (root_ / "share" / "korvex").lexically_normal());
  EXPECT_TRUE(std::filesystem::exists(folder / "waehrung.umr"));
}

TEST_F(ProgramFolderTest, WithoutDataTheInstalledPlaceIsNamed) {
  // Messages about missing files then name the place where an installation keeps them.
  EXPECT_EQ(ProgramFolderBeside(root_ / "bin"), (root_ / "share" / "korvex").lexically_normal());
}

TEST_F(ProgramFolderTest, EnvironmentNamesTheFolderDirectly) {
  setenv("KORVEX_PROGRAM_DIR", root_.path().c_str(), 1);
  EXPECT_EQ(ProgramFolder(), root_.path());
  unsetenv("KORVEX_PROGRAM_DIR");
  // This suite runs from a build folder without rates beside it.
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  ASSERT_FALSE(error);
  EXPECT_EQ(ProgramFolder(), (self.parent_path() / ".." / "share" / "korvex").lexically_normal());
}

}  // namespace
}  // namespace korvex
