#include "model/tdaten.h"

#include "model/datetime.h"
#include "model/fieldcatalogue.h"

namespace korvex {

TDaten::TDaten() {
  const double today = Today();
  purchasedate = today;
  creation = today;
  last = today;
}

void TDaten::CopyDataFrom(const TDaten& s) {
  item = s.item; category = s.category; quality = s.quality;
  jaeger = s.jaeger; yeoman = s.yeoman; schoen = s.schoen; ric = s.ric; cohen = s.cohen;
  other1 = s.other1; count = s.count; mintlocation = s.mintlocation; numeral = s.numeral;
  currency = s.currency; location = s.location; country = s.country; master = s.master;
  city = s.city; av_motive = s.av_motive; rv_motive = s.rv_motive; year = s.year; date = s.date;
  validtil = s.validtil; estimate = s.estimate; catalogue = s.catalogue;
  purchaseprice = s.purchaseprice; purchasedate = s.purchasedate; weight = s.weight;
  fine = s.fine; standard = s.standard; diameter_minimum = s.diameter_minimum;
  diameter_maximum = s.diameter_maximum; circulation = s.circulation; av_artist = s.av_artist;
  rv_artist = s.rv_artist; width = s.width; theme = s.theme; alloy = s.alloy; dealer = s.dealer;
  border = s.border; case_ = s.case_; certificate = s.certificate;
  z1 = s.z1; z2 = s.z2; z3 = s.z3; z4 = s.z4; z5 = s.z5;
  av_picture = s.av_picture; rv_picture = s.rv_picture;
  creation = s.creation; last = s.last; change_count = s.change_count;
}

void TDaten::Assign(const TDaten& source) {
  CopyDataFrom(source);
  auto note = std::make_unique<TText>();
  if (source.description) note->text = source.description->text;
  description = std::move(note);
}

std::unique_ptr<TDaten> TDaten::Clone() const {
  auto copy = std::make_unique<TDaten>();
  copy->CopyDataFrom(*this);
  copy->z_desc = z_desc;
  if (description) copy->description = std::make_unique<TText>(*description);
  return copy;
}

void TDaten::SwapValues(TDaten& other) {
  const std::unique_ptr<TDaten> mine = Clone();
  CopyDataFrom(other);
  z_desc.swap(other.z_desc);
  description.swap(other.description);
  other.CopyDataFrom(*mine);
}

std::string TDaten::CaseText() const { return case_ == 1 ? "Etui" : ""; }

std::string TDaten::CertificateText() const { return certificate == 1 ? "Zertifikat" : ""; }

std::string& TDaten::Z(int n) {
  switch (n) {
    case 1: return z1;
    case 2: return z2;
    case 3: return z3;
    case 4: return z4;
    default: return z5;
  }
}

const std::string& TDaten::Z(int n) const { return const_cast<TDaten*>(this)->Z(n); }

std::string* TDaten::TextField(int type) {
  switch (type) {
    case kQuality: return &quality;
    case kItem: return &item;
    case kSchoen: return &schoen;
    case kJaeger: return &jaeger;
    case kYeoman: return &yeoman;
    case kRic: return &ric;
    case kCohen: return &cohen;
    case kOther1: return &other1;
    case kMintlocation: return &mintlocation;
    case kNumeral: return &numeral;
    case kCurrency: return &currency;
    case kTheme: return &theme;
    case kAvMotive: return &av_motive;
    case kRvMotive: return &rv_motive;
    case kYear: return &year;
    case kDate: return &date;
    case kValidtil: return &validtil;
    case kDealer: return &dealer;
    case kStandard: return &standard;
    case kAlloy: return &alloy;
    case kCity: return &city;
    case kCountry: return &country;
    case kMaster: return &master;
    case kAvArtist: return &av_artist;
    case kRvArtist: return &rv_artist;
    case kBorder: return &border;
    case kLocation: return &location;
    case kZ1: case kZ2: case kZ3: case kZ4: case kZ5: return &Z(type - kZ1 + 1);
    default: return nullptr;
  }
}

const std::string* TDaten::TextField(int type) const {
  return const_cast<TDaten*>(this)->TextField(type);
}

std::string& TDaten::CatalogueNumber(int kind) {
  return *TextField(kind >= 0 && kind < kCatalogueKindCount ? FieldTypeOfKind(kind) : kSchoen);
}

const std::string& TDaten::CatalogueNumber(int kind) const {
  return const_cast<TDaten*>(this)->CatalogueNumber(kind);
}

void TDaten::AppendAfter(TDaten* b) {
  next = b;
  display_next = b;
  b->prev = this;
  b->display_prev = this;
}

}  // namespace korvex
