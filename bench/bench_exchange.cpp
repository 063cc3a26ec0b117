// Text export and import of the whole collection beside writing and splitting the same bytes.

#include <cstdio>
#include <map>
#include <memory>
#include <string_view>

#include <benchmark/benchmark.h>

#include "benchservices.h"
#include "benchsizes.h"
#include "collectiongenerator.h"
#include "files/textexport.h"
#include "files/textimport.h"
#include "mainwindow/sorting.h"
#include "model/codepage.h"
#include "model/numbertext.h"
#include "referenceops.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

std::filesystem::path ExportPath(int coins) {
  return Scratch().path() / ("export" + std::to_string(coins) + ".txt");
}

const CollectionDocument& Collection(int coins) {
  static std::map<int, std::unique_ptr<CollectionDocument>> documents;
  auto& doc = documents[coins];
  if (!doc) doc = GeneratedDocument(coins);
  return *doc;
}

void Export(const CollectionDocument& doc, const std::filesystem::path& path) {
  FailOnMessage messages;
  if (ExportTextFile(Utf8ToWin1252(path.string()), doc, TextExportRequest{},
                     FormatSettings::German(), messages) != TextExportOutcome::kWritten) {
    throw std::runtime_error("export failed");
  }
}

// The exported file of a size, written once on first use.
const std::filesystem::path& ExportedFile(int coins) {
  static std::map<int, std::filesystem::path> files;
  auto found = files.find(coins);
  if (found == files.end()) {
    Export(Collection(coins), ExportPath(coins));
    found = files.emplace(coins, ExportPath(coins)).first;
  }
  return found->second;
}

void ExportAll(benchmark::State& state, int coins) {
  const CollectionDocument& doc = Collection(coins);
  const std::filesystem::path path = Scratch().path() / "export-lauf.txt";
  for (auto _ : state) Export(doc, path);
}

// The floor of an export: writing the same bytes to a file.
void WriteBytes(benchmark::State& state, int coins) {
  const std::string bytes = ReadWholeFile(ExportedFile(coins));
  const std::filesystem::path path = Scratch().path() / "schreiben.txt";
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      state.SkipWithError("write failed");
    }
    if (file) std::fclose(file);
  }
}

// The import as the menu command runs it into an open collection with the same areas and no
// coins: reading the file, then sorting by the standard order and recounting. The export writes
// the creation and change dates with their time, which the import does not read, so its one
// message about dates left open is expected; any other message stops the run.
void ImportAll(benchmark::State& state, int coins) {
  const std::string path = Utf8ToWin1252(ExportedFile(coins).string());
  const FormatSettings settings = FormatSettings::German();
  FailOnImportQuestion questions;
  for (auto _ : state) {
    CountMessages messages;
    state.PauseTiming();
    auto doc = std::make_unique<CollectionDocument>();
    GenerateCollection(*doc, 0);
    state.ResumeTiming();
    const TextImportResult result =
        ImportTextFile(path, *doc, settings, {messages, questions, questions});
    FinishTextImport(*doc, [&](CollectionDocument& d) { SortCollection(d, settings); });
    if (result.new_coins != coins || messages.count() > 1) state.SkipWithError("import incomplete");
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
}

// The floor of an import: reading the file and cutting it into lines and values.
void SplitFile(benchmark::State& state, int coins) {
  const std::filesystem::path path = ExportedFile(coins);
  for (auto _ : state) {
    const std::string bytes = ReadWholeFile(path);
    size_t values = 0;
    size_t line = 0;
    while (line < bytes.size()) {
      size_t end = bytes.find("\r\n", line);
      if (end == std::string::npos) end = bytes.size();
      const std::string_view text(bytes.data() + line, end - line);
      for (size_t start = 0;; ++values) {
        const size_t tab = text.find('\t', start);
        benchmark::DoNotOptimize(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
      }
      line = end + 2;
    }
    benchmark::DoNotOptimize(values);
  }
}

// A number cell that grows with the collection (40 characters per coin: 40 KB to 4 MB), such as a
// column of amounts pasted into one cell: digits grouped by points with a decimal comma.
std::string LongNumberCell(int coins) {
  std::string cell;
  while (cell.size() < static_cast<size_t>(coins) * 40) cell += "1.234";
  return cell + ",56";
}

// The import's reading of a number cell: keeping only the last separator as the decimal point.
void DecimalPoints(benchmark::State& state, int coins) {
  const std::string cell = LongNumberCell(coins);
  for (auto _ : state) benchmark::DoNotOptimize(DecimalPointText(cell));
}

// The floor of it: one pass over the cell that copies it, replacing one character.
void ReplaceCommas(benchmark::State& state, int coins) {
  const std::string cell = LongNumberCell(coins);
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceChar(cell, ',', '.'));
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  return RunBySize(argc, argv, {
      {"export text", ExportAll},
      {"ref write bytes", WriteBytes},
      {"import text", ImportAll},
      {"ref read+split", SplitFile},
      {"decimal point text", DecimalPoints},
      {"ref replace char", ReplaceCommas},
  });
}
