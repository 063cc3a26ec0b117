#include <gtest/gtest.h>

#include <cmath>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/exchangetestdata.h"
#include "files/textexport.h"
#include "mainwindow/celltext.h"
#include "model/fieldcatalogue.h"
#include "model/datetime.h"
#include "model/paths.h"

namespace korvex {
namespace {

using test::CrLfLines;
using test::SplitAt;

const std::vector<std::string> kHeaderNames = {
    "Inventarnr.", "Kategorie", "Kategorie (als Zahl)", "Qu", "Sch\xF6n", "J\xE4ger", "YEOMAN",
    "Cohen", "RIC", "St.", "Pr\xE4gest\xE4tte", "Zahl", "W\xE4hrung", "Aufbewahrungsort", "Land",
    "Stadt", "M\xFCnzmeister", "Thema", "Motiv Vorderseite", "Motiv R\xFC" "ckseite",
    "Pr\xE4gejahr", "Ausgabedatum", "G\xFCltig bis", "Katalogwert", "Gesamtkatalogwert",
    "Sch\xE4tzwert", "Kaufpreis", "Kaufdatum", "Gewicht", "Feingehalt", "Feingewicht",
    "Durchmesser", "Max. Durchmesser", "Auflage", "Legierung", "Haendler", "Rand",
    "Anlagedatum", "Letzte \xC4nderung", "Etui", "Zertifikat", "Zusatzfeld 1", "Zusatzfeld 2",
    "Zusatzfeld 3", "Zusatzfeld 4", "Zusatzfeld 5", "Text"};

class TextExportTest : public ::testing::Test {
 protected:
  TextExportTest() {
    test::AddExchangeAreas(document_);
    document_.Append(test::MakeExchangeCoin(1, 1));
    document_.Append(test::MakeExchangeCoin(2, 2));
    document_.Append(test::MakeExchangeCoin(3, 1));
  }

  std::vector<std::string> Export(const TextExportRequest& request,
                                  const FormatSettings& settings = FormatSettings::German()) {
    EXPECT_EQ(ExportTextFile(PathText(path_), document_, request, settings, messages_),
              TextExportOutcome::kWritten);
    return CrLfLines(test::ReadFileBytes(path_));
  }

  std::vector<std::string> ExportAll(char separator,
                                     const FormatSettings& settings = FormatSettings::German()) {
    TextExportRequest request;
    request.separator = separator;
    return Export(request, settings);
  }

