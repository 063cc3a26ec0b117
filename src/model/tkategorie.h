#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/tzelle.h"

namespace korvex {

// A collecting area ("Sammelgebiet"): which fields its coins use, which three catalogue-number
// systems it shows, the captions of its extra fields and its grid columns. Texts are
// Windows-1252. Arrays count from 0: slot 1 is index 0, extra field 1 is index 0.
class TKategorie {
 public:
  TKategorie();

  // Sets the catalogue kind of number slot 1 to 3 and recomputes `kind_in_use`.
  void SetNumberKind(int slot, int kind);

  // Marks each kind 0 to 5 shown by an active slot; kinds outside 0 to 5 mark nothing.
  void RecomputeKindInUse();

  // Replaces the columns with the ten default columns.
  void ResetCells();

  // Stores a short label, cut to its first three characters.
  void SetShort(const std::string& text);

  // Whether the area enables a field type: type 21 follows `catalogue`, types 3 to 8 follow
  // `kind_in_use`, types 42 to 46 follow `z_active`.
  bool FieldEnabled(int type) const;

  // The area's caption of extra field 1 to 5.
  const std::string& ExtraName(int n) const { return z_name[n - 1]; }

  bool operator==(const TKategorie&) const = default;

  std::vector<TZelle> cells;
  int32_t category = 0;
  bool item = true;
  std::string name = "Standard";
  std::string short_;
  std::string icon;
  bool menu = true;
  bool icon_button = false;
  bool quality = true;
  std::array<bool, 3> number_active = {true, true, false};
  bool count = true;
  bool mintlocation = true;
  bool numeral = true;
  bool currency = true;
  bool av_motive = true;
  bool rv_motive = true;
  bool year = true;
  bool validtil = true;
  bool catalogue = true;
  bool purchaseprice = true;
  bool estimate = true;
  bool purchasedate = true;
  bool weight = true;
  bool standard = true;
  bool fine = true;
  bool diameter_minimum = true;
  bool diameter_maximum = true;
  bool circulation = true;
  bool alloy = true;
  bool dealer = true;
  bool city = false;
  bool location = true;
  bool country = false;
  bool border = true;
  bool master = false;
  bool av_artist = false;
  bool rv_artist = false;
  bool width = false;
  bool date = true;
  bool theme = true;
  bool case_ = true;
  bool certificate = true;
  std::array<bool, 5> z_active = {};
  std::array<bool, 5> z_desc = {};
  std::array<std::string, 5> z_name;
  bool av_picture = true;
  bool rv_picture = true;
  std::array<bool, 6> kind_in_use = {};
  std::string other_name = "(andere Katalognummer)";
  std::array<int32_t, 3> number_kind = {0, 2, 1};
};

// The ten columns of a new area and of the all-coins view.
std::vector<TZelle> DefaultCells();

// One working entry of the area definition dialog.
struct TKategorieCache {
  TKategorie area;
  int32_t id_at_opening = 0;  // 0 for an area added in the dialog
  bool in_use = false;        // coins belong to the area; it cannot be deleted
};

}  // namespace korvex
