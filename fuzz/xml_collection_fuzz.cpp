// The XML collection reader on raw bytes, both ways: coin by coin (the way files of this program
// are read) and as one tree. The two must agree on every text: the same error, or the same
// document.

#include <string>

#include "cli/documentjson.h"
#include "files/fileerrors.h"
#include "files/xmlcollection.h"
#include "fuzz/fuzzsupport.h"

namespace {

using korvex::CollectionDocument;

struct Outcome {
  std::string error;  // empty when the text was read
  std::string document;
  int rescued = 0;
};

template <typename Reader>
Outcome Read(std::string_view text, Reader reader) {
  CollectionDocument doc;
  korvex::NoProgress progress;
  std::string buffer(text);
  Outcome outcome;
  try {
    const korvex::XmlReadReport report = reader(doc, buffer, progress);
    outcome.rescued = report.rescued_coins;
  } catch (const korvex::EKorvexError& error) {
    outcome.error = error.message();
  }
  doc.RebuildDisplayOrder();
  korvex::fuzz::CheckDocument(doc);
  outcome.document = korvex::cli::DocumentToJson(doc, 0).dump() + std::to_string(doc.highest_item);
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = korvex::fuzz::AsText(data, size);
  const Outcome pieces = Read(text, korvex::ReadCollectionXml);
  const Outcome tree = Read(text, korvex::ReadCollectionXmlAsOneTree);
  if (pieces.error != tree.error) korvex::fuzz::Mismatch("Fehler der beiden Lesewege");
  if (pieces.rescued != tree.rescued) korvex::fuzz::Mismatch("gerettete Münzen");
  if (pieces.document != tree.document) korvex::fuzz::Mismatch("gelesene Dokumente");
  return 0;
}
