// Writes the seeds that our own writers make for the fuzz targets into the folder named on the
// command line, one subfolder per target (tests/fuzz/make-seeds adds those of other tools).

#include <filesystem>
#include <fstream>
#include <iostream>

#include "common/coinbuilder.h"
#include "common/legacywriter.h"
#include "dialogs/lookuplists.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "files/collectionfileio.h"
#include "files/textexport.h"
#include "files/xmlcollection.h"
#include "mainwindow/coinclipboard.h"
#include "platform/settingsstore.h"

namespace fs = std::filesystem;
using namespace korvex;

namespace {

class NoMessages final : public MessageService {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons, const std::string&) override {
    return MessageAnswer::kYes;
  }
};

void Write(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Two areas, three coins with the fields a collector fills, a note with two lines, an open
// purchase date.
void FillSample(test::DocumentBuilder& builder) {
  const int deutschland = builder.AddArea("Deutschland");
  const int euro = builder.AddArea("Euro-Gedenkmünzen");
  builder.Area(euro).z_name = {test::W("Prägung"), "", "", "", "Etikett"};
  builder.Area(euro).z_desc[0] = true;
  builder.AddCoin(deutschland, [](TDaten& c) {
    c.item = "1";
    c.quality = "vz";
    c.schoen = "123a";
    c.count = 2;
    c.numeral = "5";
    c.currency = "Mark";
    c.year = "1927";
    c.catalogue = 1234.5;
    c.purchaseprice = 99.9;
    c.purchasedate = 36526;
    c.weight = 3.456f;
    c.diameter_minimum = 20;
    c.circulation = 1234567890123;
    c.av_motive = test::W("Eichbaum");
    c.av_picture = "a.jpg";
    c.description = std::make_unique<TText>();
    c.description->text = test::W("Erste Zeile\r\nZweite Zeile mit Ä & <Zeichen>");
  });
  builder.AddCoin(euro, [](TDaten& c) {
    c.item = "0x1F";
    c.count = 0;
    c.z1 = "Polierte Platte";
    c.purchasedate = -999999999.0;
    c.description = std::make_unique<TText>();
  });
  builder.AddCoin(euro, [](TDaten& c) {
    c.item = "3";
    c.count = 1;
    c.estimate = -3;
    c.country = test::W("Österreich");
  });
  builder.document().sort_keys = {3, -20, kNoSortKey, kNoSortKey, kNoSortKey};
  builder.document().standard_order = false;
}

void WriteCollectionSeeds(const fs::path& out, const CollectionDocument& doc) {
  NoProgress progress;
  const std::string xml = WriteCollectionXml(doc, progress);
  Write(out / "xml_collection" / "sample.mvs", xml);
  Write(out / "export_list" / "sample.mvs", std::string(1, '\0') + xml);
  test::DocumentBuilder empty;
  empty.AddArea("Leer");
  Write(out / "xml_collection" / "one-area.mvs", WriteCollectionXml(empty.document(), progress));
  Write(out / "clipboard" / "coin.xml", CoinClipboardText(*doc.first_coin, doc));
  Write(out / "clipboard" / "second-coin.xml", CoinClipboardText(*doc.first_coin->next, doc));
}

void WriteContainerSeeds(const fs::path& out, CollectionDocument& doc) {
  NoMessages messages;
  NoProgress progress;
  for (const std::string password : {"", "geheim"}) {
    const fs::path path = out / "container" / (password.empty() ? "sample.mvc" : "geheim.mvc");
    fs::create_directories(path.parent_path());
    doc.SetFileName(path.string());
    doc.has_name = true;
    doc.compressed = true;
    doc.SetPassword(password);
    doc.SetModified(true);
    if (!SaveCollectionFile(doc, messages, progress)) throw std::runtime_error("container");
    fs::remove(PreviousVersionPath(path.string()));
  }
  doc.SetPassword("");
}

void WriteExportSeeds(const fs::path& out, const CollectionDocument& doc) {
  NoMessages messages;
  const char* const names[] = {"tab.txt", "comma.csv", "semicolon.csv"};
  const char separators[] = {'\t', ',', ';'};
  for (int i = 0; i < 3; ++i) {
    TextExportRequest request;
    request.separator = separators[i];
    const fs::path path = out / "text_import" / names[i];
    fs::create_directories(path.parent_path());
    ExportTextFile(path.string(), doc, request, FormatSettings::German(), messages);
  }
}

void WriteLegacySeeds(const fs::path& out, const CollectionDocument& doc) {
  std::vector<const TDaten*> coins;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) coins.push_back(coin);
  struct Seed {
    const char* name;
    const char* magic;
    uint16_t flag;
    bool filter;
  };
  const Seed seeds[] = {{"v100.kvl", "Korvexia_100", 0, false}, {"v120.kvl", "Korvexia_120", 0, true},
                        {"v200.kvl", "Korvexia_200", 0, false}, {"v250.kvl", "Korvexia_250", 0, true},
                        {"template.kvl", "KorvexiaV250", 0, false},
                        {"geheim.kvl", "Korvexia_250", 1, false},
                        {"schreibgeschuetzt.kvl", "Korvexia_200", 255, false}};
  for (const Seed& seed : seeds) {
    test::LegacyFileLayout layout;
    layout.magic = seed.magic;
    layout.password_flag = seed.flag;
    if (seed.flag != 0) layout.password = "geheim";
    layout.areas.push_back(test::LegacyAreaSpec{});
    layout.areas.back().id = 2;
    layout.areas.back().name = "Euro";
    layout.coins = coins;
    layout.notes = {"Notiz\r\neins", "", "drei"};
    layout.alignment = {{0, 0}, {1, 1}, {2, 2}};
    if (seed.filter) layout.filter = test::LegacyFilterSpec{};
    if (seed.filter) layout.filter->template_ = coins.front();
    const std::string bytes = test::BuildLegacyFile(layout).bytes;
    Write(out / "legacy" / seed.name, bytes);
    Write(out / "export_list" / seed.name, std::string(1, '\1') + bytes);
  }
}

