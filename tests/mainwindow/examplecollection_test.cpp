#include "mainwindow/examplecollection.h"

#include <gtest/gtest.h>

#include "common/tempdir.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

class ExampleCollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program_);
    fs::create_directories(data_);
  }

  void ShipExample() {
    test::WriteFileBytes(program_ / "Beispielsammlung.mvc", "shipped collection");
    fs::create_directories(program_ / "Beispielsammlung");
    test::WriteFileBytes(program_ / "Beispielsammlung" / "euro1.jpg", "picture");
  }

  std::optional<fs::path> Install() { return InstallExampleOnFirstStart(store_, program_, data_); }

  test::TempDir dir_;
  fs::path program_ = dir_ / "program";
  fs::path data_ = dir_ / "data";
  SettingsStore store_{dir_ / "Korvex.conf"};
};

TEST_F(ExampleCollectionTest, FirstStartCopiesFileAndPicturesIntoTheDataFolder) {
  ShipExample();
  const std::optional<fs::path> example = Install();
  ASSERT_TRUE(example);
  EXPECT_EQ(*example, data_ / "Beispielsammlung.mvc");
  EXPECT_EQ(test::ReadFileBytes(*example), "shipped collection");
  EXPECT_EQ(test::ReadFileBytes(data_ / "Beispielsammlung" / "euro1.jpg"), "picture");
  EXPECT_EQ(SettingsKey(store_).ReadBool("BeispielsammlungAngeboten"), true);
}

TEST_F(ExampleCollectionTest, CopyOfAReadOnlyInstalledExampleCanBeSaved) {
  ShipExample();
  fs::permissions(program_ / "Beispielsammlung.mvc", fs::perms::owner_read | fs::perms::others_read);
  const std::optional<fs::path> example = Install();
  ASSERT_TRUE(example);
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read,
            fs::status(*example).permissions());
}

TEST_F(ExampleCollectionTest, OfferedOnlyOnce) {
  ShipExample();
  ASSERT_TRUE(Install());
  EXPECT_FALSE(Install());
}

TEST_F(ExampleCollectionTest, WithoutShippedExampleTheOfferIsStillSpent) {
  EXPECT_FALSE(Install());
  EXPECT_TRUE(SettingsKey(store_).ReadBool("BeispielsammlungAngeboten").has_value());
  ShipExample();
  EXPECT_FALSE(Install());
}

TEST_F(ExampleCollectionTest, ACopyAlreadyInTheDataFolderIsKept) {
  ShipExample();
  test::WriteFileBytes(data_ / "Beispielsammlung.mvc", "the user's own changes");
  const std::optional<fs::path> example = Install();
  ASSERT_TRUE(example);
  EXPECT_EQ(test::ReadFileBytes(*example), "the user's own changes");
  EXPECT_FALSE(fs::exists(data_ / "Beispielsammlung"));
}

TEST_F(ExampleCollectionTest, FailedCopyOpensNothing) {
  ShipExample();
  fs::remove_all(data_);  // the data folder is gone: nothing can be copied there
  EXPECT_FALSE(Install());
}

}  // namespace
}  // namespace korvex
