#include <gtest/gtest.h>

#include "dialogs/entryrules.h"
#include "model/numberformat.h"

namespace korvex {
namespace {

// --- count ---

TEST(CountOperatorTest, RelativeCountsFromTheCountOnEntering) {
  const int count = CountOnEnter("5");
  EXPECT_EQ(count, 5);
  EXPECT_EQ(ApplyCountOperator(count, "+3")->text, "8");
  EXPECT_FALSE(ApplyCountOperator(count, "+3")->negative);
  EXPECT_EQ(ApplyCountOperator(count, "-5")->text, "0");
  EXPECT_EQ(ApplyCountOperator(count, "+")->text, "5");  // a sign without a number adds 0
}

TEST(CountOperatorTest, NegativeResultWarnsAndKeepsTheCount) {
  const std::optional<CountChange> change = ApplyCountOperator(5, "-7");
  ASSERT_TRUE(change);
  EXPECT_TRUE(change->negative);
  EXPECT_EQ(change->text, "5");
}

TEST(CountOperatorTest, OtherTextsStayAsTyped) {
  EXPECT_FALSE(ApplyCountOperator(5, "abc"));
  EXPECT_FALSE(ApplyCountOperator(5, "12"));
  EXPECT_FALSE(ApplyCountOperator(5, ""));
  EXPECT_EQ(CountOnEnter("abc"), 0);
  EXPECT_EQ(CountOnEnter(""), 0);
}

TEST(CountOperatorTest, FreeFilterTurnsAtLeastIntoNegativeMarkers) {
  EXPECT_EQ(FilterCountOperator(">=5"), "-6");
  EXPECT_EQ(FilterCountOperator(">5"), "-7");
  EXPECT_EQ(FilterCountOperator(">=1"), "-2");
  EXPECT_EQ(FilterCountOperator(">0"), "-2");
  EXPECT_EQ(FilterCountOperator("> 12 St\xFC" "ck"), "-14");
  EXPECT_FALSE(FilterCountOperator("+3"));
  EXPECT_FALSE(FilterCountOperator("5"));
  EXPECT_FALSE(FilterCountOperator(">"));
}

// --- prices ---

TEST(PriceRuleTest, DashesBecomeZeros) {
  EXPECT_EQ(CleanPriceText("12,-"), "12,0");
  EXPECT_EQ(CleanPriceText("-,50"), "0,50");
  EXPECT_EQ(CleanPriceText("7,25"), "7,25");
}

TEST(PriceRuleTest, CatalogueValueFillsEmptyOrHiddenFieldsOnly) {
  EXPECT_TRUE(TakesCatalogueValue("", true, false));
  EXPECT_FALSE(TakesCatalogueValue("", true, true));      // change mode keeps it empty
  EXPECT_FALSE(TakesCatalogueValue("3,00", true, false)); // filled: never overwritten
  EXPECT_TRUE(TakesCatalogueValue("3,00", false, true));  // hidden: always follows
}

// --- weights ---

TEST(FinenessTest, RatioTextsByTheDigitsOfTheWholePart) {
  EXPECT_EQ(FinenessRatioText("900"), "900/1000");
  EXPECT_EQ(FinenessRatioText("900/1000"), "900/1000");
  EXPECT_EQ(FinenessRatioText("999,9"), "999,9/1000");
  EXPECT_EQ(FinenessRatioText("9999"), "9999/10000");
  EXPECT_EQ(FinenessRatioText("0,9"), "0,9/1000");
  EXPECT_EQ(FinenessRatioText("0,900"), "0,900/1000");
  EXPECT_EQ(FinenessRatioText("5"), "5/1000");
}

TEST(FinenessTest, FineWeightFromWeight) {
  const WeightTexts texts{"10", ""};
  EXPECT_EQ(WeightsFromFineness(texts, "900", WeightField::kFineness)->fine, "9.000");
  EXPECT_EQ(WeightsFromFineness(texts, "900/1000", WeightField::kFineness)->fine, "9.000");
  EXPECT_EQ(WeightsFromFineness(texts, "999,9", WeightField::kWeight)->fine, "9.999");
  EXPECT_EQ(WeightsFromFineness(texts, "9999", WeightField::kFineness)->fine, "9.999");
  EXPECT_EQ(WeightsFromFineness(texts, "0,900", WeightField::kFineness)->fine, "0.009");
  EXPECT_EQ(WeightsFromFineness(texts, "0,9", WeightField::kFineness)->fine, "0.009");
  EXPECT_EQ(WeightsFromFineness({"31,1", ""}, "900", WeightField::kWeight)->fine, "27.990");
}

TEST(FinenessTest, WeightFromFineWeight) {
  const std::optional<WeightTexts> result =
      WeightsFromFineness({"", "9"}, "900", WeightField::kFine);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->weight, "10.000");
  EXPECT_EQ(result->fine, "9");
}

TEST(FinenessTest, NothingChangesWithoutSomethingToCompute) {
  EXPECT_FALSE(WeightsFromFineness({"10", "8"}, "900", WeightField::kFineness));
  EXPECT_FALSE(WeightsFromFineness({"", ""}, "900", WeightField::kFineness));
  EXPECT_FALSE(WeightsFromFineness({"10", ""}, "  ", WeightField::kFineness));
  // The field being left is not the one written.
  EXPECT_FALSE(WeightsFromFineness({"10", ""}, "900", WeightField::kFine));
  EXPECT_FALSE(WeightsFromFineness({"", "9"}, "900", WeightField::kWeight));
}

TEST(FinenessTest, ZeroInTheRatioLeavesBothWeights) {
  EXPECT_FALSE(ReadFinenessRatio("0/1000"));
  EXPECT_FALSE(ReadFinenessRatio("900/0"));
  EXPECT_FALSE(ReadFinenessRatio("Silber"));
  EXPECT_FALSE(WeightsFromFineness({"", "9"}, "0", WeightField::kFineness));
  EXPECT_FALSE(WeightsFromFineness({"10", ""}, "900/0", WeightField::kFineness));
  const std::optional<FinenessRatio> ratio = ReadFinenessRatio("999,9");
  ASSERT_TRUE(ratio);
  EXPECT_DOUBLE_EQ(ratio->numerator, 999.9);
  EXPECT_DOUBLE_EQ(ratio->denominator, 1000);
}

// --- purchase date ---

class PurchaseDateTest : public ::testing::Test {
 protected:
  static FormatSettings Format(const char* format, char separator) {
    FormatSettings settings = FormatSettings::German();
    settings.short_date_format = format;
    settings.date_separator = separator;
    return settings;
  }
  const FormatSettings german_ = Format("dd.mm.yyyy", '.');
  const CalendarDate today_{2024, 6, 15};
};

TEST_F(PurchaseDateTest, ShortFormsBecomeFullDates) {
  for (const char* typed : {"1.5.4", "01052004", "1-5-2004", "1.5.2004", "1/5/04", "01.05.04"}) {
    const DateNormalisation result = NormalizePurchaseDate(typed, german_, today_);
    EXPECT_EQ(result.text, "01.05.2004") << typed;
    EXPECT_FALSE(result.warn) << typed;
  }
  EXPECT_EQ(NormalizePurchaseDate("15052004", german_, today_).text, "15.05.2004");
  EXPECT_EQ(NormalizePurchaseDate("3.1", german_, today_).text, "03.01.2024");  // current year
}

TEST_F(PurchaseDateTest, ImpossibleDatesWarnAndBecomeTheNoDateMark) {
  const DateNormalisation result = NormalizePurchaseDate("31.02.2004", german_, today_);
  EXPECT_EQ(result.text, "?");
  EXPECT_TRUE(result.warn);
  EXPECT_TRUE(NormalizePurchaseDate("123456789012", german_, today_).warn);
  EXPECT_TRUE(NormalizePurchaseDate("45", german_, today_).warn);
}

TEST_F(PurchaseDateTest, EmptyAndQuestionMarkGiveNoWarning) {
  for (const char* typed : {"", "?", "  "}) {
    const DateNormalisation result = NormalizePurchaseDate(typed, german_, today_);
    EXPECT_EQ(result.text, "?") << typed;
    EXPECT_FALSE(result.warn) << typed;
  }
}

TEST_F(PurchaseDateTest, YearFirstFormat) {
  const FormatSettings iso = Format("yyyy-mm-dd", '-');
  EXPECT_EQ(NormalizePurchaseDate("2024-5-3", iso, today_).text, "2024-05-03");
  EXPECT_EQ(NormalizePurchaseDate("20240503", iso, today_).text, "2024-05-03");
  const FormatSettings american = Format("mm/dd/yyyy", '/');
  EXPECT_EQ(NormalizePurchaseDate("5.3.2004", american, today_).text, "05/03/2004");
}

TEST_F(PurchaseDateTest, FutureYearsGoBackACentury) {
  EXPECT_EQ(NormalizePurchaseDate("01.05.2029", german_, today_).text, "01.05.1929");
  EXPECT_EQ(NormalizePurchaseDate("1.5.30", german_, today_).text, "01.05.1930");
  EXPECT_EQ(NormalizePurchaseDate("1.5.24", german_, today_).text, "01.05.2024");
  EXPECT_EQ(NormalizePurchaseDate("01.05.2029", german_, CalendarDate{2030, 1, 1}).text,
            "01.05.2029");
}

TEST_F(PurchaseDateTest, CalendarOpensOnTheFieldsDateOrToday) {
  const double today = *DayNumber(2024, 6, 15);
  EXPECT_EQ(CalendarStartDate("01.05.2004", german_, today), *DayNumber(2004, 5, 1));
  EXPECT_EQ(CalendarStartDate("01.05.2029", german_, today), today);
  EXPECT_EQ(CalendarStartDate("?", german_, today), today);
  EXPECT_EQ(CalendarStartDate("15.06.2024", german_, today), today);
}

// --- qualities ---

const std::vector<std::string> kQualities = {"ss=sehr sch\xF6n", "vz=vorz\xFCglich",
                                             "VZ+=vorz\xFCglich", "st=Stempelglanz"};

TEST(QualityRuleTest, LongNameOfACodeWithoutRegardToCase) {
  EXPECT_EQ(QualityLongNameForCode(kQualities, "SS"), "sehr sch\xF6n");
  EXPECT_EQ(QualityLongNameForCode(kQualities, "vz+"), "vorz\xFCglich");
  EXPECT_FALSE(QualityLongNameForCode(kQualities, "pp"));
  EXPECT_FALSE(QualityLongNameForCode({}, "ss"));
}

TEST(QualityRuleTest, EarliestEntryOfALongNameWins) {
  EXPECT_EQ(QualityForLongName(kQualities, "VORZ\xFCGLICH"),
            (QualityPair{"vz", "vorz\xFCglich"}));
  EXPECT_EQ(QualityForLongName(kQualities, "stempelglanz"), (QualityPair{"st", "Stempelglanz"}));
  EXPECT_FALSE(QualityForLongName(kQualities, "VORZ\xDCGLICH"));  // umlauts keep their case
  EXPECT_FALSE(QualityForLongName(kQualities, "polierte Platte"));
}

// --- pictures ---

TEST(PictureRuleTest, DialogStartsInThePictureFolderUnlessGivenAFullPath) {
  const std::string folder = "/home/sammler/Sammlung/";
  EXPECT_EQ(PictureDialogStartFor("", folder), (PictureDialogStart{folder, ""}));
  EXPECT_EQ(PictureDialogStartFor("a", folder), (PictureDialogStart{folder, "a"}));
  EXPECT_EQ(PictureDialogStartFor("euro.jpg", folder), (PictureDialogStart{folder, "euro.jpg"}));
  EXPECT_EQ(PictureDialogStartFor("/bilder/alt/euro.jpg", folder),
            (PictureDialogStart{"/bilder/alt/", "euro.jpg"}));
  EXPECT_EQ(PictureDialogStartFor("C:\\Bilder\\euro.jpg", folder),
            (PictureDialogStart{"C:\\Bilder\\", "euro.jpg"}));
}

TEST(PictureRuleTest, BareNameOnlyInsideThePictureFolderOfASavedCollection) {
  const std::string folder = "/home/sammler/Sammlung/";
  EXPECT_EQ(PictureReferenceFor("/home/sammler/Sammlung/euro.jpg", folder, true), "euro.jpg");
  EXPECT_EQ(PictureReferenceFor("/home/sammler/SAMMLUNG/euro.jpg", folder, true), "euro.jpg");
  EXPECT_EQ(PictureReferenceFor("/home/sammler/Sammlung/euro.jpg", folder, false),
            "/home/sammler/Sammlung/euro.jpg");
  EXPECT_EQ(PictureReferenceFor("/home/sammler/Sammlung/neu/euro.jpg", folder, true),
            "/home/sammler/Sammlung/neu/euro.jpg");
  EXPECT_EQ(PictureReferenceFor("/tmp/euro.jpg", "", true), "/tmp/euro.jpg");
}

}  // namespace
}  // namespace korvex