void WriteSettingsSeeds(const fs::path& out) {
  const fs::path path = out / "settings" / "Korvex.conf";
  fs::create_directories(path.parent_path());
  fs::remove(path);
  {
    SettingsStore store(path);
    ProgramSettings settings;
    settings.Online_Proxy = "proxy.example.org";
    settings.Online_Proxy_Port = "3128";
    settings.DatumFormat = "dd.mm.yyyy";
    settings.DatumAuto = false;
    settings.AutoSave = true;
    settings.AutoSaveTime = "5";
    WriteSettings(store, settings);
    WindowPlaces places;
    WriteWindowPlaces(store, places, settings);
    WriteMainWindowGeometry(store, {10, 20, 800, 600, MainWindowState::kMaximized});
    ToolbarPlace toolbar;
    toolbar.DockedTo = "DockTop";
    toolbar.DockRow = 1;
    WriteToolbarPlace(store, "Datei", toolbar);
    SettingsKey(store, "Tools").WriteString("Rechner", "gnome-calculator");
    store.Flush();
  }
}

void WriteLookupSeeds(const fs::path& out) {
  LookupLists lists;
  lists[LookupList::kQualitaet] = {"vz=vorzüglich", "ss=sehr schön", "PP=Polierte Platte"};
  lists[LookupList::kLaender] = {test::W("Österreich"), "Deutschland"};
  lists[LookupList::kHaendler] = {test::W("Müller & Söhne"), test::W("  eingerückt"), "a=b"};
  lists[LookupList::kThemen] = {"Tiere"};
  const fs::path path = out / "lookup_ini" / "korvex.ini";
  fs::create_directories(path.parent_path());
  fs::remove(path);
  if (!SaveLookupLists(lists, path)) throw std::runtime_error("lookup");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Aufruf: fuzz_seeds ORDNER\n";
    return 2;
  }
  const fs::path out = argv[1];
  test::DocumentBuilder builder;
  FillSample(builder);
  CollectionDocument& doc = builder.document();
  WriteCollectionSeeds(out, doc);
  WriteContainerSeeds(out, doc);
  WriteExportSeeds(out, doc);
  WriteLegacySeeds(out, doc);
  WriteSettingsSeeds(out);
  WriteLookupSeeds(out);
  return 0;
}
