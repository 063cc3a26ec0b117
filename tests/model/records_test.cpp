#include <gtest/gtest.h>

#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/tdaten.h"
#include "model/tkategorie.h"

namespace korvex {
namespace {

TEST(TDaten, NewRecordDefaults) {
  TDaten coin;
  EXPECT_EQ(coin.count, 1);
  EXPECT_EQ(coin.category, 1);
  EXPECT_EQ(coin.catalogue, 0);
  EXPECT_EQ(coin.weight, 0);
  EXPECT_EQ(coin.circulation, 0);
  EXPECT_EQ(coin.case_, 0);
  EXPECT_EQ(coin.certificate, 0);
  EXPECT_EQ(coin.purchasedate, Today());
  EXPECT_EQ(coin.creation, Today());
  EXPECT_EQ(coin.last, Today());
  EXPECT_EQ(coin.description, nullptr);
  EXPECT_EQ(coin.next, nullptr);
}

TEST(TDaten, AssignKeepsExtraDescriptionsAndLinks) {
  TDaten source;
  source.item = "17";
  source.schoen = "A12";
  source.circulation = 5000000000LL;
  source.z3 = "Wert";
  source.z_desc[2] = "from source";
  source.case_ = 1;
  TDaten neighbour;
  TDaten target;
  target.z_desc[2] = "kept";
  target.next = &neighbour;
  target.Assign(source);
  EXPECT_EQ(target.item, "17");
  EXPECT_EQ(target.schoen, "A12");
  EXPECT_EQ(target.circulation, 5000000000LL);
  EXPECT_EQ(target.z3, "Wert");
  EXPECT_EQ(target.z_desc[2], "kept");
  EXPECT_EQ(target.next, &neighbour);
  ASSERT_NE(target.description, nullptr);  // a source without note gives an empty note
  EXPECT_EQ(target.description->text, "");
  EXPECT_EQ(target.CaseText(), "Etui");
  EXPECT_EQ(target.CertificateText(), "");

  source.description = std::make_unique<TText>(TText{"Notiz"});
  target.Assign(source);
  source.description->text = "changed";
  EXPECT_EQ(target.description->text, "Notiz");  // the text is copied, not shared
}

TEST(TDaten, FieldAccessAndCatalogueSum) {
  TDaten coin;
  coin.count = 3;
  coin.catalogue = 2.5;
  EXPECT_EQ(static_cast<double>(coin.CatalogueSum()), 7.5);
  *coin.TextField(kZ4) = "vier";
  EXPECT_EQ(coin.z4, "vier");
  coin.CatalogueNumber(3) = "RIC 5";
  EXPECT_EQ(coin.ric, "RIC 5");
  EXPECT_EQ(coin.TextField(kCount), nullptr);
  EXPECT_EQ(coin.TextField(kPurchasedate), nullptr);
  int text_fields = 0;
  for (int type = 1; type <= kFieldCount; ++type) text_fields += coin.TextField(type) != nullptr;
  EXPECT_EQ(text_fields, 32);
}

TEST(TKategorie, NewAreaDefaults) {
  TKategorie area;
  EXPECT_EQ(area.name, "Standard");
  ASSERT_EQ(area.cells.size(), 10u);
  EXPECT_EQ(area.cells[0], (TZelle{kSchoen, 40, kAlignLeft}));
  EXPECT_EQ(area.cells[9], (TZelle{kCataloguesum, 85, kAlignRight}));
  // kinds 0 and 2 only, although the Jäger column is among the defaults
  EXPECT_EQ(area.kind_in_use, (std::array<bool, 6>{true, false, true, false, false, false}));
  EXPECT_TRUE(area.FieldEnabled(kSchoen));
  EXPECT_FALSE(area.FieldEnabled(kJaeger));
  EXPECT_FALSE(area.FieldEnabled(kCity));
  EXPECT_TRUE(area.FieldEnabled(kCataloguesum));
  EXPECT_FALSE(area.FieldEnabled(kZ1));
}

TEST(TKategorie, KindInUseWithRepeatedOrInvalidKinds) {
  TKategorie area;
  area.number_active = {true, true, true};
  area.number_kind = {3, 3, 7};
  area.RecomputeKindInUse();
  EXPECT_EQ(area.kind_in_use, (std::array<bool, 6>{false, false, false, true, false, false}));
  area.SetNumberKind(3, 4);
  EXPECT_TRUE(area.kind_in_use[4]);
  area.number_active[0] = false;  // changing the switch alone does not recompute
  EXPECT_TRUE(area.kind_in_use[3]);
}

TEST(TKategorie, ShortLabelIsCutToThreeCharacters) {
  TKategorie area;
  area.SetShort("ABCDE");
  EXPECT_EQ(area.short_, "ABC");
  area.SetShort("D");
  EXPECT_EQ(area.short_, "D");
}

TEST(TText, LineEndsBecomeCrLf) {
  TText note{"a\nb"};
  note.NormaliseLineEnds();
  EXPECT_EQ(note.text, "a\r\nb");
  TText already{"a\r\nb\n"};
  already.NormaliseLineEnds();
  EXPECT_EQ(already.text, "a\r\nb\r\n");
  TText plain{"abc"};
  plain.NormaliseLineEnds();
  EXPECT_EQ(plain.text, "abc");
}

TEST(TZelle, AlignmentTexts) {
  EXPECT_EQ(AlignmentText(1), "right");
  EXPECT_EQ(AlignmentText(2), "center");
  EXPECT_EQ(AlignmentText(5), "");
  EXPECT_EQ(AlignmentOfText("center"), 2);
  EXPECT_EQ(AlignmentOfText("Right"), 0);
  EXPECT_EQ(AlignmentOfText(""), 0);
}

}  // namespace
}  // namespace korvex
