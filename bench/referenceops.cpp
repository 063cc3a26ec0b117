#include "referenceops.h"

#include <fstream>
#include <stdexcept>

#include <zlib.h>

namespace korvex::bench {
namespace {

// The options the collection reader parses with: whitespace-only notes kept, line ends untouched.
constexpr unsigned kCollectionParseOptions =
    (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_eol;

class StringWriter final : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& out) : out_(out) {}
  void write(const void* data, size_t size) override {
    out_.append(static_cast<const char*>(data), size);
  }

 private:
  std::string& out_;
};

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  std::string bytes(static_cast<size_t>(file.tellg()), '\0');
  file.seekg(0);
  if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    throw std::runtime_error("cannot read " + path.string());
  }
  return bytes;
}

void ParseXmlInPlace(std::string& bytes, pugi::xml_document& tree) {
  const pugi::xml_parse_result result =
      tree.load_buffer_inplace(bytes.data(), bytes.size(), kCollectionParseOptions, pugi::encoding_utf8);
  if (!result) throw std::runtime_error(std::string("XML parse failed: ") + result.description());
}

std::string SerialiseTree(const pugi::xml_document& tree) {
  std::string out;
  StringWriter writer(out);
  tree.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return out;
}

std::string DeflateLevel9(std::string_view bytes) {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::string out(deflateBound(&stream, bytes.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw std::runtime_error("deflate failed");
  return out;
}

}  // namespace korvex::bench
