// Opening and saving collection files beside what pugixml and zlib need for the same bytes.

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>

#include <benchmark/benchmark.h>

#include "benchservices.h"
#include "benchsizes.h"
#include "files/collectionfileio.h"
#include "files/xmlcollection.h"
#include "model/codepage.h"
#include "referenceops.h"
#include "samplefiles.h"
#include "zipentry.h"

namespace korvex::bench {
namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

// Generated and written once per size, on first use.
const SampleFiles& Samples(int coins) {
  static std::map<int, SampleFiles> samples;
  auto found = samples.find(coins);
  if (found == samples.end()) {
    found = samples.emplace(coins, WriteSampleFiles(Scratch().path(), coins)).first;
  }
  return found->second;
}

void Open(benchmark::State& state, const std::filesystem::path& path, const std::string& password) {
  FailOnMessage messages;
  KnownPassword passwords(Utf8ToWin1252(password));
  NoProgress progress;
  FileServices services{messages, passwords, progress};
  const std::string name = Utf8ToWin1252(path.string());
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CollectionDocument>();
    state.ResumeTiming();
    if (!OpenCollectionFile(*doc, name, services)) state.SkipWithError("open failed");
    state.PauseTiming();
    doc.reset();  // freeing the collection is closing it, not opening it
    state.ResumeTiming();
  }
}

void OpenMvs(benchmark::State& state, int coins) { Open(state, Samples(coins).mvs, ""); }
void OpenMvc(benchmark::State& state, int coins) { Open(state, Samples(coins).mvc, ""); }
void OpenMvcPassword(benchmark::State& state, int coins) {
  Open(state, Samples(coins).mvc_password, kSamplePassword);
}

void ReadAndParse(benchmark::State& state, int coins) {
  const std::filesystem::path path = Samples(coins).mvs;
  for (auto _ : state) {
    std::string bytes = ReadWholeFile(path);
    pugi::xml_document tree;
    ParseXmlInPlace(bytes, tree);
  }
}

void ReadInflateAndParse(benchmark::State& state, int coins) {
  const std::filesystem::path path = Samples(coins).mvc;
  for (auto _ : state) {
    const std::string archive = ReadWholeFile(path);
    std::string bytes = InflateZipEntry(FindZipEntry(archive, "mints.xml"));
    pugi::xml_document tree;
    ParseXmlInPlace(bytes, tree);
  }
}

void WriteXml(benchmark::State& state, int coins) {
  const std::unique_ptr<CollectionDocument> doc = GeneratedDocument(coins);
  NoProgress progress;
  for (auto _ : state) benchmark::DoNotOptimize(WriteCollectionXml(*doc, progress));
}

// The same XML as a parsed tree, serialised by pugixml.
void Serialise(benchmark::State& state, int coins) {
  std::string bytes = ReadWholeFile(Samples(coins).mvs);
  pugi::xml_document tree;
  ParseXmlInPlace(bytes, tree);
  for (auto _ : state) benchmark::DoNotOptimize(SerialiseTree(tree));
}

void Deflate9(benchmark::State& state, int coins) {
  const std::string xml = ReadWholeFile(Samples(coins).mvs);
  for (auto _ : state) benchmark::DoNotOptimize(DeflateLevel9(xml));
}

void SerialiseAndDeflate9(benchmark::State& state, int coins) {
  std::string bytes = ReadWholeFile(Samples(coins).mvs);
  pugi::xml_document tree;
  ParseXmlInPlace(bytes, tree);
  for (auto _ : state) benchmark::DoNotOptimize(DeflateLevel9(SerialiseTree(tree)));
}

// The floor of saving a plain file safely: serialising, writing and flushing it to the disk.
void SerialiseAndWriteSynced(benchmark::State& state, int coins) {
  std::string bytes = ReadWholeFile(Samples(coins).mvs);
  pugi::xml_document tree;
  ParseXmlInPlace(bytes, tree);
  const std::filesystem::path path = Scratch().path() / "ref-geschrieben.mvs";
  for (auto _ : state) {
    const std::string xml = SerialiseTree(tree);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(xml.data(), 1, xml.size(), file) == xml.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (file) std::fclose(file);
    if (!written) state.SkipWithError("write failed");
  }
}

void Save(benchmark::State& state, int coins, const char* extension, const std::string& password) {
  const std::unique_ptr<CollectionDocument> doc = GeneratedDocument(coins);
  NameDocument(*doc, Scratch().path() / ("gespeichert" + std::to_string(coins) + extension), password);
  FailOnMessage messages;
  NoProgress progress;
  for (auto _ : state) {
    if (!SaveCollectionFile(*doc, messages, progress)) state.SkipWithError("save failed");
  }
}

void SaveMvs(benchmark::State& state, int coins) { Save(state, coins, ".mvs", ""); }
void SaveMvc(benchmark::State& state, int coins) { Save(state, coins, ".mvc", ""); }
void SaveMvcPassword(benchmark::State& state, int coins) {
  Save(state, coins, ".mvc", kSamplePassword);
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  return RunBySize(argc, argv, {
      {"open .mvs", OpenMvs},
      {"ref read+parse", ReadAndParse},
      {"open .mvc", OpenMvc},
      {"open .mvc password", OpenMvcPassword},
      {"ref read+inflate+parse", ReadInflateAndParse},
      {"write XML", WriteXml},
      {"ref serialise", Serialise},
      {"ref deflate9", Deflate9},
      {"ref serialise+deflate9", SerialiseAndDeflate9},
      {"save .mvs", SaveMvs},
      {"ref serialise+write+sync", SerialiseAndWriteSynced},
      {"save .mvc", SaveMvc},
      {"save .mvc password", SaveMvcPassword},
  });
}
