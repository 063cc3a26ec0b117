// Opening a compressed collection file (a ZIP archive holding "mints.xml"), once without a
// password and once with the password "geheim" that the encrypted seeds carry. Whatever the
// bytes, opening ends with the document read or with the open command's message.

#include "files/collectionfileio.h"
#include "files/fileerrors.h"
#include "fuzz/fuzzsupport.h"

namespace {

void Open(const std::string& path, std::optional<std::string> password) {
  korvex::CollectionDocument doc;
  korvex::fuzz::SilentMessages messages;
  korvex::fuzz::FixedPassword passwords(std::move(password));
  korvex::NoProgress progress;
  korvex::FileServices services{messages, passwords, progress};
  const bool opened = korvex::OpenCollectionFile(doc, path, services);
  if (!opened && messages.shown == 0) korvex::fuzz::Mismatch("Öffnen misslungen ohne Meldung");
  if (!opened && doc.has_name) korvex::fuzz::Mismatch("misslungene Datei behält ihren Namen");
  korvex::fuzz::CheckDocument(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = korvex::fuzz::WriteScratchFile("Sammlung.mvc", data, size).string();
  Open(path, std::nullopt);
  Open(path, "geheim");
  return 0;
}
