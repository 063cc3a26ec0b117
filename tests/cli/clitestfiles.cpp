#include "cli/clitestfiles.h"

#include <gtest/gtest.h>

#include "cli/clirunner.h"
#include "common/legacywriter.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/collectionfileio.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"
#include "platform/progress.h"

namespace korvex::test {
namespace {

std::unique_ptr<TKategorie> MakeArea(int id, const std::string& utf8_name, const std::string& short_label) {
  auto area = std::make_unique<TKategorie>();
  area->category = id;
  area->name = Utf8ToWin1252(utf8_name);
  area->SetShort(short_label);
  return area;
}

std::unique_ptr<TDaten> MakeCoin(const std::string& item, int area, const std::string& schoen,
                                 int count, double catalogue) {
  auto coin = std::make_unique<TDaten>();
  coin->item = item;
  coin->category = area;
  coin->schoen = schoen;
  coin->count = count;
  coin->catalogue = catalogue;
  coin->creation = *DayNumber(2020, 5, 1);
  coin->last = *DayNumber(2021, 6, 2);
  coin->purchasedate = *DayNumber(2001, 2, 3);
  coin->description = std::make_unique<TText>();
  return coin;
}

}  // namespace

std::unique_ptr<CollectionDocument> MakeToolCollection() {
  auto document = std::make_unique<CollectionDocument>();
  document->currency_symbol = "\x80";
  document->areas.push_back(MakeArea(1, "Deutschland", "DEU"));
  auto austria = MakeArea(2, "Österreich", "AUT");
  austria->z_active[0] = true;
  austria->z_name[0] = Utf8ToWin1252("Prägezeichen");
  austria->cells = {{kItem, 60, 1}, {kZ1, 80, 0}, {kCount, 30, 1}};
  document->areas.push_back(std::move(austria));
  document->all_cells = {{kItem, 60, 1}, {kCount, 30, 1}, {kCatalogue, 70, 1}, {kPurchasedate, 70, 0}};

  auto first = MakeCoin("1", 1, "10", 2, 1234.5);
  first->purchaseprice = 1000;
  first->estimate = 1300;
  first->country = "Deutschland";
  first->description->text = Utf8ToWin1252("Notiz für Münze 1");
  document->Append(std::move(first));
  document->Append(MakeCoin("2", 1, "9", 0, 5));
  auto third = MakeCoin("3", 2, "100", 3, 2.25);
  third->av_motive = Utf8ToWin1252("Edelweiß");
  third->z1 = "A";
  third->description.reset();
  document->Append(std::move(third));
  auto fourth = MakeCoin("4", 2, "", 1, 10);
  fourth->purchasedate = kNoDate;
  fourth->z1 = "B";
  document->Append(std::move(fourth));

  document->sort_keys = {-kItem, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey};
  document->standard_order = false;
  document->highest_item = 4;
  document->current_view = kAllCoinsView;
  return document;
}

void SaveCollection(CollectionDocument& document, const std::filesystem::path& path,
                    const std::string& password) {
  document.SetFileName(PathText(path));
  document.has_name = true;
  document.compressed = IsCompressedCollectionPath(PathText(path));
  document.SetPassword(password);
  ScriptedMessages messages;
  NoProgress progress;
  ASSERT_TRUE(SaveCollectionFile(document, messages, progress)) << path;
}

std::filesystem::path WriteToolCollection(const std::filesystem::path& path,
                                          const std::string& password) {
  auto document = MakeToolCollection();
  SaveCollection(*document, path, password);
  return path;
}

std::filesystem::path WriteLegacyCollection(const std::filesystem::path& path, int version,
                                            const std::string& password) {
  TDaten first, second, third;
  first.category = 1;
  first.item = "7";
  first.schoen = "12a";
  first.count = 2;
  first.catalogue = 3.5;
  first.av_motive = Utf8ToWin1252("Bär");
  second.category = 2;
  second.item = "8";
  second.count = 0;
  second.catalogue = 12;
  third.category = 2;
  third.item = "9";
  third.purchasedate = kNoDate;
  third.circulation = 5000000000LL;

  LegacyFileLayout layout;
  layout.magic = "Korvexia_" + std::to_string(version);
  if (!password.empty()) {
    layout.password_flag = 1;
    layout.password = password;
  }
  LegacyAreaSpec second_area;
  second_area.id = 2;
  second_area.name = Utf8ToWin1252("Österreich");
  second_area.short_label = "AUT";
  layout.areas.push_back(second_area);
  layout.highest_item = 9;
  layout.current_view = 2;
  layout.coins = {&first, &second, &third};
  layout.notes = {Utf8ToWin1252("Erste Münze"), "", "dritte"};
  WriteFileBytes(path, BuildLegacyFile(layout).bytes);
  return path;
}

nlohmann::json DumpJson(const std::filesystem::path& file, const std::string& password) {
  std::vector<std::string> arguments{"dump", file.string()};
  if (!password.empty()) arguments.insert(arguments.end(), {"--password", password});
  const CliResult result = RunCli(arguments);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  if (result.exit_code != 0) return nullptr;
  return nlohmann::json::parse(result.out);
}

}  // namespace korvex::test
