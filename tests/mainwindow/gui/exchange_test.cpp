// Drives the main window's text export, text import, "Nummernkreise neu zuordnen" and the
// opening of legacy data files, with scripted dialogs and messages.
#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "common/legacywriter.h"
#include "common/modalhelper.h"
#include "files/gui/tpasswort.h"
#include "files/legacyfile.h"
#include "files/textimportelements.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/statuszeile.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

FileChoice Choice(const std::filesystem::path& path, int filter = 1) { return FileChoice{path.string(), filter, false}; }

// The lines of a text file written with CR LF line ends; fails when a line lacks its CR.
std::vector<std::string> CrLfLines(const std::filesystem::path& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back("<no CR LF>" + bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> Cells(const std::string& line, char separator) {
  std::vector<std::string> cells(1);
  for (char c : line) {
    if (c == separator) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

// The inventory numbers of the coins in collection order.
std::vector<std::string> CollectionOrderItems(const CollectionDocument& doc) {
  std::vector<std::string> items;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) items.push_back(coin->item);
  return items;
}

int ElementIndex(const std::string& name) {
  const std::vector<std::string>& names = TextImportElementNames();
  return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

// The column of the shown view whose field type is `type`; -1 when it shows no such column.
int ColumnOfType(const CollectionDocument& doc, int type) {
  const std::vector<TZelle>& cells = doc.Area(doc.current_view)->cells;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (cells[c].type == type) return static_cast<int>(c);
  }
  return -1;
}

QString GridText(THauptfenster& window, int row, int column) {
  QAbstractItemModel* model = window.Datenbereich()->model();
  return model->data(model->index(row, column), Qt::DisplayRole).toString();
}

// A legacy data file of version 250 with one area and two coins holding three numbers each.
LegacyFileLayout LegacyLayout(std::vector<std::unique_ptr<TDaten>>& coins) {
  LegacyFileLayout layout;
  for (int n = 1; n <= 2; ++n) {
    auto coin = std::make_unique<TDaten>();
    coin->category = 1;
    coin->item = std::to_string(n);
    coin->schoen = "S" + coin->item;
    coin->jaeger = "J" + coin->item;
    coin->yeoman = "Y" + coin->item;
    layout.coins.push_back(coin.get());
    coins.push_back(std::move(coin));
  }
  return layout;
}

}  // namespace

class ExchangeCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportOffersTheFourFileTypesAndStartsInTheSharedFolder();
  void ExportScopesFollowTheViewAndTheMarkedRow();
  void ExportOfAProtectedCollectionAsksFirst();
  void ImportMapsColumnsAndAreasSortsAndShowsAllCoins();
  void ImportThatChangesNothingLeavesTheDocumentUnchanged();
  void ImportIsNotOfferedForAReadOnlyFile();
  void NumberRangesOfTheShownAreaAreReassignedAndShown();
  void LegacyFileOffersTheNumberAssignmentOnlyAfterARead();
  void LegacyFileCutInItsNotesOpensWithEveryCoin();
  void ProtectedLegacyFileOpensWriteProtectedThroughThePasswordDialog();
};

void ExchangeCommandsTest::ExportOffersTheFourFileTypesAndStartsInTheSharedFolder() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  harness.files.Cancel();
  Trigger(window, "MenuDateiExportierenAlles");
  std::filesystem::create_directories(harness.ProgramFolder() / "shared");
  harness.files.Cancel();
  Trigger(window, "MenuDateiExportierenAlles");

  const std::vector<FileDialogRequest>& requests = harness.files.save_requests();
  QCOMPARE(requests.size(), size_t{2});
  // Without "shared" in the installation the dialog starts in the data folder.
  QCOMPARE(requests[0].start_folder, harness.DataFolder().string());
  QCOMPARE(requests[1].start_folder, (harness.ProgramFolder() / "shared").string());
  const FileDialogRequest& request = requests[1];
  QCOMPARE(request.default_extension, std::string("txt"));
  QCOMPARE(request.filters.size(), size_t{4});
  QCOMPARE(request.filters[0].text, std::string("Textdatei Tabulatorsepariert"));
  QCOMPARE(request.filters[2].text, std::string("Textdatei Semikolonsepariert"));
  QCOMPARE(request.filters[3].text, std::string("CSV-Datei"));
  QCOMPARE(request.filters[1].patterns, std::vector<std::string>{"*.txt"});
  QCOMPARE(request.filters[3].patterns, std::vector<std::string>{"*.csv"});
  // Cancel writes nothing and asks nothing.
  QVERIFY(harness.messages.shown().empty());
  QVERIFY(!std::filesystem::exists(harness.ProgramFolder() / "shared" / "Sammlung.txt"));
}

