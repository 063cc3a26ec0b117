#include <gtest/gtest.h>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/exchangefakes.h"
#include "files/exchangetestdata.h"
#include "files/fileerrors.h"
#include "files/readlimits.h"
#include "files/textimport.h"
#include "files/textimportcells.h"
#include "files/textimportelements.h"
#include "files/textimportlines.h"
#include "model/datetime.h"
#include "model/paths.h"

namespace korvex {
namespace {

const std::string kDatesFailed =
    "Es konnten nicht alle Kaufdaten und Wartungsdaten übernommen werden. Die nicht übernommenen "
    "Datumsangaben haben ein Fragezeichen erhalten";

const std::string kReadError = "Beim Einlesen der Quelldatei ist ein Fehler aufgetreten!";

using Choice = UnknownAreaAnswer::Choice;

int ElementIndex(const std::string& name) {
  const std::vector<std::string>& names = TextImportElementNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no element " << name;
  return -1;
}

std::vector<std::string> Members(const CollectionDocument& document,
                                 std::string TDaten::*member) {
  std::vector<std::string> values;
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    values.push_back(coin->*member);
  }
  return values;
}

TEST(TextImportLinesTest, SeparatorFollowsTheFirstLine) {
  EXPECT_EQ(ChooseTextImportSeparator("a\tb\tc"), '\t');
  EXPECT_EQ(ChooseTextImportSeparator("a\tb;c;d"), ';');
  EXPECT_EQ(ChooseTextImportSeparator("a;b,c"), ',');
  EXPECT_EQ(ChooseTextImportSeparator("Land"), ',');
}

TEST(TextImportLinesTest, SplittingKnowsNoQuotingAndFillsOrCutsCells) {
  std::vector<std::string_view> cells;
  SplitTextImportLine(CutTrailingSeparator("Land;Stadt;", ';'), ';', 0, cells);
  EXPECT_EQ(cells, (std::vector<std::string_view>{"Land", "Stadt"}));
  SplitTextImportLine("\"a;b\";c", ';', 3, cells);
  EXPECT_EQ(cells, (std::vector<std::string_view>{"\"a", "b\"", "c"}));
  SplitTextImportLine("x", ';', 3, cells);
  EXPECT_EQ(cells, (std::vector<std::string_view>{"x", "", ""}));
  SplitTextImportLine("1;2;3;4", ';', 2, cells);
  EXPECT_EQ(cells, (std::vector<std::string_view>{"1", "2"}));
  SplitTextImportLine(";;", ';', 0, cells);
  EXPECT_EQ(cells.size(), 3u);
  // Only one trailing separator is cut.
  EXPECT_EQ(CutTrailingSeparator("a;;", ';'), "a;");
}

TEST(TextImportLinesTest, HeaderHasAtMostFortyEightNames) {
  std::string line = "c0";
  for (int i = 1; i < 60; ++i) line += ";c" + std::to_string(i);
  std::vector<std::string_view> cells;
  SplitTextImportLine(line, ';', 0, cells);
  ASSERT_EQ(cells.size(), 48u);
  EXPECT_EQ(cells.back(), "c47");
}

TEST(TextImportLinesTest, LinesEndAtCrLfLfOrCrAndEmptyLinesAreLeftOut) {
  EXPECT_EQ(SplitTextImportLines("a\r\nb\nc\rd\r\n\r\ne"),
            (std::vector<std::string_view>{"a", "b", "c", "d", "e"}));
  EXPECT_TRUE(SplitTextImportLines("\r\n\n").empty());
}

TEST(TextImportCellsTest, NumbersAcceptBothSeparatorConventions) {
  double value = -1;
  ASSERT_TRUE(ReadImportNumber("1.234,50", value));
  EXPECT_DOUBLE_EQ(value, 1234.5);
  ASSERT_TRUE(ReadImportNumber("1,234.50", value));
  EXPECT_DOUBLE_EQ(value, 1234.5);
  ASSERT_TRUE(ReadImportNumber("1.000", value));
  EXPECT_DOUBLE_EQ(value, 1);
  ASSERT_TRUE(ReadImportNumber("-0,5", value));
  EXPECT_DOUBLE_EQ(value, -0.5);
  value = 7;
  EXPECT_FALSE(ReadImportNumber("?", value));
  EXPECT_FALSE(ReadImportNumber("12 Euro", value));
  EXPECT_FALSE(ReadImportNumber("", value));
  EXPECT_EQ(value, 7);
}

TEST(TextImportCellsTest, IntegersCutDecimalsAndKeepSixtyFourBits) {
  long long value = 0;
  ASSERT_TRUE(ReadImportInteger("9007199254740993", value));
  EXPECT_EQ(value, 9007199254740993LL);
  ASSERT_TRUE(ReadImportInteger("2,9", value));
  EXPECT_EQ(value, 2);
  ASSERT_TRUE(ReadImportInteger("-2.9", value));
  EXPECT_EQ(value, -2);
  EXPECT_FALSE(ReadImportInteger("1e30", value));
  EXPECT_FALSE(ReadImportInteger("viele", value));
}

TEST(TextImportCellsTest, DatesKnowTheNoDateSpellingsAndReportFailures) {
  const FormatSettings german = FormatSettings::German();
  for (const char* cell : {"?", "-", "", "00.00.0000"}) {
    bool failed = false;
    EXPECT_EQ(ReadImportDate(cell, german, failed), kNoDate) << cell;
    EXPECT_FALSE(failed) << cell;
  }
  bool failed = false;
  EXPECT_EQ(ReadImportDate("07.07.2009", german, failed), 40001);
  EXPECT_FALSE(failed);
  EXPECT_EQ(ReadImportDate("31.02.2009", german, failed), kNoDate);
  EXPECT_TRUE(failed);
  failed = false;
  EXPECT_EQ(ReadImportDate("07.07.2009 12:00:00", german, failed), kNoDate);
  EXPECT_TRUE(failed);
  // The zero date of another date format is no date either.
  failed = false;
  EXPECT_EQ(ReadImportDate("0000-00-00", FormatSettings::English(), failed), kNoDate);
  EXPECT_FALSE(failed);
}

TEST(TextImportCellsTest, TrimRemovesBlanksAtBothEnds) {
  EXPECT_EQ(TrimImportCell("  a b \t"), "a b");
  EXPECT_EQ(TrimImportCell("   "), "");
}

class TextImportTest : public ::testing::Test {
 protected:
  TextImportTest() { test::AddExchangeAreas(document_); }

