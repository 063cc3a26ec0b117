#include "model/tkategorie.h"

#include "model/fieldcatalogue.h"

namespace korvex {

std::vector<TZelle> DefaultCells() {
  return {
      {kSchoen, 40, kAlignLeft},      {kJaeger, 40, kAlignLeft},
      {kCount, 25, kAlignRight},      {kQuality, 25, kAlignLeft},
      {kNumeral, 25, kAlignRight},    {kCurrency, 50, kAlignLeft},
      {kAvMotive, 150, kAlignLeft},   {kRvMotive, 150, kAlignLeft},
      {kCatalogue, 65, kAlignRight},  {kCataloguesum, 85, kAlignRight},
  };
}

TKategorie::TKategorie() : cells(DefaultCells()) { RecomputeKindInUse(); }

void TKategorie::SetNumberKind(int slot, int kind) {
  if (slot < 1 || slot > 3) return;
  number_kind[slot - 1] = kind;
  RecomputeKindInUse();
}

void TKategorie::RecomputeKindInUse() {
  kind_in_use.fill(false);
  for (int slot = 0; slot < 3; ++slot) {
    const int kind = number_kind[slot];
    if (number_active[slot] && kind >= 0 && kind < kCatalogueKindCount) kind_in_use[kind] = true;
  }
}

void TKategorie::ResetCells() { cells = DefaultCells(); }

void TKategorie::SetShort(const std::string& text) { short_ = text.substr(0, 3); }

bool TKategorie::FieldEnabled(int type) const {
  switch (type) {
    case kQuality: return quality;
    case kItem: return item;
    case kSchoen: case kJaeger: case kYeoman: case kRic: case kCohen: case kOther1:
      return kind_in_use[type - kSchoen];
    case kCount: return count;
    case kMintlocation: return mintlocation;
    case kNumeral: return numeral;
    case kCurrency: return currency;
    case kTheme: return theme;
    case kAvMotive: return av_motive;
    case kRvMotive: return rv_motive;
    case kYear: return year;
    case kDate: return date;
    case kValidtil: return validtil;
    case kCirculation: return circulation;
    case kCatalogue: case kCataloguesum: return catalogue;
    case kEstimate: return estimate;
    case kPurchaseprice: return purchaseprice;
    case kPurchasedate: return purchasedate;
    case kDealer: return dealer;
    case kStandard: return standard;
    case kFine: return fine;
    case kWeight: return weight;
    case kDiameterMinimum: return diameter_minimum;
    case kDiameterMaximum: return diameter_maximum;
    case kWidth: return width;
    case kAlloy: return alloy;
    case kCity: return city;
    case kCountry: return country;
    case kMaster: return master;
    case kAvArtist: return av_artist;
    case kRvArtist: return rv_artist;
    case kBorder: return border;
    case kLocation: return location;
    case kCase: return case_;
    case kCertificate: return certificate;
    case kZ1: case kZ2: case kZ3: case kZ4: case kZ5: return z_active[type - kZ1];
    default: return false;
  }
}

}  // namespace korvex