void ExchangeCommandsTest::ExportScopesFollowTheViewAndTheMarkedRow() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  QCOMPARE(window.Document().current_view, 1);
  QVERIFY(Enabled(window, "MenuDateiExportierenKategorie"));
  QVERIFY(Enabled(window, "DatenPopUpExportierenKategorie"));

  // The shown area, semicolon-separated: the three coins of Deutschland, 47 values each.
  const std::filesystem::path area_file = harness.folder() / "gebiet.txt";
  harness.files.Choose(Choice(area_file, 3));
  Trigger(window, "MenuDateiExportierenKategorie");
  std::vector<std::string> lines = CrLfLines(area_file);
  QCOMPARE(lines.size(), size_t{4});
  QCOMPARE(Cells(lines[0], ';').front(), std::string("Inventarnr."));
  std::vector<std::string> items;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = Cells(lines[i], ';');
    QCOMPARE(cells.size(), size_t{47});
    QCOMPARE(cells[1], std::string("Deutschland"));
    items.push_back(cells[0]);
  }
  std::sort(items.begin(), items.end());
  QCOMPARE(items, (std::vector<std::string>{"1", "2", "3"}));

  // The marked coin through the context menu, tab-separated.
  window.Datenbereich()->SetCurrentRow(2);
  const TDaten* marked = window.CoinOfRow();
  QVERIFY(marked);
  const std::filesystem::path coin_file = harness.folder() / "muenze.txt";
  harness.files.Choose(Choice(coin_file, 1));
  Trigger(window, "DatenPopUpExportierenArtikel");
  lines = CrLfLines(coin_file);
  QCOMPARE(lines.size(), size_t{2});
  QCOMPARE(Cells(lines[1], '\t').size(), size_t{47});
  QCOMPARE(Cells(lines[1], '\t').front(), marked->item);

  // All coins, comma-separated; the area entries are off while all areas are shown.
  Trigger(window, "MenuKategorieAlleartikel");
  QVERIFY(!Enabled(window, "MenuDateiExportierenKategorie"));
  QVERIFY(!Enabled(window, "DatenPopUpExportierenKategorie"));
  const std::filesystem::path all_file = harness.folder() / "alle.csv";
  harness.files.Choose(Choice(all_file, 2));
  Trigger(window, "MenuDateiExportierenAlles");
  lines = CrLfLines(all_file);
  QCOMPARE(lines.size(), size_t{7});
  for (const std::string& line : lines) QCOMPARE(Cells(line, ',').size(), size_t{47});
  // Exporting changes nothing in the collection.
  QVERIFY(!window.Document().modified());
}

void ExchangeCommandsTest::ExportOfAProtectedCollectionAsksFirst() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  window.Document().SetPassword("geheim");
  const std::filesystem::path path = harness.folder() / "klartext.txt";
  harness.files.Choose(Choice(path, 1));
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiExportierenAlles");
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QVERIFY(harness.messages.shown()[0].text.find("unverschlüsselt") != std::string::npos);
  QVERIFY(!std::filesystem::exists(path));

  harness.files.Choose(Choice(path, 1));
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiExportierenAlles");
  QCOMPARE(CrLfLines(path).size(), size_t{7});
}

