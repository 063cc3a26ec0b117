#include "samplefiles.h"

#include <cstdlib>
#include <stdexcept>

#include "benchservices.h"
#include "collectiongenerator.h"
#include "files/collectionfileio.h"
#include "model/codepage.h"

namespace korvex::bench {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "korvex-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::unique_ptr<CollectionDocument> GeneratedDocument(int coins) {
  auto doc = std::make_unique<CollectionDocument>();
  GenerateCollection(*doc, coins);
  doc->RebuildDisplayOrder();
  return doc;
}

void NameDocument(CollectionDocument& doc, const std::filesystem::path& path,
                  const std::string& utf8_password) {
  const std::string name = Utf8ToWin1252(path.string());
  doc.SetFileName(name);
  doc.has_name = true;
  doc.compressed = IsCompressedCollectionPath(name);
  doc.SetPassword(Utf8ToWin1252(utf8_password));
}

SampleFiles WriteSampleFiles(const std::filesystem::path& folder, int coins) {
  SampleFiles files;
  files.coins = coins;
  const std::string stem = "sammlung" + std::to_string(coins);
  files.mvs = folder / (stem + ".mvs");
  files.mvc = folder / (stem + ".mvc");
  files.mvc_password = folder / (stem + "-passwort.mvc");

  const std::unique_ptr<CollectionDocument> doc = GeneratedDocument(coins);
  FailOnMessage messages;
  NoProgress progress;
  const auto save = [&](const std::filesystem::path& path, const std::string& password) {
    NameDocument(*doc, path, password);
    if (!SaveCollectionFile(*doc, messages, progress)) {
      throw std::runtime_error("cannot save " + path.string());
    }
  };
  save(files.mvs, "");
  save(files.mvc, "");
  save(files.mvc_password, kSamplePassword);
  files.xml_size = std::filesystem::file_size(files.mvs);
  return files;
}

}  // namespace korvex::bench