  TextImportResult Import(const std::string& content) {
    test::WriteFileBytes(path_, content);
    return ImportTextFile(PathText(path_), document_, FormatSettings::German(), services_);
  }

  test::TempDir dir_;
  std::filesystem::path path_ = dir_ / "import.txt";
  CollectionDocument document_;
  test::ScriptedMessages messages_;
  test::ScriptedColumnQuestion columns_;
  test::ScriptedAreaQuestion areas_;
  TextImportServices services_{messages_, columns_, areas_};
};

TEST_F(TextImportTest, NewCoinsStandInReverseOrderAfterTheExistingOnes) {
  auto existing = std::make_unique<TDaten>();
  existing->av_motive = "alt";
  document_.Append(std::move(existing));
  const TextImportResult result =
      Import("Kategorie\tMotiv Vorderseite\tLand\r\nSchweiz\tA\r\nschweiz\tB\r\nSCHWEIZ\tC\r\n");
  EXPECT_EQ(result.new_coins, 3);
  EXPECT_EQ(Members(document_, &TDaten::av_motive),
            (std::vector<std::string>{"alt", "C", "B", "A"}));
  EXPECT_EQ(document_.coin_count, 4);
  for (TDaten* coin = document_.first_coin->next; coin; coin = coin->next) {
    EXPECT_EQ(coin->category, 2);
  }
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(areas_.asked.empty());
  // Both orders hold the new coins.
  EXPECT_EQ(document_.first_shown->display_next->display_next->display_next->av_motive, "A");
}

TEST_F(TextImportTest, MixedFileIsMappedCellByCell) {
  // One tab and several semicolons: split at semicolons. A trailing separator adds no column.
  const std::string content =
      "Land\tStadt;Kategorie;Katalogwert;Kaufpreis;Kaufdatum;Gewicht;Wunsch;Auflage;\r\n"
      "CH;Deutschland;1.234,50;1,234.50;?;-;x;1.000.000;\r\n"
      "AT;Deutschland;  7 ;12;00.00.0000;abc;y;5\r\n";
  columns_.Answer(ElementIndex("Text"));
  columns_.Answer(ElementIndex("Text"));
  const TextImportResult result = Import(content);
  EXPECT_EQ(result.new_coins, 2);
  EXPECT_FALSE(result.dates_failed);
  EXPECT_TRUE(messages_.shown().empty());
  ASSERT_EQ(columns_.asked.size(), 2u);
  EXPECT_EQ(columns_.asked[0].column_name, "Wunsch");
  EXPECT_EQ(columns_.asked[1].column_name, "Land\tStadt");
  // The first unknown column starts without a selection, the next one gets the previous choice.
  EXPECT_EQ(columns_.asked[0].selected, -1);
  EXPECT_EQ(columns_.asked[1].selected, ElementIndex("Text"));
  EXPECT_EQ(columns_.element_count, 47u);

  const TDaten& ch = *document_.first_coin->next;
  const TDaten& at = *document_.first_coin;
  EXPECT_EQ(ch.category, 1);
  EXPECT_DOUBLE_EQ(ch.catalogue, 1234.5);
  EXPECT_DOUBLE_EQ(ch.purchaseprice, 1234.5);
  EXPECT_EQ(ch.purchasedate, kNoDate);
  EXPECT_EQ(ch.weight, 0.0f);
  EXPECT_EQ(ch.circulation, 1000);
  // "Wunsch" (right) and "Land\tStadt" (left) are both text columns, appended right to left.
  EXPECT_EQ(ch.description->text, "x\r\nCH");
  EXPECT_DOUBLE_EQ(at.catalogue, 7);
  EXPECT_DOUBLE_EQ(at.purchaseprice, 12);
  EXPECT_EQ(at.purchasedate, kNoDate);
  EXPECT_EQ(at.circulation, 5);
  EXPECT_EQ(at.description->text, "y\r\nAT");
}

TEST_F(TextImportTest, HeaderNamesMatchIgnoringCaseButNotBlanks) {
  columns_.Answer(ElementIndex("Thema"));
  Import("lAND;stadt;Land ;Kategorie\r\nSchweiz;Bern;Tiere;Schweiz\r\n");
  ASSERT_EQ(columns_.asked.size(), 1u);
  EXPECT_EQ(columns_.asked[0].column_name, "Land ");
  const TDaten& coin = *document_.first_coin;
  EXPECT_EQ(coin.country, "Schweiz");
  EXPECT_EQ(coin.city, "Bern");
  EXPECT_EQ(coin.theme, "Tiere");
}

TEST_F(TextImportTest, ColumnsMissingFromTheFileKeepTheDefaultsOfANewCoin) {
  Import("Kategorie,Qu\nDeutschland,ss\n");
  const TDaten& coin = *document_.first_coin;
  EXPECT_EQ(coin.quality, "ss");
  EXPECT_EQ(coin.count, 1);
  EXPECT_EQ(coin.purchasedate, Today());
  EXPECT_EQ(coin.catalogue, 0);
  ASSERT_TRUE(coin.description);
  EXPECT_EQ(coin.description->text, "");
}

TEST_F(TextImportTest, UnconvertibleNumbersKeepTheDefault) {
  Import("Kategorie;St.;Katalogwert;Gewicht\r\nSchweiz;?;viel;-\r\n");
  const TDaten& coin = *document_.first_coin;
  EXPECT_EQ(coin.count, 1);
  EXPECT_EQ(coin.catalogue, 0);
  EXPECT_EQ(coin.weight, 0);
}

TEST_F(TextImportTest, FailedDatesAreReportedOnceAndBecomeNoDate) {
  const TextImportResult result = Import(
      "Kategorie;Kaufdatum;Anlagedatum;Letzte \xC4nderung\r\n"
      "Schweiz;01.02.2003;01.02.2003 10:00:00;kaputt\r\n"
      "Schweiz;32.01.2003;05.06.2007;\r\n");
  EXPECT_TRUE(result.dates_failed);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kDatesFailed});
  const TDaten& second_line = *document_.first_coin;
  const TDaten& first_line = *document_.first_coin->next;
  EXPECT_EQ(first_line.purchasedate, *DayNumber(2003, 2, 1));
  EXPECT_EQ(first_line.creation, kNoDate);
  EXPECT_EQ(first_line.last, kNoDate);
  EXPECT_EQ(second_line.purchasedate, kNoDate);
  EXPECT_EQ(second_line.creation, *DayNumber(2007, 6, 5));
  EXPECT_EQ(second_line.last, kNoDate);
}