  test::TempDir dir_;
  std::filesystem::path path_ = dir_ / "export.txt";
  CollectionDocument document_;
  test::ScriptedMessages messages_;
};

TEST_F(TextExportTest, HeaderNamesTheFortySevenColumnsInWindows1252) {
  for (const char separator : {'\t', ',', ';'}) {
    const std::vector<std::string> lines = ExportAll(separator);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(SplitAt(lines[0], separator), kHeaderNames);
  }
}

TEST_F(TextExportTest, CoinLineCarriesEveryColumnWithItsFormat) {
  const std::vector<std::string> lines = ExportAll('\t');
  const std::vector<std::string> expected = {
      "1", "Deutschland", "1", "vz", "S1", "J1", "Y1", "C1", "R1", "1", "A", "10", "Mark",
      "Album 1", "Deutschland", "M\xFCnchen", "Meister", "Tiere", "Adler 1", "Wert", "1900",
      "1.5.1900", "1.1.1950", "1.235,50", "1.235,50", "20,25", "7,50", "07.07.2009", "15,500",
      "900", "13,500", "33,25", "34,75", "1234567890124", "Silber", "H\xE4ndler", "Riffel",
      "01.04.2012 12:00:00", "27.12.2014 06:00:00", "Etui", "", "z1", "z2", "z3", "z4", "z5",
      "Notiz 1"};
  EXPECT_EQ(SplitAt(lines[1], '\t'), expected);
  // The second coin: its area, the lot's catalogue value and the certificate instead of the case.
  const std::vector<std::string> second = SplitAt(lines[2], '\t');
  EXPECT_EQ(second[1], "Schweiz");
  EXPECT_EQ(second[2], "2");
  EXPECT_EQ(second[24], "2.473,00");
  EXPECT_EQ(second[39], "");
  EXPECT_EQ(second[40], "Zertifikat");
}

TEST_F(TextExportTest, SeparatorRuleAppliesToNumbersAsWell) {
  document_.first_coin->catalogue = 1234.5;
  EXPECT_EQ(SplitAt(ExportAll(',')[1], ',')[23], "1.234.50");
  EXPECT_EQ(SplitAt(ExportAll(';')[1], ';')[23], "1.234,50");
  EXPECT_EQ(SplitAt(ExportAll('\t')[1], '\t')[23], "1.234,50");
}

TEST_F(TextExportTest, EnglishFormatsUseTheirSeparatorsAndDateFormat) {
  const std::vector<std::string> values =
      SplitAt(ExportAll(';', FormatSettings::English())[1], ';');
  EXPECT_EQ(values[23], "1,235.50");
  EXPECT_EQ(values[27], "2009-07-07");
  EXPECT_EQ(values[28], "15.500");
  EXPECT_EQ(values[37], "2012-04-01 12:00:00");
}

TEST_F(TextExportTest, EveryLineKeepsFortySevenValuesWhateverTheTextsHold) {
  TDaten& coin = *document_.first_coin;
  coin.av_motive = "a\tb;c,d";
  coin.country = "zwei\r\nZeilen";
  coin.z3 = "nur\nLF";
  coin.description->text = "Zeile 1\r\nZeile 2;\tmit, allem";
  for (const char separator : {'\t', ',', ';'}) {
    const std::vector<std::string> lines = ExportAll(separator);
    ASSERT_EQ(lines.size(), 4u) << separator;
    for (const std::string& line : lines) EXPECT_EQ(SplitAt(line, separator).size(), 47u);
  }
  const std::vector<std::string> tab = SplitAt(ExportAll('\t')[1], '\t');
  EXPECT_EQ(tab[18], "a b;c,d");
  EXPECT_EQ(tab[14], "zwei  Zeilen");
  EXPECT_EQ(tab[43], "nur LF");
  EXPECT_EQ(tab[46], "Zeile 1  Zeile 2; mit, allem");
  EXPECT_EQ(SplitAt(ExportAll(';')[1], ';')[18], "a\tb,c,d");
  EXPECT_EQ(SplitAt(ExportAll(',')[1], ',')[18], "a\tb;c.d");
}

TEST_F(TextExportTest, NoDateIsWrittenAsZeros) {
  document_.first_coin->purchasedate = kNoDate;
  document_.first_coin->creation = kNoDate;
  const std::vector<std::string> values = SplitAt(ExportAll('\t')[1], '\t');
  EXPECT_EQ(values[27], "00.00.0000");
  EXPECT_EQ(values[37], "00.00.0000 00:00:00");
}

TEST_F(TextExportTest, DatesOutsideTheCalendarAreWrittenAsNoDate) {
  // Values that damaged legacy files hold: not a number, infinities and absurd day counts.
  for (const double odd : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e300, 4e18}) {
    SCOPED_TRACE(odd);
    document_.first_coin->purchasedate = odd;
    document_.first_coin->creation = odd;
    document_.first_coin->last = odd;
    const std::vector<std::string> cells = SplitAt(ExportAll('\t')[1], '\t');
    EXPECT_EQ(cells[27], "00.00.0000");
    EXPECT_EQ(cells[37], "00.00.0000 00:00:00");
    EXPECT_EQ(cells[38], "00.00.0000 00:00:00");
  }
}

TEST_F(TextExportTest, CatalogueSumIsTheGridsAmount) {
  TDaten& coin = *document_.first_coin;
  coin.count = 3;
  for (const double value : {0.005, 0.335, 1.115, 2.675, 1234.565}) {
    SCOPED_TRACE(value);
    coin.catalogue = value;
    const std::vector<std::string> cells = SplitAt(ExportAll('\t')[1], '\t');
    EXPECT_EQ(cells[24], CoinCellText(document_, coin, kCataloguesum, FormatSettings::German()));
  }
  coin.catalogue = 0.005;
  EXPECT_EQ(SplitAt(ExportAll('\t')[1], '\t')[24], "0,02");
}

TEST_F(TextExportTest, ScopesChooseTheCoins) {
  TextExportRequest area;
  area.scope = TextExportScope::kShownArea;
  area.shown_area = 1;
  std::vector<std::string> lines = Export(area);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(SplitAt(lines[1], '\t')[0], "1");
  EXPECT_EQ(SplitAt(lines[2], '\t')[0], "3");

  TextExportRequest marked;
  marked.scope = TextExportScope::kMarkedCoin;
  marked.marked_coin = document_.first_coin->next;
  lines = Export(marked);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(SplitAt(lines[1], '\t')[0], "2");

  marked.marked_coin = nullptr;
  lines = Export(marked);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(SplitAt(lines[0], '\t'), kHeaderNames);
}

TEST_F(TextExportTest, FileTypesGiveTheirSeparators) {
  ASSERT_EQ(TextExportFileTypes().size(), 4u);
  EXPECT_EQ(TextExportFileTypes()[3], "CSV-Datei (*.csv)");
  EXPECT_EQ(TextExportSeparatorOfFileType(0), '\t');
  EXPECT_EQ(TextExportSeparatorOfFileType(1), ',');
  EXPECT_EQ(TextExportSeparatorOfFileType(2), ';');
  EXPECT_EQ(TextExportSeparatorOfFileType(3), ';');
}

TEST_F(TextExportTest, PasswordQuestionComesFirstAndNoStopsTheExport) {
  document_.SetPassword("geheim");
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(ExportTextFile(PathText(path_), document_, {}, FormatSettings::German(), messages_),
            TextExportOutcome::kDeclined);
  EXPECT_FALSE(std::filesystem::exists(path_));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, MessageKind::kWarning);
  EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::kYesNo);

  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(ExportAll('\t').size(), 4u);
}

TEST_F(TextExportTest, ExistingFileIsReplaced) {
  test::WriteFileBytes(path_, std::string(100000, 'x'));
  EXPECT_EQ(ExportAll('\t').size(), 4u);
}

TEST_F(TextExportTest, UncreatableFileIsReported) {
  const std::string path = PathText(dir_ / "fehlt" / "export.txt");
  EXPECT_EQ(ExportTextFile(path, document_, {}, FormatSettings::German(), messages_),
            TextExportOutcome::kWriteFailed);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, MessageKind::kError);
}

}  // namespace
}  // namespace korvex
