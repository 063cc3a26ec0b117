// The text import on raw bytes: the lines, the cells of every column kind and the header,
// through the whole import into a collection with two areas. The questions for unknown columns
// and areas are answered from the names, so that every answer occurs.

#include <functional>

#include "files/textimport.h"
#include "files/textimportcells.h"
#include "files/textimportlines.h"
#include "fuzz/fuzzsupport.h"
#include "mainwindow/sorting.h"

namespace {

size_t NameHash(const std::string& name) { return std::hash<std::string>{}(name); }

class AnswersFromNames final : public korvex::UnknownColumnQuestion,
                               public korvex::UnknownAreaQuestion {
 public:
  int ChooseElement(const korvex::UnknownColumnRequest& request) override {
    return static_cast<int>(NameHash(request.column_name) % request.elements.size());
  }
  korvex::UnknownAreaAnswer ChooseArea(const korvex::UnknownAreaRequest& request) override {
    using Choice = korvex::UnknownAreaAnswer::Choice;
    const size_t hash = NameHash(request.area_name);
    if (hash % 3 == 0 && request.new_enabled) return {Choice::kNew, -1};
    if (hash % 3 == 1 || request.entries.empty()) return {Choice::kIgnoreAreas, -1};
    return {Choice::kEntry, static_cast<int>(hash % request.entries.size())};
  }
};

void AddArea(korvex::CollectionDocument& doc, const char* name) {
  doc.areas.push_back(std::make_unique<korvex::TKategorie>());
  doc.areas.back()->name = name;
  doc.areas.back()->category = doc.AreaCount();
}

// The cell readers on every cell of every line, as each column kind would read it.
void ReadEveryCell(std::string_view content, const korvex::FormatSettings& settings) {
  const std::vector<std::string_view> lines = korvex::SplitTextImportLines(content);
  if (lines.empty()) return;
  const char separator = korvex::ChooseTextImportSeparator(lines.front());
  std::vector<std::string_view> cells;
  for (const std::string_view line : lines) {
    korvex::SplitTextImportLine(korvex::CutTrailingSeparator(line, separator), separator, 0, cells);
    for (const std::string_view raw : cells) {
      const std::string_view cell = korvex::TrimImportCell(raw);
      double number = 0;
      long long whole = 0;
      bool failed = false;
      korvex::ReadImportNumber(cell, number);
      korvex::ReadImportInteger(cell, whole);
      korvex::ReadImportDate(cell, settings, failed);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const korvex::FormatSettings settings = korvex::FormatSettings::German();
  ReadEveryCell(korvex::fuzz::AsText(data, size), settings);

  korvex::CollectionDocument doc;
  AddArea(doc, "Deutschland");
  AddArea(doc, "\xD6sterreich");
  korvex::fuzz::SilentMessages messages;
  AnswersFromNames answers;
  const std::string path = korvex::fuzz::WriteScratchFile("Import.txt", data, size).string();
  const korvex::TextImportResult result =
      korvex::ImportTextFile(path, doc, settings, {messages, answers, answers});
  korvex::FinishTextImport(doc, [&](korvex::CollectionDocument& d) {
    korvex::SortCollection(d, settings);
  });
  if (result.new_coins != doc.coin_count) korvex::fuzz::Mismatch("Zahl der neuen Münzen");
  korvex::fuzz::CheckDocument(doc);
  return 0;
}
