#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/formatsettings.h"
#include "model/tdaten.h"
#include "model/tkategorie.h"

namespace korvex {

// Where a pair of the detail view stands on the screen: in the full-width lines at the top, or
// in the left or right column below them.
enum class DetailColumn { kFullWidth, kLeft, kRight };

// One caption and value pair of the detail view. The names are those of the view's labels
// ("KaufpreisT", "Kaufpreis"); texts are Windows-1252.
struct DetailField {
  std::string caption_name;
  std::string value_name;
  std::string caption;
  std::string value;
  bool shown = false;  // the coin's area uses the field
  DetailColumn column = DetailColumn::kLeft;
};

// Everything the detail view shows of one coin, without widgets: the window and both printouts
// (coin sheet and index card) read it.
struct DetailViewContent {
  std::string caption;    // "5 Mark (1936, Olympia)"
  std::string area_name;
  std::vector<DetailField> fields;
  bool value_increase_negative = false;  // drawn in red instead of blue
  bool has_case = false;
  bool has_certificate = false;
  bool area_uses_case = false;
  bool area_uses_certificate = false;
  bool area_uses_item = false;
  std::string item;     // the inventory number (`Inventarnr`)
  std::string history;  // `DatumLabel`
  std::string note;     // the free text, lines ended by CR LF
  std::string obverse_picture;
  std::string reverse_picture;

  // The pair whose value label has this name; nullptr for an unknown name.
  const DetailField* Field(std::string_view value_name) const;
  // "Vorhanden" or "Nein" (`AAEtui`, `AAZertifikat`).
  static std::string PresenceText(bool present);
};

// What the texts of the view depend on besides the coin and its area.
struct DetailViewFormat {
  FormatSettings format;
  std::string currency_symbol;           // the document's `currency_symbol`
  bool currency_before_amount = false;   // the locale puts the symbol first ("€ 1,00")
  std::vector<std::string> qualities;    // the quality lookup list, entries "code=text"
};

// A money amount as the detail view shows it: "%.2n" and the symbol in the locale's order.
std::string DetailMoney(double value, const DetailViewFormat& format);

DetailViewContent MakeDetailViewContent(const TDaten& coin, const TKategorie& area,
                                        const DetailViewFormat& format);

}  // namespace korvex
