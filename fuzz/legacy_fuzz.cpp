// The legacy data file reader on raw bytes: with the password "geheim" (the password of the
// protected seeds) and, for write-protected files, with "Schreib&geschützt".

#include "files/legacyfile.h"
#include "fuzz/fuzzsupport.h"

namespace {

void Read(const std::string& path, bool write_protected) {
  korvex::CollectionDocument doc;
  korvex::fuzz::SilentMessages messages;
  korvex::fuzz::FixedPassword passwords("geheim", write_protected);
  korvex::NoProgress progress;
  const korvex::LegacyReadResult result =
      korvex::ReadLegacyFile(path, doc, {messages, passwords, progress, nullptr});
  korvex::fuzz::CheckDocument(doc);
  if (!result.Read() && messages.shown == 0) korvex::fuzz::Mismatch("Lesefehler ohne Meldung");
  for (const korvex::TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    if (!coin->description) korvex::fuzz::Mismatch("Münze ohne Notiz");
  }
  for (const int32_t key : doc.sort_keys) {
    if (key != korvex::kNoSortKey) korvex::fuzz::Mismatch("Sortierschlüssel aus der Datei");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = korvex::fuzz::WriteScratchFile("Alt.kvl", data, size).string();
  Read(path, false);
  Read(path, true);
  return 0;
}
