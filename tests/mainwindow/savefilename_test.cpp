#include <gtest/gtest.h>

#include "mainwindow/savefilename.h"

namespace korvex {
namespace {

TEST(SaveFileName, PatternsNameTheirExtension) {
  EXPECT_EQ(ExtensionOfPatterns({"*.csv"}), ".csv");
  EXPECT_EQ(ExtensionOfPatterns({"*.mvc"}), ".mvc");
  EXPECT_EQ(ExtensionOfPatterns({"*"}), "");
  EXPECT_EQ(ExtensionOfPatterns({"*.*"}), "");
  EXPECT_EQ(ExtensionOfPatterns({"*."}), "");
  EXPECT_EQ(ExtensionOfPatterns({"liste.txt"}), "");
  EXPECT_EQ(ExtensionOfPatterns({}), "");
  EXPECT_EQ(ExtensionOfPatterns({"*.mvc", "*.mvs"}), ".mvc");
}

TEST(SaveFileName, OnlyANameWithoutExtensionGetsTheDefault) {
  EXPECT_EQ(WithDefaultExtension("/daten/liste", ".csv"), "/daten/liste.csv");
  EXPECT_EQ(WithDefaultExtension("/daten/liste.txt", ".csv"), "/daten/liste.txt");
  // A dot in a folder's name is no extension of the file.
  EXPECT_EQ(WithDefaultExtension("/daten.alt/liste", ".txt"), "/daten.alt/liste.txt");
  EXPECT_EQ(WithDefaultExtension("/daten/liste", ""), "/daten/liste");
}

TEST(SaveFileName, TypedCollectionExtensionDecidesTheContainer) {
  EXPECT_EQ(CollectionSaveTargetOf("/d/test3.mvs", true).path, "/d/test3.mvs");
  EXPECT_FALSE(CollectionSaveTargetOf("/d/test3.mvs", true).compressed);
  EXPECT_TRUE(CollectionSaveTargetOf("/d/test3.mvc", false).compressed);
  EXPECT_TRUE(CollectionSaveTargetOf("/d/TEST3.MVC", false).compressed);
  EXPECT_EQ(CollectionSaveTargetOf("/d/TEST3.MVC", false).path, "/d/TEST3.MVC");
  EXPECT_FALSE(CollectionSaveTargetOf("/d/Test3.Mvs", true).compressed);
}

TEST(SaveFileName, OtherNamesGetTheChosenTypesExtension) {
  const CollectionSaveTarget plain = CollectionSaveTargetOf("/d/test2", false);
  EXPECT_EQ(plain.path, "/d/test2.mvs");
  EXPECT_FALSE(plain.compressed);
  const CollectionSaveTarget packed = CollectionSaveTargetOf("/d/test2", true);
  EXPECT_EQ(packed.path, "/d/test2.mvc");
  EXPECT_TRUE(packed.compressed);
  // A name whose extension is no collection's would open as something else.
  EXPECT_EQ(CollectionSaveTargetOf("/d/Sammlung.2024", true).path, "/d/Sammlung.2024.mvc");
  EXPECT_EQ(CollectionSaveTargetOf("/d/Sammlung.txt", false).path, "/d/Sammlung.txt.mvs");
  EXPECT_EQ(CollectionSaveTargetOf("/d/Vorlage.mvv", true).path, "/d/Vorlage.mvv.mvc");
}

}  // namespace
}  // namespace korvex
