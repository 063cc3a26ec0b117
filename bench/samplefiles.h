#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "model/collectiondocument.h"

// The synthetic collections the benchmarks open, save, sort and show, and the files written
// from them.
namespace korvex::bench {

inline constexpr const char* kSamplePassword = "Münzkabinett";

// A fresh folder below the system's temporary folder, removed with its content at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The generated collection of `coins` coins over twelve areas, unnamed and unmodified.
std::unique_ptr<CollectionDocument> GeneratedDocument(int coins);

// The generated collection saved by the program's own save command in each form it writes.
struct SampleFiles {
  int coins = 0;
  std::filesystem::path mvs;           // plain XML
  std::filesystem::path mvc;           // ZIP archive, no password
  std::filesystem::path mvc_password;  // ZIP archive encrypted with kSamplePassword
  size_t xml_size = 0;                 // the bytes of the XML document
};
SampleFiles WriteSampleFiles(const std::filesystem::path& folder, int coins);

// Points `doc` at `path` as a file of the kind its extension names, with or without a password,
// so that the save command writes there.
void NameDocument(CollectionDocument& doc, const std::filesystem::path& path,
                  const std::string& utf8_password);

}  // namespace korvex::bench