void ExchangeCommandsTest::ImportMapsColumnsAndAreasSortsAndShowsAllCoins() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  // A width the user dragged in the shown area becomes the layout of the area the import adds.
  window.Datenbereich()->horizontalHeader()->resizeSection(0, 123);
  QCOMPARE(window.Document().areas[0]->cells[0].width, 123);

  const std::filesystem::path path = harness.folder() / "import.txt";
  WriteFileBytes(path,
                 "Inventarnr.;KATEGORIE;Sch\xF6n;Preis\r\n"
                 "10;Deutschland;S0b;1.234,50\r\n"
                 "11;Preu\xDF" "en;S0a;2,00\r\n"
                 "12;preu\xDF" "en;S0c;3\r\n");
  harness.files.Choose(Choice(path));
  harness.messages.Answer(MessageAnswer::kYes);
  harness.dialogs.import_columns.answers = {ElementIndex("Kaufpreis")};
  harness.dialogs.import_areas.answers = {{UnknownAreaAnswer::Choice::kNew, -1}};
  Trigger(window, "MenuDateiImportieren");

  QCOMPARE(harness.files.open_requests().size(), size_t{1});
  const FileDialogRequest& request = harness.files.open_requests()[0];
  QCOMPARE(request.caption, std::string("Importieren..."));
  QCOMPARE(request.filters.size(), size_t{2});
  QCOMPARE(request.filters[1].patterns, std::vector<std::string>{"*.csv"});
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QVERIFY(harness.messages.shown()[0].text.starts_with("HINWEIS: Die Daten werden in die aktuelle Datei"));

  // One question for the unknown column, one for the first unknown area name; the second
  // spelling of the name finds the new area.
  QCOMPARE(harness.dialogs.import_columns.asked.size(), size_t{1});
  QCOMPARE(harness.dialogs.import_columns.asked[0].first, std::string("Preis"));
  QCOMPARE(harness.dialogs.import_areas.asked.size(), size_t{1});
  QCOMPARE(harness.dialogs.import_areas.asked[0].area_name, std::string("preu\xDF" "en"));
  QVERIFY(harness.dialogs.import_areas.asked[0].new_enabled);

  CollectionDocument& doc = window.Document();
  QCOMPARE(doc.coin_count, 9);
  QCOMPARE(doc.AreaCount(), 4);
  QCOMPARE(doc.areas[3]->name, std::string("preu\xDF" "en"));
  QCOMPARE(doc.areas[3]->cells, doc.areas[0]->cells);
  QCOMPARE(doc.all_cells, doc.areas[0]->cells);
  // Sorted by Schön number, shorter numbers first: the import's own order (12, 11, 10 after the
  // last coin) is gone.
  QCOMPARE(CollectionOrderItems(doc),
           (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "11", "10", "12"}));
  QCOMPARE(doc.highest_item, 12);
  const TDaten* eleven = doc.first_coin;
  while (eleven->item != "11") eleven = eleven->next;
  QCOMPARE(eleven->category, 4);
  QCOMPARE(eleven->purchaseprice, 2.0);
  QCOMPARE(eleven->next->purchaseprice, 1234.5);
  QCOMPARE(eleven->next->category, 1);

  // The window shows all coins, the new area in its menu, and the change.
  QCOMPARE(doc.current_view, kAllCoinsView);
  QVERIFY(window.Action("MenuKategorieAlleartikel")->isChecked());
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 9);
  QCOMPARE(window.Action("MenuKategorieGebiet4")->text(), QString::fromUtf8("preußen"));
  QVERIFY(doc.modified());
  QCOMPARE(Panel(window, 4), QStringLiteral("Geändert"));
  QVERIFY(Enabled(window, "MenuDateiSpeichern"));
}

void ExchangeCommandsTest::ImportThatChangesNothingLeavesTheDocumentUnchanged() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  const std::filesystem::path path = harness.folder() / "import.txt";
  WriteFileBytes(path, "Inventarnr.;Kategorie\r\n20;Schweiz\r\n");

  // "No" to the question.
  harness.files.Choose(Choice(path));
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiImportieren");
  QCOMPARE(window.Document().coin_count, 6);
  QVERIFY(!window.Document().modified());

  // A file that is gone: the error, and no change.
  harness.files.Choose(Choice(harness.folder() / "fehlt.txt"));
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiImportieren");
  QCOMPARE(harness.messages.texts().back(),
           std::string("Beim Einlesen der Quelldatei ist ein Fehler aufgetreten! (Err 2)"));
  QCOMPARE(window.Document().coin_count, 6);
  QVERIFY(!window.Document().modified());
  QCOMPARE(window.Document().current_view, 1);

  // A header without lines adds nothing either.
  WriteFileBytes(path, "Inventarnr.;Kategorie\r\n");
  harness.files.Choose(Choice(path));
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiImportieren");
  QVERIFY(!window.Document().modified());
  QVERIFY(harness.files.AllAnswersUsed());
  QVERIFY(harness.messages.AllAnswersUsed());
}

