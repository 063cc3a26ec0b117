#pragma once

#include <string>

namespace korvex {

// Field types 1 to 46 name the coin fields; 0 is no field.
inline constexpr int kFieldCount = 46;

enum FieldType : int {
  kNoField = 0,
  kQuality = 1, kItem, kSchoen, kJaeger, kYeoman, kRic, kCohen, kOther1, kCount, kMintlocation,
  kNumeral, kCurrency, kTheme, kAvMotive, kRvMotive, kYear, kDate, kValidtil, kCirculation,
  kCatalogue, kCataloguesum, kEstimate, kPurchaseprice, kPurchasedate, kDealer, kStandard, kFine,
  kWeight, kDiameterMinimum, kDiameterMaximum, kWidth, kAlloy, kCity, kCountry, kMaster,
  kAvArtist, kRvArtist, kBorder, kLocation, kCase, kCertificate, kZ1, kZ2, kZ3, kZ4, kZ5
};

// Column alignments as stored in cells.
enum Alignment : int { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

// How a field's value is held and compared.
enum class ValueKind { kText, kInteger, kInteger64, kMoney, kComputedMoney, kDate, kMeasure, kYesNo, kNone };

// The key of a field type; empty for any number outside 1 to 46.
const std::string& FieldKey(int type);

// The field type whose key equals `key` exactly (case-sensitive); 0 otherwise.
int FieldTypeOfKey(const std::string& key);

// Right for the number fields, centre for the purchase date, left otherwise.
int DefaultAlignment(int type);

ValueKind ValueKindOf(int type);

// Catalogue kinds 0 to 5 are the field types 3 to 8.
inline constexpr int kCatalogueKindCount = 6;
inline int FieldTypeOfKind(int kind) { return kind + kSchoen; }

// "schoen" for kind 0 and for every value outside 1 to 5.
const std::string& CatalogueKindKey(int kind);

// 1 to 5 for "jaeger", "yeoman", "ric", "cohen", "other1"; 0 for anything else.
int CatalogueKindOfKey(const std::string& key);

// Windows-1252 captions. The field-list caption of type 8 differs in the sort dialog.
const std::string& FieldListCaption(int type, bool sort_dialog = false);

// The fixed column header of a field type; types 8 and 42 to 46 take their headers from the
// collecting area instead, and this returns the empty text for them.
const std::string& FixedColumnHeader(int type);

// The name that the number-slot pickers list for a catalogue kind ("Schön-Nr." ...); kind 5 has
// no fixed name and gives the empty text.
const std::string& CatalogueKindPickerName(int kind);

}  // namespace korvex
