#include "files/textimportareas.h"

#include "model/codepage.h"
#include "model/textcompare.h"

namespace korvex {

TextImportAreaMapping::TextImportAreaMapping(CollectionDocument& document,
                                             UnknownAreaQuestion& question)
    : document_(document), question_(question) {
  entries_.reserve(document.areas.size());
  for (const auto& area : document.areas) entries_.push_back(area->name);
}

int TextImportAreaMapping::AreaFor(const std::string& name, const std::string& motive) {
  new_enabled_ = !name.empty();
  if (!name.empty()) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (EqualAsciiUpper(entries_[i], name)) return static_cast<int>(i) + 1;
    }
  }
  if (ignore_areas_) return static_cast<int>(entries_.size());
  return AskUser(name, motive);
}

int TextImportAreaMapping::AskUser(const std::string& name, const std::string& motive) {
  const UnknownAreaAnswer answer = question_.ChooseArea({motive, name, entries_, new_enabled_});
  const bool valid_entry = answer.choice == UnknownAreaAnswer::Choice::kEntry &&
                           answer.entry >= 0 && answer.entry < static_cast<int>(entries_.size());
  if (valid_entry) {
    if (!name.empty()) entries_[answer.entry] = name;
    return answer.entry + 1;
  }
  if (answer.choice == UnknownAreaAnswer::Choice::kNew && new_enabled_) {
    return AppendArea(name, name);
  }
  // Checked "Kategorien ignorieren", or an answer the dialog cannot give: from now on every coin
  // without a known area goes into one area.
  ignore_areas_ = true;
  return AppendArea(Utf8ToWin1252("Münzen ohne Kategorie"), "??");
}

int TextImportAreaMapping::AppendArea(const std::string& name, const std::string& short_label) {
  auto area = std::make_unique<TKategorie>();
  area->name = name;
  area->SetShort(short_label);
  area->menu = true;
  area->icon_button = true;
  document_.areas.push_back(std::move(area));
  const int id = document_.AreaCount();
  // Also the area for coins without area gets its position as id, so that it is found by it.
  document_.areas.back()->category = id;
  entries_.push_back(name);
  return id;
}

}  // namespace korvex
