#include "files/legacyfile.h"

#include <algorithm>
#include <climits>
#include <filesystem>

#include "files/fileerrors.h"
#include "files/legacyrecords.h"
#include "files/legacyscrambling.h"
#include "files/legacystream.h"
#include "files/readlimits.h"
#include "model/codepage.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"
#include "platform/filebytes.h"

namespace korvex {
namespace {

constexpr const char* kCannotRead =
    "Datei konnte nicht geöffnet werden. Datei entweder nicht vorhanden oder durch ein anderes "
    "Programm blockiert.";
constexpr const char* kPartlyRead =
    "Die Datei ist beschädigt. Alle lesbaren Münzen wurden übernommen; nicht lesbare Angaben und "
    "Notizen sind leer geblieben.";
constexpr const char* kProgressText = "Lade Daten. Fertig:";

constexpr uint16_t kNoPassword = 0;
constexpr uint16_t kWriteProtection = 255;
constexpr std::size_t kMagicLength = 12;
constexpr int kHighestKey = 255;

// The file is no legacy data file, or its header is damaged.
struct NotALegacyFile {};

// The file version of a magic value; 0 for anything else.
int VersionOfMagic(std::string_view magic) {
  static const char* const kMagics[] = {"Korvexia_250", "KorvexiaV250", "Korvexia_200",
                                        "KorvexiaV200", "Korvexia_120", "KorvexiaV120",
                                        "Korvexia_100", "KorvexiaV100"};
  static const int kVersions[] = {250, 250, 200, 200, 120, 120, 100, 100};
  for (int i = 0; i < 8; ++i) {
    if (magic == kMagics[i]) return kVersions[i];
  }
  return 0;
}

// False when the file cannot be read. A file too large for any legacy data file is no such file.
bool ReadLegacyBytes(const std::string& path, std::string& bytes) {
  std::error_code error;
  const auto size = std::filesystem::file_size(NativePath(path), error);
  if (!error && size > read_limits::kMaxDocumentBytes) throw NotALegacyFile{};
  FileBytes file = ReadWholeFile(NativePath(path));
  bytes = std::move(file.bytes);
  return file.ok();
}

// One run of the reader over one file.
class LegacyFileReader {
 public:
  LegacyFileReader(const std::string& path, CollectionDocument& document,
                   const LegacyReadServices& services)
      : path_(path), document_(document), services_(services), stream_({}) {}

  LegacyReadResult Run();

 private:
  void ReadMagic();
  bool CheckPassword();
  void ReadDocumentPart();
  void ReadAreas();
  void ReadAlignmentTable();
  void ReadViewAndFilter();
  void ReadCoins();
  void ReadNotes();
  void ReadCoinsAndNotes();
  void RepairCoinsWithoutArea();
  void Finish();