void ExchangeCommandsTest::ImportIsNotOfferedForAReadOnlyFile() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Sammlung.mvc");
  THauptfenster& writable = harness.Start({path.string()});
  QVERIFY(Enabled(writable, "MenuDateiImportieren"));
  harness.files.Choose(FileChoice{path.string(), 1, /*read_only=*/true});
  Trigger(writable, "MenuDateiOeffnen");
  QVERIFY(!harness.window().Document().writable());
  QVERIFY(!Enabled(harness.window(), "MenuDateiImportieren"));
  // Exporting only reads the collection and stays.
  QVERIFY(Enabled(harness.window(), "MenuDateiExportieren"));
}

void ExchangeCommandsTest::NumberRangesOfTheShownAreaAreReassignedAndShown() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  CollectionDocument& doc = window.Document();
  QVERIFY(Enabled(window, "MenuExtrasSonderNummernkreise"));
  const int schoen_column = ColumnOfType(doc, kSchoen);
  QVERIFY(schoen_column >= 0);
  QVERIFY(GridText(window, 0, schoen_column).startsWith('S'));

  // "Abbrechen" changes nothing.
  Trigger(window, "MenuExtrasSonderNummernkreise");
  QCOMPARE(harness.dialogs.number_range_areas, std::vector<int>{1});
  QVERIFY(!doc.modified());

  // The Schön numbers of Deutschland become Jaeger numbers; the grid shows it at once.
  harness.dialogs.number_ranges = NumberRangeChoice{{1, 0, 2}, false};
  Trigger(window, "MenuExtrasSonderNummernkreise");
  QCOMPARE(doc.areas[0]->number_kind, (std::array<int32_t, 3>{1, 0, 2}));
  QCOMPARE(doc.first_coin->category, 1);
  QCOMPARE(doc.first_coin->jaeger, std::string("S1"));
  QCOMPARE(doc.first_coin->schoen, std::string());
  QCOMPARE(GridText(window, 0, schoen_column), QString());
  QVERIFY(doc.modified());
  // Other areas keep their numbers.
  QCOMPARE(doc.areas[1]->number_kind, (std::array<int32_t, 3>{0, 2, 1}));

  Trigger(window, "MenuKategorieAlleartikel");
  QVERIFY(!Enabled(window, "MenuExtrasSonderNummernkreise"));
  Trigger(window, "MenuKategorieGebiet3");
  QVERIFY(Enabled(window, "MenuExtrasSonderNummernkreise"));
}

