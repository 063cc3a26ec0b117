#include "files/ziparchive.h"

#include <zip.h>

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

// Reads an entry into `content`, which is sized once by the announced size; false on an error.
// The reading goes on to the end of the data, where libzip tests the checksum.
bool ReadWhole(zip_file_t* file, zip_uint64_t announced_size, std::string& content) {
  content.resize(static_cast<size_t>(announced_size));
  size_t filled = 0;
  while (filled < content.size()) {
    const zip_int64_t count = zip_fread(file, content.data() + filled, content.size() - filled);
    if (count < 0) return false;
    if (count == 0) break;
    filled += static_cast<size_t>(count);
  }
  content.resize(filled);
  char block[64 * 1024];
  for (;;) {
    const zip_int64_t count = zip_fread(file, block, sizeof block);
    if (count < 0) return false;
    if (count == 0) return true;
    content.append(block, static_cast<size_t>(count));
  }
}

bool IsPasswordError(int code) { return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD; }

}  // namespace

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
  zip_file_t* file = zip_fopen_index_encrypted(archive_, static_cast<zip_uint64_t>(index), 0,
                                               password.empty() ? nullptr : password.c_str());
  if (!file) {
    const int code = zip_error_code_zip(zip_get_error(archive_));
    if (IsPasswordError(code)) throw EZipError(EZipError::Kind::kWrongPassword, ErrorText(code));
    throw Damaged(ErrorText(code));
  }
  std::string content;
  const bool failed = !ReadWhole(file, (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0, content);
  const std::string detail = failed ? zip_file_strerror(file) : std::string();
  zip_fclose(file);
  // With the traditional method one wrong password in 256 passes the header check; its data then
  // fails to inflate or to match the checksum.
  if (failed && encrypted) throw EZipError(EZipError::Kind::kWrongPassword, detail);
  if (failed) throw Damaged(detail);
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
  const zip_int64_t index =
      zip_file_add(archive_, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
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
