#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/legacynumberassignment.h"
#include "model/collectiondocument.h"
#include "platform/messages.h"
#include "platform/passwordprompt.h"
#include "platform/progress.h"

namespace korvex {

// The active filter stored in a legacy data file of version 120 or later. The main window makes
// it its active filter: it checks the menu item and presses the button of `kind`, uses `caption`
// as the title suffix, the options as its filter switches and `template_` as its template.
struct LegacyFilter {
  std::string caption;  // Windows-1252
  bool all_criteria = false;
  bool exact_text = false;
  bool match_case = false;
  int32_t kind = 0;  // 1 duplicates, 2 missing items, 3 stock only, 4 free filter
  std::unique_ptr<TDaten> template_;
};

enum class LegacyReadOutcome {
  kRead,           // the whole file was read
  kReadDamaged,    // the coin list or the notes were damaged; every coin that reads is kept
  kNotKorvexFile,  // wrong magic; the document is empty and unnamed
  kWrongPassword,  // password dialog cancelled or wrong password; empty and unnamed
  kReadError,      // missing, locked, truncated or damaged; what was read stays
};

struct LegacyReadResult {
  LegacyReadOutcome outcome = LegacyReadOutcome::kReadError;
  // Opened with "Schreib&geschützt" without the password: the document is left not writable, and
  // the open command must not make it writable again.
  bool write_protected = false;
  // The main window's flag that all collecting areas share one column layout.
  bool same_layout = false;
  std::optional<LegacyFilter> filter;

  // The document holds the collection (whole or as far as it could be read) and can be worked on.
  bool Read() const {
    return outcome == LegacyReadOutcome::kRead || outcome == LegacyReadOutcome::kReadDamaged;
  }
};

struct LegacyReadServices {
  MessageService& messages;
  PasswordPrompt& passwords;
  Progress& progress;
  // Offered the catalogue-number assignment after a successful read; may be none.
  LegacyNumberAssignment* number_assignment = nullptr;
};

// The magic values of legacy data files; "KorvexiaV250" marks a template.
inline constexpr const char* kLegacyTemplateMagic = "KorvexiaV250";

// Reads a legacy data file (".kvl", versions 100, 120, 200 and 250; read only) into `document`.
// `path` is Windows-1252 like every path the document holds.
//
// The document is emptied and takes the file's name, as the open command does before it calls
// the reader. Every message (wrong file, wrong password, repaired coins, damaged data, read error)
// is shown here. A damaged coin list or note block keeps every coin that reads and leaves the
// unreadable notes empty. Afterwards the document is in standard order with the ten default
// all-coins columns, its display order equals the collection order, every coin's `category` names
// one of its areas and every coin owns a note with CR LF line ends. Coins without a valid area are
// moved into the new area "Gerettete Daten, bitte in korrekte Kategorien kopieren". A template
// clears the file name. The status line shows "Lade Daten. Fertig:" while reading.
LegacyReadResult ReadLegacyFile(const std::string& path, CollectionDocument& document,
                                const LegacyReadServices& services);

}  // namespace korvex
