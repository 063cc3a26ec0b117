#include "dialogs/arearules.h"

#include <cctype>

#include "model/fieldcatalogue.h"
#include "model/numbertext.h"
#include "model/paths.h"
#include "model/textcompare.h"

namespace korvex {

TKategorie NewArea(int position) {
  TKategorie area;
  area.name = kNewAreaName;
  area.SetShort(ShortNameForPosition(position));
  area.menu = true;
  area.icon_button = true;
  return area;
}

std::string ShortNameForPosition(int position) { return std::to_string(position).substr(0, 3); }

std::string ShortNameAfterNaming(const std::string& short_name, const std::string& name) {
  return short_name.empty() ? name.substr(0, 3) : short_name;
}

bool IconButtonAllowed(bool has_icon, const std::string& short_name) {
  return has_icon || !short_name.empty();
}

std::string ExtraCaptionShown(const TKategorie& area, int field) {
  const std::string& caption = area.ExtraName(field);
  return caption.empty() ? std::string(kFreeCaptionPlaceholder) : caption;
}

CaptionEdit ApplyExtraCaption(TKategorie& area, int field, const std::string& text) {
  if (text.empty()) return CaptionEdit::kRefill;
  if (text == kFreeCaptionPlaceholder) return CaptionEdit::kPlaceholder;
  area.z_name[field - 1] = text;
  return CaptionEdit::kStored;
}

void SetDiameterUsed(TKategorie& area, bool used) {
  area.diameter_minimum = used;
  area.diameter_maximum = false;
}

std::array<std::string, 6> KindListItems(const TKategorie& area) {
  std::array<std::string, 6> items;
  for (int kind = 0; kind < 5; ++kind) items[kind] = CatalogueKindPickerName(kind);
  items[5] = area.other_name;
  return items;
}

void AskFreeCatalogueName(TKategorie& area, CatalogueNameAsker& asker) {
  const std::string answer = asker.AskCatalogueName(area.other_name);
  if (!TrimBlanks(answer).empty()) area.other_name = answer;
}

std::filesystem::path IconFolder(const std::filesystem::path& program_folder) {
  return program_folder / "ICO";
}

std::string StoredIconName(const std::filesystem::path& chosen,
                           const std::filesystem::path& program_folder) {
  const std::string file = PathText(chosen.lexically_normal().generic_string());
  std::string folder = PathText(program_folder.lexically_normal().generic_string());
  if (folder.empty()) return file;
  if (folder.back() != '/') folder += '/';
  // Only a leading program folder is cut, compared the way file names are compared on Windows.
  if (file.size() > folder.size() && EqualAsciiUpper(file.substr(0, folder.size()), folder)) {
    return file.substr(folder.size());
  }
  return file;
}

std::optional<std::filesystem::path> ResolveAreaIconPath(const std::string& icon,
                                                         const std::filesystem::path& program_folder) {
  if (icon.empty()) return std::nullopt;
  std::string name = icon;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  const bool has_drive = name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
  if (has_drive || name.front() == '/') return NativePath(name);
  return program_folder / NativePath(name);
}

}  // namespace korvex
