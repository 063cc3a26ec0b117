#include "dialogs/lookuplists.h"

#include <algorithm>
#include <system_error>

#include "dialogs/inifile.h"
#include "dialogs/lookuporder.h"
#include "model/textcompare.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

struct ListInfo {
  const char* section;
  const char* caption;
};

constexpr std::array<ListInfo, kLookupListCount> kListInfo = {{
    {"Aufbewahrung", "Aufbewahrungsorte"},
    {"Haendler", "Händler"},
    {"Legierungen", "Legierungen"},
    {"Praegestaetten", "Prägestätten"},
    {"Qualitaet", "Qualitäten"},
    {"Waehrungen", "Währungen"},
    {"Vorderseiten", "Vorderseiten"},
    {"Rueckseiten", "Rückseiten"},
    {"Raender", "Ränder"},
    {"Laender", "Länder"},
    {"Staedte", "Städte"},
    {"Muenzmeister", "Münzmeister"},
    {"Themen", "Münzthemen"},
}};

// The order in which the sections are erased, written and merged.
constexpr std::array<LookupList, kLookupListCount> kFileOrder = {
    LookupList::kQualitaet,  LookupList::kPraegestaetten, LookupList::kWaehrungen,
    LookupList::kLegierungen, LookupList::kHaendler,      LookupList::kAufbewahrung,
    LookupList::kVorderseiten, LookupList::kRueckseiten,  LookupList::kLaender,
    LookupList::kRaender,     LookupList::kStaedte,       LookupList::kMuenzmeister,
    LookupList::kThemen,
};

std::string PairText(const IniFile::Entry& entry) {
  return entry.is_pair ? entry.key + "=" + entry.value : entry.key;
}

// A plain list's text: the value after the key; a line without key is taken whole, so that a
// hand-written list of bare texts works as well.
std::string PlainText(const IniFile::Entry& entry) { return entry.is_pair ? entry.value : entry.key; }

void RemoveEqualNeighbours(std::vector<std::string>& list) {
  list.erase(std::unique(list.begin(), list.end()), list.end());
}

}  // namespace

const char* LookupSectionName(LookupList list) { return kListInfo[static_cast<int>(list)].section; }

const char* LookupCaption(LookupList list) { return kListInfo[static_cast<int>(list)].caption; }

std::filesystem::path LookupFilePath() { return DataFolder() / "korvex.ini"; }

std::filesystem::path LookupUpdatePath() { return DataFolder() / "update.ini"; }

bool InstallDefaultLookupFile(const std::filesystem::path& program_folder,
                              const std::filesystem::path& lookup_file) {
  std::error_code error;
  if (std::filesystem::exists(lookup_file, error)) return false;
  const std::filesystem::path shipped = program_folder / "korvex.ini";
  if (!std::filesystem::is_regular_file(shipped, error)) return false;
  if (lookup_file.has_parent_path()) {
    std::filesystem::create_directories(lookup_file.parent_path(), error);
  }
  return std::filesystem::copy_file(shipped, lookup_file, error) && !error;
}

LookupLists LoadLookupLists(const std::filesystem::path& lookup_file) {
  const IniFile ini = IniFile::Load(lookup_file);
  LookupLists lists;
  for (int index = 0; index < kLookupListCount; ++index) {
    const auto list = static_cast<LookupList>(index);
    const std::vector<IniFile::Entry> entries = ini.SectionEntries(LookupSectionName(list));
    std::vector<std::string>& target = lists[list];
    target.reserve(entries.size());
    for (const IniFile::Entry& entry : entries) {
      target.push_back(list == LookupList::kQualitaet ? PairText(entry) : PlainText(entry));
    }
  }
  return lists;
}

bool SaveLookupLists(const LookupLists& lists, const std::filesystem::path& lookup_file) {
  IniFile ini = IniFile::Load(lookup_file);
  for (LookupList list : kFileOrder) ini.EraseSection(LookupSectionName(list));
  for (LookupList list : kFileOrder) {
    const char* section = LookupSectionName(list);
    const std::vector<std::string>& entries = lists[list];
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (list == LookupList::kQualitaet) {
        ini.WriteKey(section, QualityCode(entries[i]), QualityLongName(entries[i]));
      } else {
        ini.WriteKey(section, std::to_string(i), entries[i]);
      }
    }
  }
  return ini.Save(lookup_file);
}

bool MergeLookupUpdate(const LookupLists& present, const std::filesystem::path& lookup_file,
                       const std::filesystem::path& update_file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(update_file, error)) return false;
  const IniFile update = IniFile::Load(update_file);
  LookupLists merged = present;
  for (LookupList list : kFileOrder) {
    std::vector<std::string>& target = merged[list];
    SortLookupList(target);
    // Only the added lines are reduced to their text: an entry already in the list may itself
    // contain "=" and must keep its whole text.
    for (const IniFile::Entry& entry : update.SectionEntries(LookupSectionName(list))) {
      target.push_back(list == LookupList::kQualitaet ? PairText(entry) : PlainText(entry));
    }
    SortLookupList(target);
    RemoveEqualNeighbours(target);
  }
  if (!SaveLookupLists(merged, lookup_file)) return false;
  std::filesystem::remove(update_file, error);
  return true;
}

void SortLookupList(std::vector<std::string>& list) { SortLookupTexts(list); }

bool AddToLookupList(std::vector<std::string>& list, std::string_view text) {
  if (text.empty()) return false;
  const bool known = std::any_of(list.begin(), list.end(), [text](const std::string& entry) {
    return EqualAsciiUpper(entry, text);
  });
  if (known) return false;
  list.emplace_back(text);
  SortLookupList(list);
  return true;
}

bool AddQualityPair(std::vector<std::string>& qualities, std::string_view code,
                    std::string_view long_name) {
  if (code.empty() || long_name.empty()) return false;
  const bool known =
      std::any_of(qualities.begin(), qualities.end(), [&](const std::string& entry) {
        return EqualAsciiUpper(QualityCode(entry), code) ||
               EqualAsciiUpper(QualityLongName(entry), long_name);
      });
  if (known) return false;
  qualities.push_back(QualityEntry(code, long_name));
  SortLookupList(qualities);
  return true;
}

std::string QualityCode(std::string_view entry) {
  return std::string(entry.substr(0, entry.find('=')));
}

std::string QualityLongName(std::string_view entry) {
  const std::size_t equals = entry.find('=');
  return equals == std::string_view::npos ? std::string() : std::string(entry.substr(equals + 1));
}

std::string QualityEntry(std::string_view code, std::string_view long_name) {
  return std::string(code) + "=" + std::string(long_name);
}

std::string QualityLongNameOf(const std::vector<std::string>& qualities, std::string_view code) {
  for (const std::string& entry : qualities) {
    if (EqualIgnoringCase(QualityCode(entry), code)) return QualityLongName(entry);
  }
  return {};
}

}  // namespace korvex
