// The main of a fuzz target outside libFuzzer: runs every file of the folders (or the files)
// named on the command line through the target once, so that the ordinary test suite replays the
// seeds and every input that once made a target fail. A run that finds no file at all fails.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputFiles(const fs::path& named) {
  std::vector<fs::path> files;
  std::error_code error;
  if (fs::is_regular_file(named, error)) return {named};
  if (!fs::is_directory(named, error)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(named)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& file : InputFiles(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
      std::cout << file.filename().string() << std::endl;
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::cout << replayed << " Eingaben nachgespielt\n";
  return replayed > 0 ? 0 : 1;
}
