// The INI reader on raw bytes as the lookup file "korvex.ini" and as the update file
// "update.ini": the lists are loaded, the update is merged in and the result loaded again. The
// text of a parsed INI file must parse to the same text again.

#include <algorithm>
#include <filesystem>

#include "dialogs/inifile.h"
#include "dialogs/lookuplists.h"
#include "fuzz/fuzzsupport.h"

namespace {

using korvex::LookupList;
using korvex::LookupLists;

bool Holds(const std::vector<std::string>& list, const std::string& entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

// A plain list keeps every entry of the present lists and of the update through the merge; the
// quality list is keyed by its codes, so two codes that differ in case become one.
void CheckMerged(const LookupLists& present, const LookupLists& update, const LookupLists& merged) {
  for (int index = 0; index < korvex::kLookupListCount; ++index) {
    const auto list = static_cast<LookupList>(index);
    if (list == LookupList::kQualitaet) continue;
    for (const LookupLists* source : {&present, &update}) {
      for (const std::string& entry : (*source)[list]) {
        if (!Holds(merged[list], entry)) korvex::fuzz::Mismatch("Eintrag beim Zusammenführen verloren");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const korvex::IniFile parsed = korvex::IniFile::Parse(korvex::fuzz::AsText(data, size));
  const std::string text = parsed.Text();
  if (korvex::IniFile::Parse(text).Text() != text) korvex::fuzz::Mismatch("INI-Text nicht stabil");

  const std::filesystem::path lookup = korvex::fuzz::WriteScratchFile("korvex.ini", data, size);
  const LookupLists present = korvex::LoadLookupLists(lookup);
  const std::filesystem::path update_file = korvex::fuzz::WriteScratchFile("update.ini", data, size);
  const LookupLists update = korvex::LoadLookupLists(update_file);
  if (korvex::MergeLookupUpdate(present, lookup, update_file)) {
    CheckMerged(present, update, korvex::LoadLookupLists(lookup));
  }
  return 0;
}