TEST_F(TextImportTest, CaseAndCertificateAreTakenOver) {
  Import("Kategorie;Etui;Zertifikat\r\nSchweiz;Etui;\r\nSchweiz;;Zertifikat\r\nSchweiz;ja;0\r\n");
  const TDaten& third = *document_.first_coin;
  const TDaten& second = *third.next;
  const TDaten& first = *second.next;
  EXPECT_EQ(first.case_, 1);
  EXPECT_EQ(first.certificate, 0);
  EXPECT_EQ(second.case_, 0);
  EXPECT_EQ(second.certificate, 1);
  EXPECT_EQ(third.case_, 1);
  EXPECT_EQ(third.certificate, 0);
}

TEST_F(TextImportTest, LeftmostAreaColumnGivesTheAreaEvenWhenEmpty) {
  areas_.Answer(Choice::kEntry, 0);
  Import("Kategorie;Kategorie (als Zahl);Motiv Vorderseite\r\n;Schweiz;Adler\r\n");
  ASSERT_EQ(areas_.asked.size(), 1u);
  EXPECT_EQ(areas_.asked[0].area_name, "");
  EXPECT_FALSE(areas_.asked[0].new_enabled);
  EXPECT_EQ(areas_.asked[0].motive, "Adler");
  EXPECT_EQ(document_.first_coin->category, 1);
}

