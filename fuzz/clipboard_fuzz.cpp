// Pasting raw bytes from the clipboard into a collection with two areas and one coin.

#include "fuzz/fuzzsupport.h"
#include "mainwindow/coinpaste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  korvex::CollectionDocument doc;
  for (const char* name : {"Deutschland", "Euro"}) {
    doc.areas.push_back(std::make_unique<korvex::TKategorie>());
    doc.areas.back()->name = name;
    doc.areas.back()->category = doc.AreaCount();
  }
  auto coin = std::make_unique<korvex::TDaten>();
  coin->category = 1;
  coin->description = std::make_unique<korvex::TText>();
  doc.Append(std::move(coin));
  doc.current_view = size % 2 == 0 ? 2 : korvex::kAllCoinsView;

  korvex::fuzz::SilentMessages messages;
  const korvex::PasteOutcome outcome =
      korvex::PasteCoins(doc, korvex::fuzz::AsText(data, size), korvex::FormatSettings::German(),
                         korvex::PictureCopyOption::kNever, messages);
  if (outcome.pasted + 1 != doc.coin_count) korvex::fuzz::Mismatch("Zahl der eingefügten Münzen");
  korvex::fuzz::CheckDocument(doc);
  return 0;
}