  const std::string& path_;
  CollectionDocument& document_;
  const LegacyReadServices& services_;
  std::string bytes_;
  LegacyStream stream_;
  std::string magic_;
  int version_ = 0;
  int key_ = 0;
  int file_area_count_ = 0;
  LegacyReadResult result_;
};

LegacyReadResult LegacyFileReader::Run() {
  document_.ClearContent();
  document_.SetPassword("");
  document_.SetWritable(true);
  document_.SetFileName(path_);
  document_.has_name = true;
  document_.from_template = false;
  document_.compressed = false;
  document_.legacy_version = 0;

  try {
    if (!ReadLegacyBytes(path_, bytes_)) throw ELegacyRead();
    stream_ = LegacyStream(bytes_);
    ReadMagic();
    if (!CheckPassword()) {
      services_.messages.Error(kWrongPasswordText);
      document_.ClearFileName();
      document_.legacy_version = 0;
      result_.outcome = LegacyReadOutcome::kWrongPassword;
    } else {
      ReadDocumentPart();
    }
  } catch (const NotALegacyFile&) {
    services_.messages.Error(kNotACollectionFile);
    document_.ClearContent();
    document_.ClearFileName();
    document_.legacy_version = 0;
    result_.outcome = LegacyReadOutcome::kNotKorvexFile;
  } catch (const ELegacyRead&) {
    result_.outcome = LegacyReadOutcome::kReadError;
  }
  Finish();
  return std::move(result_);
}

void LegacyFileReader::ReadMagic() {
  if (stream_.Remaining() < kMagicLength) throw NotALegacyFile{};
  magic_ = stream_.ReadBytes(kMagicLength);
  version_ = VersionOfMagic(magic_);
  if (version_ == 0) throw NotALegacyFile{};
  document_.legacy_version = static_cast<uint16_t>(version_);
}

bool LegacyFileReader::CheckPassword() {
  const uint16_t flag = stream_.ReadWord();
  if (flag == kNoPassword) {
    key_ = 0;
    return true;
  }
  int32_t stored_length = -1;
  int stored_key = 0;
  if (flag == kWriteProtection) {
    stored_length = stream_.ReadInt32();
    stored_key = stream_.ReadInt32();
    // Texts are unscrambled byte by byte with the key; only keys of one byte are possible.
    if (stored_length < 0 || stored_key < 0 || stored_key > kHighestKey) throw NotALegacyFile{};
  }
  const PasswordAnswer answer = services_.passwords.AskPasswordOrWriteProtected(
      Win1252ToUtf8(path_), flag == kWriteProtection);

  if (answer.button == PasswordAnswer::Button::kWriteProtected && flag == kWriteProtection) {
    // The file keeps its key, so its texts can be read without the password.
    stream_.Skip(static_cast<std::size_t>(stored_length));
    key_ = stored_key;
    result_.write_protected = true;
    document_.SetWritable(false);
    return true;
  }
  // An empty password would compare zero bytes and let anybody in.
  if (answer.button != PasswordAnswer::Button::kOk || answer.text.empty()) return false;

  const int candidate_key = LegacyPasswordKey(answer.text);
  const std::string scrambled = LegacyScramble(answer.text, candidate_key);
  // A write-protected file states the length of its stored password; reading exactly that many
  // bytes keeps the file in step also when a password of another length was typed.
  const std::size_t length =
      flag == kWriteProtection ? static_cast<std::size_t>(stored_length) : scrambled.size();
  // A wrong password longer than the rest of the file is still just a wrong password.
  if (flag != kWriteProtection && length > stream_.Remaining()) return false;
  if (stream_.ReadBytes(length) != scrambled) return false;
  document_.SetPassword(answer.text);
  key_ = candidate_key;
  return true;
}

void LegacyFileReader::ReadDocumentPart() {
  document_.currency_symbol = stream_.ReadString(key_);
  const int64_t record_count = std::max<int32_t>(0, stream_.ReadInt32());
  services_.progress.ProgressBegin(kProgressText);
  const int64_t progress_total = std::min<int64_t>(2 * record_count + 3, INT_MAX);
  services_.progress.ProgressTotal(static_cast<int>(progress_total));
  services_.progress.ProgressSet(1);

  const int32_t last_column = stream_.ReadInt32();
  TZelle ignored;
  for (int64_t i = 0; i <= last_column; ++i) ReadLegacyCell(stream_, ignored);
  ReadAreas();
  services_.progress.ProgressStep();
  ReadAlignmentTable();
  ReadViewAndFilter();
  ReadCoinsAndNotes();
}

// Damage in the coin list or in the notes loses only what it touches: a coin cut off keeps the
// members read so far, the coins after it are lost with the rest of the file, and a note that
// cannot be read stays empty.
void LegacyFileReader::ReadCoinsAndNotes() {
  result_.outcome = LegacyReadOutcome::kRead;
  try {
    ReadCoins();
  } catch (const ELegacyRead&) {
    result_.outcome = LegacyReadOutcome::kReadDamaged;
  }
  ReadNotes();
}

void LegacyFileReader::ReadAreas() {
  uint16_t continuation = 0;
  do {
    if (document_.AreaCount() >= read_limits::kMaxAreas) throw NotALegacyFile{};
    document_.areas.push_back(std::make_unique<TKategorie>());
    ReadLegacyArea(stream_, version_, key_, *document_.areas.back());
    ++file_area_count_;
    continuation = stream_.ReadWord();
  } while (continuation == 0);
}

void LegacyFileReader::ReadAlignmentTable() {
  document_.ResetAlignmentTable();
  if (version_ < 200) {
    document_.highest_item = 0;
    return;
  }
  document_.highest_item = stream_.ReadInt32();
  const int32_t stored = stream_.ReadInt32();
  for (int64_t entry = static_cast<int64_t>(stored) - 1; entry >= 0; --entry) {
    stream_.ReadInt32();  // the type; entry t always describes field type t
    const int32_t align = stream_.ReadInt32();
    if (entry < kAlignmentTableSize && align >= kAlignLeft && align <= kAlignCenter) {
      document_.alignment_table[entry].align = align;
    }
  }
}

void LegacyFileReader::ReadViewAndFilter() {
  const int32_t view = stream_.ReadInt32();
  document_.current_view = view < 0 ? kAllCoinsView : view;
  result_.same_layout = stream_.ReadByte() != 0;
  for (int k = 0; k < 3; ++k) document_.sort_keys[k] = stream_.ReadInt32();
  if (version_ < 120) {
    document_.sort_keys[3] = document_.sort_keys[4] = kNoSortKey;
    return;
  }
  for (int k = 3; k < 5; ++k) document_.sort_keys[k] = stream_.ReadInt32();
  if (stream_.ReadByte() == 0) return;
  LegacyFilter filter;
  filter.caption = stream_.ReadPlainString();
  filter.all_criteria = stream_.ReadByte() != 0;
  filter.exact_text = stream_.ReadByte() != 0;
  filter.match_case = stream_.ReadByte() != 0;
  filter.kind = stream_.ReadInt32();
  filter.template_ = std::make_unique<TDaten>();
  ReadLegacyCoin(stream_, version_, key_, *filter.template_);
  result_.filter = std::move(filter);
}

void LegacyFileReader::ReadCoins() {
  while (!stream_.AtEnd() && stream_.ReadWord() == 0) {
    if (document_.coin_count >= read_limits::kMaxCoins) throw NotALegacyFile{};
    services_.progress.ProgressStep();
    auto owned = std::make_unique<TDaten>();
    TDaten& coin = *owned;
    coin.description = std::make_unique<TText>();
    if (version_ < 200) coin.item = std::to_string(++document_.highest_item);
    document_.Append(std::move(owned));
    ReadLegacyCoin(stream_, version_, key_, coin);
  }
}

void LegacyFileReader::ReadNotes() {
  for (TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    services_.progress.ProgressStep();
    try {
      coin->description->text = stream_.ReadString(key_);
      coin->description->NormaliseLineEnds();
    } catch (const ELegacyRead&) {
      result_.outcome = LegacyReadOutcome::kReadDamaged;
    }
  }
}

void LegacyFileReader::RepairCoinsWithoutArea() {
  int rescue_id = 0;
  for (TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    // Ids beyond the areas of the file would index past the area list as surely as ids below 1.
    if (coin->category >= 1 && coin->category <= file_area_count_) continue;
    if (rescue_id == 0) rescue_id = document_.AppendRescueArea();
    coin->category = rescue_id;
  }
  if (rescue_id != 0) services_.messages.Error(kCorruptDataText);
}

void LegacyFileReader::Finish() {
  // Areas are known by their position; the file's own ids are not trusted.
  for (int i = 0; i < document_.AreaCount(); ++i) {
    document_.areas[i]->category = i + 1;
    document_.areas[i]->ResetCells();
  }
  RepairCoinsWithoutArea();
  if (result_.outcome == LegacyReadOutcome::kReadError) services_.messages.Error(kCannotRead);
  if (result_.outcome == LegacyReadOutcome::kReadDamaged) services_.messages.Error(kPartlyRead);
  for (TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    if (!coin->description) coin->description = std::make_unique<TText>();
    // Legacy files carry no descriptions of the extra fields. A coin takes its area's captions,
    // which is what a collection file without descriptions reads back as, so that converting the
    // file does not change the coins.
    if (const TKategorie* area = document_.Area(coin->category)) coin->z_desc = area->z_name;
  }
  document_.RebuildDisplayOrder();
  const int stored_highest = document_.highest_item;
  document_.RecomputeHighestItem();
  document_.highest_item = std::max(document_.highest_item, stored_highest);
  if (document_.current_view != kAllCoinsView && !document_.Area(document_.current_view)) {
    document_.current_view = kAllCoinsView;
  }
  if (magic_ == kLegacyTemplateMagic) {
    document_.ClearFileName();
    document_.from_template = true;
  }
  // Also after a read error: sort keys from a damaged file must never reach the sort.
  document_.sort_keys.fill(kNoSortKey);
  document_.standard_order = true;
  document_.all_cells = DefaultCells();
  services_.progress.ProgressEnd();
  if (result_.Read() && services_.number_assignment && document_.AreaCount() > 0) {
    services_.number_assignment->OfferForAllAreas(document_);
  }
}

}  // namespace

LegacyReadResult ReadLegacyFile(const std::string& path, CollectionDocument& document,
                                const LegacyReadServices& services) {
  return LegacyFileReader(path, document, services).Run();
}

}  // namespace korvex