TEST_F(TextImportTest, UnknownAreaChosenOnceServesLaterCoinsOfThatName) {
  areas_.Answer(Choice::kEntry, 1);
  Import("Kategorie,Motiv Vorderseite\r\nHelvetia,A\r\nhelvetia,B\r\nDeutschland,C\r\n");
  ASSERT_EQ(areas_.asked.size(), 1u);
  // Lines are handled from the last one: C is known, B asks, A finds the renamed entry.
  EXPECT_EQ(areas_.asked[0].motive, "B");
  EXPECT_EQ(areas_.asked[0].area_name, "helvetia");
  EXPECT_TRUE(areas_.asked[0].new_enabled);
  EXPECT_EQ(areas_.asked[0].entries, (std::vector<std::string>{"Deutschland", "Schweiz"}));
  EXPECT_EQ(Members(document_, &TDaten::av_motive), (std::vector<std::string>{"C", "B", "A"}));
  std::vector<int> categories;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    categories.push_back(coin->category);
  }
  EXPECT_EQ(categories, (std::vector<int>{1, 2, 2}));
  // The area keeps its own name.
  EXPECT_EQ(document_.areas[1]->name, "Schweiz");
}

TEST_F(TextImportTest, NewAreaIsCreatedFromTheName) {
  areas_.Answer(Choice::kNew);
  Import("Kategorie,Motiv Vorderseite\r\n\xD6sterreich,A\r\n\xD6sterreich,B\r\n");
  ASSERT_EQ(areas_.asked.size(), 1u);
  ASSERT_EQ(document_.AreaCount(), 3);
  const TKategorie& area = *document_.areas[2];
  EXPECT_EQ(area.name, "\xD6sterreich");
  EXPECT_EQ(area.short_, "\xD6st");
  EXPECT_TRUE(area.menu);
  EXPECT_TRUE(area.icon_button);
  EXPECT_EQ(area.category, 3);
  EXPECT_EQ(area.number_kind, (std::array<int32_t, 3>{0, 2, 1}));
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    EXPECT_EQ(coin->category, 3);
  }
}

