#include <gtest/gtest.h>

#include "model/codepage.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

TEST(FieldCatalogue, KeysAndTypesAreExactInverses) {
  for (int type = 1; type <= kFieldCount; ++type) {
    EXPECT_EQ(FieldTypeOfKey(FieldKey(type)), type);
  }
  EXPECT_EQ(FieldKey(kPurchaseprice), "purchaseprice");
  EXPECT_EQ(FieldKey(kZ5), "z5");
  EXPECT_EQ(FieldKey(0), "");
  EXPECT_EQ(FieldKey(47), "");
  EXPECT_EQ(FieldKey(-3), "");
  EXPECT_EQ(FieldTypeOfKey(""), 0);
  EXPECT_EQ(FieldTypeOfKey("Quality"), 0);
  EXPECT_EQ(FieldTypeOfKey("quality "), 0);
}

TEST(FieldCatalogue, DefaultAlignments) {
  for (int type : {2, 9, 11, 19, 20, 21, 22, 23, 27, 28, 29, 30}) {
    EXPECT_EQ(DefaultAlignment(type), kAlignRight) << type;
  }
  EXPECT_EQ(DefaultAlignment(kPurchasedate), kAlignCenter);
  EXPECT_EQ(DefaultAlignment(kWidth), kAlignLeft);
  EXPECT_EQ(DefaultAlignment(0), kAlignLeft);
  EXPECT_EQ(DefaultAlignment(99), kAlignLeft);
}

TEST(FieldCatalogue, CatalogueKinds) {
  EXPECT_EQ(CatalogueKindKey(0), "schoen");
  EXPECT_EQ(CatalogueKindKey(3), "ric");
  EXPECT_EQ(CatalogueKindKey(5), "other1");
  EXPECT_EQ(CatalogueKindKey(6), "schoen");
  EXPECT_EQ(CatalogueKindKey(-1), "schoen");
  EXPECT_EQ(CatalogueKindOfKey("cohen"), 4);
  EXPECT_EQ(CatalogueKindOfKey("JAEGER"), 0);
  EXPECT_EQ(CatalogueKindOfKey("quality"), 0);
  EXPECT_EQ(FieldTypeOfKind(2), kYeoman);
}

TEST(FieldCatalogue, CaptionsAndHeaders) {
  EXPECT_EQ(Win1252ToUtf8(FieldListCaption(kQuality)), "Qualität");
  EXPECT_EQ(FieldListCaption(kOther1), "Freie Katalognummer");
  EXPECT_EQ(FieldListCaption(kOther1, true), "(Freier Katalog)");
  EXPECT_EQ(Win1252ToUtf8(FixedColumnHeader(kRvMotive)), "Motiv Rückseite");
  EXPECT_EQ(FixedColumnHeader(kCount), "St.");
  EXPECT_EQ(FixedColumnHeader(kZ1), "");
  EXPECT_EQ(Win1252ToUtf8(CatalogueKindPickerName(0)), "Schön-Nr.");
  EXPECT_EQ(CatalogueKindPickerName(1), "Jaeger-Nr.");
  EXPECT_EQ(ValueKindOf(kCirculation), ValueKind::kInteger64);
  EXPECT_EQ(ValueKindOf(kCataloguesum), ValueKind::kComputedMoney);
}

}  // namespace
}  // namespace korvex
