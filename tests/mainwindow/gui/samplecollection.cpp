#include "mainwindow/gui/samplecollection.h"

#include <stdexcept>

#include "common/scriptedmessages.h"
#include "files/collectionfileio.h"
#include "mainwindow/gui/scriptedservices.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

void AddArea(CollectionDocument& doc, const std::string& name, const std::string& short_text) {
  auto area = std::make_unique<TKategorie>();
  area->name = name;
  area->SetShort(short_text);
  area->category = doc.AreaCount() + 1;
  doc.areas.push_back(std::move(area));
}

void AddCoin(CollectionDocument& doc, int area, const std::string& item, int count, double catalogue) {
  auto coin = std::make_unique<TDaten>();
  coin->category = area;
  coin->item = item;
  coin->count = count;
  coin->catalogue = catalogue;
  coin->schoen = "S" + item;
  coin->year = "19" + item + "0";
  coin->description = std::make_unique<TText>();
  doc.Append(std::move(coin));
}

}  // namespace

void FillSampleCollection(CollectionDocument& doc) {
  AddArea(doc, "Deutschland", "DE");
  AddArea(doc, "\xD6sterreich", "AT");
  AddArea(doc, "Schweiz", "CH");
  doc.areas[0]->icon_button = true;
  doc.areas[0]->icon = "ICO/fehlt.bmp";
  AddCoin(doc, 1, "1", 2, 10.0);
  AddCoin(doc, 1, "2", 0, 4.0);
  AddCoin(doc, 1, "3", 1, 0.5);
  AddCoin(doc, 2, "4", 1, 1.0);
  AddCoin(doc, 2, "5", 1, 1.0);
  AddCoin(doc, 3, "6", 1, 1.0);
  doc.current_view = 1;
  doc.RecomputeHighestItem();
}

void WriteCollection(CollectionDocument& doc, const std::filesystem::path& path) {
  ScriptedMessages messages;
  NoProgress progress;
  doc.SetFileName(PathText(path));
  doc.has_name = true;
  doc.compressed = IsCompressedCollectionPath(PathText(path));
  doc.SetModified(true);
  if (!SaveCollectionFile(doc, messages, progress)) throw std::runtime_error("sample not written");
}

void ReadCollection(CollectionDocument& doc, const std::filesystem::path& path, const std::string& password) {
  ScriptedPasswords passwords;
  if (!password.empty()) passwords.Type(password);
  NoProgress progress;
  ReadCollectionFile(doc, PathText(path), passwords, progress);
}

}  // namespace korvex::test
