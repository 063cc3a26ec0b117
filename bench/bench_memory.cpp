// Memory of opening a large collection: the resident set held afterwards (the parser's tree freed)
// and the peak while opening, beside the size of the XML and the peak of the XML parser alone on
// the same file. Each measurement runs in a child process of its own, so that no measurement
// inherits the heap another one left behind.
//
//   bench_memory [coins]          prints one JSON object with every measurement
//   bench_memory --child WHAT F   one measurement (open / parse) of file F, printed as JSON

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "benchservices.h"
#include "files/collectionfileio.h"
#include "memoryprobe.h"
#include "model/codepage.h"
#include "referenceops.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

struct Measurement {
  long held_kib = 0;   // resident set added by the operation and still held after it
  long peak_kib = 0;   // highest resident set during the operation above the start
  long heap_kib = 0;   // allocator bytes in use afterwards
};

void PrintMeasurement(const Measurement& m) {
  std::printf("{\"held_kib\": %ld, \"peak_kib\": %ld, \"heap_kib\": %ld}\n", m.held_kib, m.peak_kib,
              m.heap_kib);
}

// Runs `operation`, which keeps what it built alive until it returns the measurement.
template <typename Operation>
Measurement Measure(Operation&& operation) {
  const MemoryStatus start = ReadMemoryStatus();
  if (!ResetPeak()) throw std::runtime_error("the kernel cannot reset the peak (clear_refs)");
  return operation([&] {
    const MemoryStatus now = ReadMemoryStatus();
    return Measurement{now.rss_kib - start.rss_kib, now.peak_kib - start.rss_kib,
                       static_cast<long>(HeapInUse() / 1024)};
  });
}

Measurement MeasureOpen(const std::string& path) {
  return Measure([&](auto take) {
    CollectionDocument doc;
    FailOnMessage messages;
    KnownPassword passwords;
    NoProgress progress;
    FileServices services{messages, passwords, progress};
    if (!OpenCollectionFile(doc, Utf8ToWin1252(path), services)) {
      throw std::runtime_error("open failed");
    }
    return take();
  });
}

Measurement MeasureParse(const std::string& path) {
  return Measure([&](auto take) {
    std::string bytes = ReadWholeFile(path);
    pugi::xml_document tree;
    ParseXmlInPlace(bytes, tree);
    return take();
  });
}

int RunChild(const std::string& what, const std::string& path) {
  if (what == "open") PrintMeasurement(MeasureOpen(path));
  else if (what == "parse") PrintMeasurement(MeasureParse(path));
  else throw std::runtime_error("unknown measurement " + what);
  return 0;
}

std::string RunInChild(const std::string& what, const std::filesystem::path& file) {
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::string command = "'" + self + "' --child " + what + " '" + file.string() + "'";
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
  if (!pipe) throw std::runtime_error("cannot start " + command);
  std::string output;
  char block[256];
  while (std::fgets(block, sizeof block, pipe.get())) output += block;
  if (output.empty()) throw std::runtime_error("no result from " + command);
  while (!output.empty() && output.back() == '\n') output.pop_back();
  return output;
}

int RunAll(int coins) {
  ScratchFolder folder;
  const SampleFiles files = WriteSampleFiles(folder.path(), coins);
  std::printf("{\"coins\": %d, \"xml_bytes\": %zu, \"mvc_bytes\": %ju,\n", coins, files.xml_size,
              static_cast<uintmax_t>(std::filesystem::file_size(files.mvc)));
  std::printf(" \"open_mvs\": %s,\n", RunInChild("open", files.mvs).c_str());
  std::printf(" \"open_mvc\": %s,\n", RunInChild("open", files.mvc).c_str());
  std::printf(" \"pugixml_parse\": %s}\n", RunInChild("parse", files.mvs).c_str());
  return 0;
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  try {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--child" && argc == 4) return korvex::bench::RunChild(argv[2], argv[3]);
    return korvex::bench::RunAll(argc > 1 ? std::atoi(argv[1]) : 100000);
  } catch (const std::exception& error) {
    std::cerr << "bench_memory: " << error.what() << '\n';
    return 1;
  }
}
