#include "files/ziparchive.h"

#include <zip.h>

#include <vector>

#include "files/readlimits.h"

namespace korvex {
namespace {

constexpr zip_uint32_t kMaximumDeflateLevel = 9;

std::string ErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

EZipError WriteError(const std::string& detail) {
  return EZipError(EZipError::Kind::kWrite,
                   "Das Archiv konnte nicht geschrieben werden (" + detail + ").");
}

EZipError Damaged(const std::string& detail) {
  return EZipError(EZipError::Kind::kDamaged, "Das Archiv ist beschädigt (" + detail + ").");
}

enum class ReadStatus { kRead, kFailed, kTooLarge };

// Reads an entry to the end of its data, where libzip tests the checksum. The size that the
// archive states for the entry is only a claim, so `content` grows as the data arrive, up to
// `limit` bytes.
ReadStatus ReadWhole(zip_file_t* file, uint64_t limit, std::string& content) {
  char block[64 * 1024];
  for (;;) {
    const zip_int64_t count = zip_fread(file, block, sizeof block);
    if (count < 0) return ReadStatus::kFailed;
    if (count == 0) return ReadStatus::kRead;
    if (content.size() + static_cast<uint64_t>(count) > limit) return ReadStatus::kTooLarge;
    content.append(block, static_cast<size_t>(count));
  }
}

bool IsPasswordError(int code) { return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD; }

}  // namespace

std::string ArchiveEntryName(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  std::vector<std::string_view> segments;
  while (!path.empty()) {
    const size_t end = path.find_first_of("/\\");
    const std::string_view segment = path.substr(0, end);
    path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
    if (segment.empty() || segment == ".") continue;
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
      continue;
    }
    segments.push_back(segment);
  }
  std::string name;
  for (const std::string_view segment : segments) {
    if (!name.empty()) name += '/';
    name += segment;
  }
  return name;
}

ZipReader::ZipReader(const std::filesystem::path& path) {
  int code = 0;
  archive_ = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (archive_) return;
  const bool unreadable = code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ;
  throw EZipError(unreadable ? EZipError::Kind::kCannotOpen : EZipError::Kind::kDamaged,
                  ErrorText(code));
}

ZipReader::~ZipReader() { zip_discard(archive_); }

long long ZipReader::IndexOf(const std::string& name) const {
  return zip_name_locate(archive_, name.c_str(), ZIP_FL_NOCASE);
}

bool ZipReader::IsEncrypted(const std::string& name) const {
  zip_stat_t stat;
  const long long index = IndexOf(name);
  return index >= 0 && zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
         (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
}

std::string ZipReader::Read(const std::string& name, const std::string& password) const {
  const long long index = IndexOf(name);
  if (index < 0) throw Damaged("Eintrag " + name + " fehlt");
  zip_stat_t stat;
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    throw Damaged(zip_strerror(archive_));
  }
  const bool encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
  // libzip loses the sources it layered when it cannot open an entry of a method it does not
  // know, so such an entry is refused before it is opened.
  if ((stat.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(stat.comp_method, 0)) {
    throw Damaged("Eintrag " + name + " ist mit einem unbekannten Verfahren gepackt");
  }
  if (encrypted && !zip_encryption_method_supported(stat.encryption_method, 0)) {
    throw Damaged("Eintrag " + name + " ist mit einem unbekannten Verfahren verschlüsselt");
  }
  zip_file_t* file = zip_fopen_index_encrypted(archive_, static_cast<zip_uint64_t>(index), 0,
                                               password.empty() ? nullptr : password.c_str());
  if (!file) {
    const int code = zip_error_code_zip(zip_get_error(archive_));
    if (IsPasswordError(code)) throw EZipError(EZipError::Kind::kWrongPassword, ErrorText(code));
    throw Damaged(ErrorText(code));
  }
  std::string content;
  const uint64_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
  const ReadStatus status = ReadWhole(file, read_limits::MaxInflatedBytes(compressed), content);
  const std::string detail = status == ReadStatus::kFailed ? zip_file_strerror(file) : std::string();
  zip_fclose(file);
  if (status == ReadStatus::kTooLarge) throw Damaged("Eintrag " + name + " ist zu groß");
  // With the traditional method one wrong password in 256 passes the header check; its data then
  // fails to inflate or to match the checksum.
  if (status == ReadStatus::kFailed && encrypted) {
    throw EZipError(EZipError::Kind::kWrongPassword, detail);
  }
  if (status == ReadStatus::kFailed) throw Damaged(detail);
  return content;
}

ZipWriter::ZipWriter(std::string password) : password_(std::move(password)) {
  zip_error_t error;
  zip_error_init(&error);
  memory_ = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (memory_) archive_ = zip_open_from_source(memory_, ZIP_TRUNCATE, &error);
  if (!archive_) {
    const std::string detail = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (memory_) zip_source_free(memory_);
    memory_ = nullptr;
    throw WriteError(detail);
  }
  zip_error_fini(&error);
  // The archive releases its source on closing; the bytes are needed after that.
  zip_source_keep(memory_);
}

ZipWriter::ZipWriter(const std::filesystem::path& path, std::string password)
    : password_(std::move(password)) {
  int code = 0;
  archive_ = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive_) throw WriteError(ErrorText(code));
}

ZipWriter::~ZipWriter() {
  if (archive_) zip_discard(archive_);
  if (memory_) zip_source_free(memory_);
}

void ZipWriter::AddSource(const std::string& name, zip_source* source) {
  if (!source) throw WriteError(zip_strerror(archive_));
  const std::string entry_name = ArchiveEntryName(name);
  if (entry_name.empty()) {
    zip_source_free(source);
    throw WriteError("ungültiger Eintragsname \"" + name + "\"");
  }
  const zip_int64_t index =
      zip_file_add(archive_, entry_name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw WriteError(zip_strerror(archive_));
  }
  const auto entry = static_cast<zip_uint64_t>(index);
  if (zip_set_file_compression(archive_, entry, ZIP_CM_DEFLATE, kMaximumDeflateLevel) != 0 ||
      (!password_.empty() &&
       zip_file_set_encryption(archive_, entry, ZIP_EM_TRAD_PKWARE, password_.c_str()) != 0)) {
    throw WriteError(zip_strerror(archive_));
  }
}

void ZipWriter::AddBuffer(const std::string& name, std::string_view content) {
  AddSource(name, zip_source_buffer(archive_, content.data(), content.size(), 0));
}

bool ZipWriter::AddFile(const std::string& name, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  AddSource(name, zip_source_file(archive_, file.c_str(), 0, -1));
  return true;
}

std::string ZipWriter::Finish() {
  if (zip_close(archive_) != 0) {
    const std::string detail = zip_strerror(archive_);
    throw WriteError(detail);  // the destructor discards the archive
  }
  archive_ = nullptr;
  if (!memory_) return {};

  std::string bytes;
  zip_stat_t stat;
  if (zip_source_stat(memory_, &stat) != 0 || zip_source_open(memory_) != 0) {
    throw WriteError(zip_error_strerror(zip_source_error(memory_)));
  }
  bytes.resize(static_cast<size_t>(stat.size));
  const zip_int64_t count = zip_source_read(memory_, bytes.data(), bytes.size());
  zip_source_close(memory_);
  if (count != static_cast<zip_int64_t>(bytes.size())) throw WriteError("memory");
  return bytes;
}

}  // namespace korvex
