#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/tdaten.h"
#include "model/tkategorie.h"
#include "model/tzelle.h"

namespace korvex {

inline constexpr int kAllCoinsView = 2147483647;
inline constexpr int kNoSortKey = 65535;
inline constexpr int kAlignmentTableSize = 47;
inline constexpr const char* kUnnamedFile = "[Unbenannt]";

// Told about changes that the window shows: the title (file name), the password panel and the
// "Geändert" panel.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void FileNameChanged() {}
  virtual void PasswordChanged() {}
  virtual void ModifiedChanged() {}
};

// Everything one collection file holds, kept in memory while it is open: the collecting areas, the
// coin records in collection order and display order, the all-coins columns, the alignment table,
// the document options and the state of the file. The document owns its records.
class CollectionDocument {
 public:
  explicit CollectionDocument(std::string system_currency_symbol = "\x80");
  ~CollectionDocument();
  CollectionDocument(const CollectionDocument&) = delete;
  CollectionDocument& operator=(const CollectionDocument&) = delete;

  void SetObserver(DocumentObserver* observer) { observer_ = observer; }

  // Back to a new, empty, unnamed file.
  void Reset();

  // Removes all areas and coins but keeps the options and the file state.
  void ClearContent();

  // --- file state ---
  const std::string& file_path() const { return file_path_; }
  const std::string& file_title() const { return file_title_; }
  const std::string& picture_folder() const { return picture_folder_; }
  // Stores the path and derives the title and the picture folder (the folder beside the file
  // named like it, with a final separator).
  void SetFileName(const std::string& path);
  // Back to "[Unbenannt]" without a name, as after a failed open.
  void ClearFileName();

  const std::string& password() const { return password_; }
  void SetPassword(const std::string& password);

  bool modified() const { return modified_; }
  // Ignored while the document is not writable.
  void SetModified(bool modified);

  bool writable() const { return writable_; }
  void SetWritable(bool writable) { writable_ = writable; }

  bool compressed = false;
  bool has_name = false;
  bool from_template = false;
  uint16_t legacy_version = 0;

  // --- content ---
  std::vector<std::unique_ptr<TKategorie>> areas;
  TDaten* first_coin = nullptr;
  TDaten* first_shown = nullptr;
  int32_t coin_count = 0;
  std::vector<TZelle> all_cells;
  std::array<TZelle, kAlignmentTableSize> alignment_table;
  std::string currency_symbol;
  int32_t current_view = kAllCoinsView;
  std::array<int32_t, 5> sort_keys;
  bool standard_order = true;
  int32_t highest_item = 0;

  // The area with id `id` (1-based position); nothing when there is none.
  TKategorie* Area(int id);
  const TKategorie* Area(int id) const;
  int AreaCount() const { return static_cast<int>(areas.size()); }

  // Puts a record at the head of the collection order (the display order follows on the next
  // rebuild) and takes ownership.
  void InsertAtHead(std::unique_ptr<TDaten> record);
  // Appends a record after the last one in both orders, as the readers do.
  void Append(std::unique_ptr<TDaten> record);
  // Unlinks a record from both orders and returns it to the caller.
  std::unique_ptr<TDaten> Remove(TDaten* record);
  // The last record of the collection order.
  TDaten* LastCoin() const;

  // The display order becomes the collection order.
  void RebuildDisplayOrder();

  // Relinks the collection order to the given sequence of this document's records (all of them,
  // each once) and rebuilds the display order from it. Sorting uses this.
  void RelinkCollectionOrder(const std::vector<TDaten*>& order);

  // `highest_item` becomes the largest whole-number value of the coins' inventory numbers (0 for
  // none).
  void RecomputeHighestItem();

  // Appends the area that takes coins whose area id names no area ("Gerettete Daten, bitte in
  // korrekte Kategorien kopieren", short "sos") and returns its id.
  int AppendRescueArea();

  // Resets the alignment table to the 47 defaults.
  void ResetAlignmentTable();

  const std::string& system_currency_symbol() const { return system_currency_symbol_; }

 private:
  void DeleteAllCoins();

  std::string system_currency_symbol_;
  std::string file_path_ = kUnnamedFile;
  std::string file_title_;
  std::string picture_folder_;
  std::string password_;
  bool writable_ = true;
  bool modified_ = false;
  TDaten* last_coin_ = nullptr;
  DocumentObserver* observer_ = nullptr;
};

}  // namespace korvex
