#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datafolders.h"

namespace korvex {

// The thirteen lookup lists ("Hilfsdatenbanken"), numbered as the items of the editor's list
// chooser `Auswahl`.
enum class LookupList {
  kAufbewahrung,    // storage places, `EingabeAufbewahrungsort`
  kHaendler,        // dealers, `EingabeHaendler`
  kLegierungen,     // alloys, `EingabeLegierung`
  kPraegestaetten,  // mints, `EingabeHerstellung`
  kQualitaet,       // quality code "=" long name, `EingabeQualitaet` / `EingabeQualitaetLang`
  kWaehrungen,      // currencies, `EingabeWaehrung`
  kVorderseiten,    // obverse motives, `EingabeMotiv1`
  kRueckseiten,     // reverse motives, `EingabeMotiv2`
  kRaender,         // edges, `EingabeRand`
  kLaender,         // countries, `EingabeLand`
  kStaedte,         // cities, `EingabeStadt`
  kMuenzmeister,    // mint masters, `EingabeMuenzmeister`
  kThemen,          // coin themes, `EingabeThema`
};
inline constexpr int kLookupListCount = 13;

// The section of the lookup file ("Haendler").
const char* LookupSectionName(LookupList list);
// The caption in the editor's list chooser, UTF-8 ("Händler").
const char* LookupCaption(LookupList list);

// The thirteen in-memory lists. Entries are Windows-1252; the plain lists hold the texts, the
// quality list holds entries of the form code "=" long name.
struct LookupLists {
  std::array<std::vector<std::string>, kLookupListCount> lists;

  std::vector<std::string>& operator[](LookupList list) { return lists[static_cast<int>(list)]; }
  const std::vector<std::string>& operator[](LookupList list) const {
    return lists[static_cast<int>(list)];
  }
  bool operator==(const LookupLists&) const = default;
};

// "korvex.ini" and "update.ini" in the data folder (DataFolder()).
std::filesystem::path LookupFilePath();
std::filesystem::path LookupUpdatePath();

// Copies the lookup file shipped in the program folder into the data folder when the data folder
// has none yet. False when there was none to copy or the copy failed; the lists then start empty.
bool InstallDefaultLookupFile(const std::filesystem::path& program_folder = ProgramFolder(),
                              const std::filesystem::path& lookup_file = LookupFilePath());

// Builds the thirteen lists from the lookup file, each in file order. A missing file or section
// gives empty lists.
LookupLists LoadLookupLists(const std::filesystem::path& lookup_file = LookupFilePath());

// Writes the thirteen lists into the lookup file, replacing their sections and keeping anything
// else the file holds. Plain lists are written with the keys 0, 1, 2, ...; the quality list with
// the code as key, so of two codes that differ only in case the later one's long name stays.
// False when the file could not be written.
bool SaveLookupLists(const LookupLists& lists,
                     const std::filesystem::path& lookup_file = LookupFilePath());

// Merges the additions file into the present lists and writes the result to the lookup file:
// every list sorted, neighbours that are exactly equal removed. The additions file is deleted
// once the lookup file is written (it stays when writing failed, so that nothing is lost).
// False when there was no additions file or the lookup file could not be written. Reload the
// lists with LoadLookupLists afterwards.
bool MergeLookupUpdate(const LookupLists& present,
                       const std::filesystem::path& lookup_file = LookupFilePath(),
                       const std::filesystem::path& update_file = LookupUpdatePath());

// Sorts a list in the lookup order (CompareLookupText), as after every addition.
void SortLookupList(std::vector<std::string>& list);

// Adds a typed text to a plain list unless it is empty or the list holds it already (compared
// with the letters A to Z in either case counting as equal; umlauts must match), then sorts the
// list. True when the text was added.
bool AddToLookupList(std::vector<std::string>& list, std::string_view text);

// Adds the pair code "=" long name to the quality list unless the code or the long name is empty
// or an entry has the same code or the same long name (letters A to Z in either case counting as
// equal), then sorts the list. True when the pair was added.
bool AddQualityPair(std::vector<std::string>& qualities, std::string_view code,
                    std::string_view long_name);

// The parts of a quality entry: the code before the first "=", the long name after it (empty
// when there is no "=").
std::string QualityCode(std::string_view entry);
std::string QualityLongName(std::string_view entry);
std::string QualityEntry(std::string_view code, std::string_view long_name);

// The long name of the entry whose code equals `code` without regard to case; empty when none.
std::string QualityLongNameOf(const std::vector<std::string>& qualities, std::string_view code);

}  // namespace korvex