TEST_F(TextImportTest, IgnoringAreasPutsEveryUnknownCoinIntoOneNewArea) {
  areas_.Answer(Choice::kIgnoreAreas);
  Import("Kategorie,Motiv Vorderseite\r\nItalien,A\r\nSchweiz,B\r\nFrankreich,C\r\n,D\r\n");
  ASSERT_EQ(areas_.asked.size(), 1u);
  EXPECT_EQ(areas_.asked[0].motive, "D");
  ASSERT_EQ(document_.AreaCount(), 3);
  const TKategorie& area = *document_.areas[2];
  EXPECT_EQ(area.name, "M\xFCnzen ohne Kategorie");
  EXPECT_EQ(area.short_, "??");
  EXPECT_TRUE(area.menu);
  EXPECT_TRUE(area.icon_button);
  EXPECT_EQ(area.category, 3);
  std::vector<int> categories;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    categories.push_back(coin->category);
  }
  // D, C, B, A: the known "Schweiz" still finds its area.
  EXPECT_EQ(categories, (std::vector<int>{3, 3, 2, 3}));
}

TEST_F(TextImportTest, AreaListGrowsWithTheNewAreas) {
  areas_.Answer(Choice::kNew);
  areas_.Answer(Choice::kEntry, 2);
  Import("Kategorie,Motiv Vorderseite\r\nRom,A\r\nGriechenland,B\r\n");
  ASSERT_EQ(areas_.asked.size(), 2u);
  EXPECT_EQ(areas_.asked[1].entries,
            (std::vector<std::string>{"Deutschland", "Schweiz", "Griechenland"}));
  EXPECT_EQ(document_.AreaCount(), 3);
  EXPECT_EQ(document_.first_coin->next->category, 3);
}

TEST_F(TextImportTest, CoinsOfAreaZeroGetAnAreaAfterwards) {
  auto orphan = std::make_unique<TDaten>();
  orphan->category = 0;
  orphan->av_motive = "Waise";
  document_.Append(std::move(orphan));
  areas_.Answer(Choice::kEntry, 1);
  Import("Kategorie,Motiv Vorderseite\r\nDeutschland,A\r\n");
  ASSERT_EQ(areas_.asked.size(), 1u);
  EXPECT_EQ(areas_.asked[0].motive, "Waise");
  EXPECT_FALSE(areas_.asked[0].new_enabled);
  EXPECT_EQ(document_.first_coin->category, 2);
}

TEST_F(TextImportTest, AnswersTheDialogsCannotGiveAreTakenSafely) {
  columns_.Answer(99);
  areas_.Answer(Choice::kNew);  // no name: "Neu" is not offered
  Import("Unbekannt\r\nwas\r\n");
  EXPECT_EQ(document_.first_coin->description->text, "was");
  EXPECT_EQ(document_.AreaCount(), 3);
  EXPECT_EQ(document_.first_coin->category, 3);
}

TEST_F(TextImportTest, MissingFileReportsErr2AndChangesNothing) {
  const TextImportResult result = ImportTextFile(PathText(dir_ / "fehlt.txt"), document_,
                                                 FormatSettings::German(), services_);
  EXPECT_EQ(result.new_coins, 0);
  EXPECT_EQ(messages_.texts(),
            std::vector<std::string>{kReadError + " (Err 2)"});
  EXPECT_EQ(document_.coin_count, 0);
}