void ExchangeCommandsTest::LegacyFileOffersTheNumberAssignmentOnlyAfterARead() {
  MainWindowHarness harness;
  std::vector<std::unique_ptr<TDaten>> coins;
  const LegacyFileLayout layout = LegacyLayout(coins);
  const std::filesystem::path path = harness.folder() / "Alt.kvl";
  WriteFileBytes(path, BuildLegacyFile(layout).bytes);

  // The numbers as the file holds them, read without the offer.
  CollectionDocument plain;
  ScriptedMessages quiet;
  ScriptedPasswords no_passwords;
  NoProgress progress;
  ReadLegacyFile(PathText(path), plain, {quiet, no_passwords, progress, nullptr});
  QCOMPARE(plain.coin_count, 2);
  const std::array<int32_t, 3> kinds = plain.areas[0]->number_kind;

  harness.Start();
  harness.dialogs.legacy_numbers.choice = NumberRangeChoice{{kRic - kSchoen, kCohen - kSchoen, kOther1 - kSchoen}};
  harness.files.Choose(Choice(path, 2));
  Trigger(harness.window(), "MenuDateiOeffnen");
  CollectionDocument& doc = harness.window().Document();
  QCOMPARE(harness.dialogs.legacy_numbers.offers, 1);
  QCOMPARE(doc.coin_count, 2);
  QCOMPARE(doc.areas[0]->number_kind, (std::array<int32_t, 3>{3, 4, 5}));
  const TDaten* before = plain.first_coin;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next, before = before->next) {
    QCOMPARE(coin->ric, before->CatalogueNumber(kinds[0]));
    QCOMPARE(coin->cohen, before->CatalogueNumber(kinds[1]));
    QCOMPARE(coin->other1, before->CatalogueNumber(kinds[2]));
  }
  QVERIFY(harness.window().Datenbereich()->isEnabled());

  // A damaged file is not offered the assignment.
  WriteFileBytes(path, BuildLegacyFile(layout).bytes.substr(0, 30));
  harness.files.Choose(Choice(path, 2));
  Trigger(harness.window(), "MenuDateiOeffnen");
  QCOMPARE(harness.dialogs.legacy_numbers.offers, 1);
  QVERIFY(!doc.has_name);
}

void ExchangeCommandsTest::LegacyFileCutInItsNotesOpensWithEveryCoin() {
  MainWindowHarness harness;
  std::vector<std::unique_ptr<TDaten>> coins;
  LegacyFileLayout layout = LegacyLayout(coins);
  layout.notes = {"erste", "zweite"};
  const std::string bytes = BuildLegacyFile(layout).bytes;
  const std::filesystem::path path = harness.folder() / "Halb.kvl";
  WriteFileBytes(path, bytes.substr(0, bytes.size() - 3));  // inside the second note

  harness.Start();
  harness.files.Choose(Choice(path, 2));
  Trigger(harness.window(), "MenuDateiOeffnen");
  CollectionDocument& doc = harness.window().Document();
  QCOMPARE(doc.coin_count, 2);
  QVERIFY(doc.has_name);
  QCOMPARE(doc.first_coin->description->text, std::string("erste"));
  QCOMPARE(doc.first_coin->next->description->text, std::string());
  QCOMPARE(harness.dialogs.legacy_numbers.offers, 1);
  QVERIFY(harness.window().Datenbereich()->isEnabled());
  QVERIFY(Enabled(harness.window(), "MenuDateiSpeichernunter"));
  QVERIFY(!harness.messages.texts().empty());
  QCOMPARE(harness.messages.texts().back().rfind("Die Datei ist beschädigt.", 0), std::size_t{0});
}

void ExchangeCommandsTest::ProtectedLegacyFileOpensWriteProtectedThroughThePasswordDialog() {
  MainWindowHarness harness;
  harness.real_password_prompt = true;
  std::vector<std::unique_ptr<TDaten>> coins;
  LegacyFileLayout layout = LegacyLayout(coins);
  layout.password_flag = 255;
  layout.password = "Schutz";
  const std::filesystem::path path = harness.folder() / "Geschuetzt.kvl";
  WriteFileBytes(path, BuildLegacyFile(layout).bytes);

  harness.Start();
  bool seen = false;
  WhenModalShown<gui::TPasswort>(
      [](gui::TPasswort& dialog) {
        QVERIFY(!dialog.Schreibschutz->isHidden());
        QTest::mouseClick(dialog.Schreibschutz, Qt::LeftButton);
      },
      &seen);
  harness.files.Choose(Choice(path, 2));
  Trigger(harness.window(), "MenuDateiOeffnen");
  QVERIFY(seen);

  THauptfenster& window = harness.window();
  QCOMPARE(window.Document().coin_count, 2);
  QCOMPARE(window.Document().first_coin->item, std::string("1"));
  QVERIFY(!window.Document().writable());
  QVERIFY(window.windowTitle().endsWith(QString::fromUtf8(" - Geschuetzt [Schreibgeschützt]")));
  QVERIFY(!Enabled(window, "MenuDateiImportieren"));
  QVERIFY(!Enabled(window, "MenuExtrasKategorien"));
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::ExchangeCommandsTest)
#include "exchange_test.moc"
