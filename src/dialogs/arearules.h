#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "model/tkategorie.h"

namespace korvex {

// Texts and small rules of the area definition dialog that do not need widgets. Area texts are
// Windows-1252 like all document text.

// The name of an area made in the dialog.
inline constexpr const char* kNewAreaName = "Neues Sammelgebiet";

// What an extra-field caption edit shows while the area has no caption for the field.
inline constexpr const char* kFreeCaptionPlaceholder = "Frei definierbar";

// A fresh area for position `position` (1-based) of the working list: the defaults of every new
// area, named "Neues Sammelgebiet", its position as short name, listed in the area menu and with a
// toolbar button.
TKategorie NewArea(int position);

// The short name of an area at `position`: the decimal text cut to three characters.
std::string ShortNameForPosition(int position);

// The short name an area keeps when its name field is left right after it was created: an empty
// short name takes the first three characters of the name.
std::string ShortNameAfterNaming(const std::string& short_name, const std::string& name);

// Whether the toolbar-button switch may be used: a button needs a picture or a short text to show.
bool IconButtonAllowed(bool has_icon, const std::string& short_name);

// What the caption edit of extra field 1 to 5 shows for the area.
std::string ExtraCaptionShown(const TKategorie& area, int field);

// The outcome of typing into a caption edit.
enum class CaptionEdit {
  kStored,       // the text became the field's caption
  kPlaceholder,  // the text is the placeholder; the caption stays
  kRefill,       // the edit was emptied: it shows the placeholder again and the caption stays
};

// Applies the edit text of extra field 1 to 5 to the area.
CaptionEdit ApplyExtraCaption(TKategorie& area, int field, const std::string& text);

// Switching the (minimum) diameter on or off always switches the maximum diameter off: the
// maximum is only offered again, unticked, once the diameter itself is used.
void SetDiameterUsed(TKategorie& area, bool used);

// The six items of a number-slot kind list: the five fixed catalogue names and, as item 5, the
// area's own name for its free catalogue.
std::array<std::string, 6> KindListItems(const TKategorie& area);

// Asks the user for a name; the dialog itself lives in the GUI.
class CatalogueNameAsker {
 public:
  virtual ~CatalogueNameAsker() = default;
  // Shows `current` (Windows-1252) and returns the text the user confirmed.
  virtual std::string AskCatalogueName(const std::string& current) = 0;
};

// Asks for the name of the area's free catalogue (kind 5) and stores it as `other_name`. A blank
// answer keeps the previous name, so the kind lists never show an empty item.
void AskFreeCatalogueName(TKategorie& area, CatalogueNameAsker& asker);

// The folder of the shipped area pictures below the program folder.
std::filesystem::path IconFolder(const std::filesystem::path& program_folder);

// The icon name to store for a picture the user chose: a picture below the program folder is
// stored relative to it (e.g. "ICO/de.bmp"), so the collection keeps working when the program is
// installed elsewhere; any other picture keeps its full path. Windows-1252.
std::string StoredIconName(const std::filesystem::path& chosen,
                           const std::filesystem::path& program_folder);

// The file an area's icon name refers to: a name with a drive or a root is taken as it is, any
// other lies below the program folder. Backslashes of names written on Windows count as folder
// separators. Nothing for an empty name.
std::optional<std::filesystem::path> ResolveAreaIconPath(const std::string& icon,
                                                         const std::filesystem::path& program_folder);

}  // namespace korvex