TEST_F(TextImportTest, UnreadableFileReportsErr1) {
  std::filesystem::create_directory(dir_ / "ordner.txt");
  ImportTextFile(PathText(dir_ / "ordner.txt"), document_, FormatSettings::German(), services_);
  EXPECT_EQ(messages_.texts(),
            std::vector<std::string>{kReadError + " (Err 1)"});
  EXPECT_EQ(document_.coin_count, 0);
}

TEST_F(TextImportTest, FileLargerThanAnyDocumentIsRefusedUnread) {
  Import("Kategorie,Land\r\nSchweiz,CH\r\n");
  ASSERT_EQ(document_.coin_count, 1);
  // A sparse file: its size alone refuses it.
  std::filesystem::resize_file(path_, read_limits::kMaxDocumentBytes + 1);
  const TextImportResult result =
      ImportTextFile(PathText(path_), document_, FormatSettings::German(), services_);
  EXPECT_EQ(result.new_coins, 0);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kNotACollectionFile});
  EXPECT_EQ(document_.coin_count, 1);
}

TEST_F(TextImportTest, LinesBeyondTheRoomOfTheCollectionAreRefusedAsAWhole) {
  // The collection counts as holding all but two of the coins a collection may hold.
  document_.coin_count = static_cast<int32_t>(read_limits::kMaxCoins - 2);
  EXPECT_EQ(Import("Kategorie,Land\r\nSchweiz,A\r\nSchweiz,B\r\nSchweiz,C\r\n").new_coins, 0);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kNotACollectionFile});
  EXPECT_EQ(document_.first_coin, nullptr);
  EXPECT_EQ(Import("Kategorie,Land\r\nSchweiz,A\r\nSchweiz,B\r\n").new_coins, 2);
  EXPECT_EQ(document_.coin_count, read_limits::kMaxCoins);
}

TEST_F(TextImportTest, EmptyFileOrHeaderOnlyAddsNothing) {
  EXPECT_EQ(Import("").new_coins, 0);
  EXPECT_EQ(Import("Kategorie,Land\r\n").new_coins, 0);
  EXPECT_EQ(document_.coin_count, 0);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(TextImportTest, Utf8FileWithByteOrderMarkIsConverted) {
  Import("\xEF\xBB\xBFKategorie,Pr\xC3\xA4gest\xC3\xA4tte\r\nSchweiz,M\xC3\xBCnchen\r\n");
  EXPECT_TRUE(columns_.asked.empty());
  EXPECT_EQ(document_.first_coin->mintlocation, "M\xFCnchen");
}

TEST_F(TextImportTest, FinishingSortsRecomputesAndMarksModified) {
  Import("Kategorie,Inventarnr.\r\nSchweiz,17\r\nSchweiz,4\r\n");
  document_.current_view = 2;
  int sorted = 0;
  FinishTextImport(document_, [&](CollectionDocument& document) {
    ++sorted;
    EXPECT_EQ(&document, &document_);
  });
  EXPECT_EQ(sorted, 1);
  EXPECT_EQ(document_.highest_item, 17);
  EXPECT_EQ(document_.current_view, kAllCoinsView);
  EXPECT_TRUE(document_.modified());
}

TEST(TextImportConfirmTest, AsksBeforeAddingToTheCurrentFile) {
  test::ScriptedMessages messages;
  messages.Answer(MessageAnswer::kNo);
  messages.Answer(MessageAnswer::kYes);
  EXPECT_FALSE(ConfirmTextImport(messages));
  EXPECT_TRUE(ConfirmTextImport(messages));
  EXPECT_EQ(messages.shown()[0].text,
            "HINWEIS: Die Daten werden in die aktuelle Datei eingefügt. "
            "Soll fortgefahren werden?");
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kQuestion);
}

}  // namespace
}  // namespace korvex
