#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/ttext.h"

namespace korvex {

// One collected coin, or one lot of identical coins. Also the working copy of the entry dialog and
// the template of a search or free filter. Texts are Windows-1252.
class TDaten {
 public:
  TDaten();
  TDaten(const TDaten&) = delete;
  TDaten& operator=(const TDaten&) = delete;

  // Copies every data member from `item` to `change_count` and the note text; keeps this record's
  // `z_desc` texts and its links. The record then always owns a note object.
  void Assign(const TDaten& source);

  // A standalone copy: the data members, the note and `z_desc`, without links.
  std::unique_ptr<TDaten> Clone() const;

  // Exchanges every data member, `z_desc` and the note (or its absence) with `other`; the links
  // stay. Undo and redo of a changed coin are this exchange.
  void SwapValues(TDaten& other);

  std::string CaseText() const;
  std::string CertificateText() const;

  // The catalogue value of the whole lot, computed in extended precision.
  long double CatalogueSum() const { return static_cast<long double>(catalogue) * count; }

  // The five extra fields by number 1 to 5.
  std::string& Z(int n);
  const std::string& Z(int n) const;

  // The text member of a text field type (1 to 8, 10 to 18, 25, 26, 32 to 39, 42 to 46); nothing
  // for other field types.
  std::string* TextField(int type);
  const std::string* TextField(int type) const;

  // The catalogue number of catalogue kind 0 to 5.
  std::string& CatalogueNumber(int kind);
  const std::string& CatalogueNumber(int kind) const;

  // Links of the collection order and the display order; the document owns the records.
  TDaten* next = nullptr;
  TDaten* prev = nullptr;
  TDaten* display_next = nullptr;
  TDaten* display_prev = nullptr;

  // Appends `b` after this record (the current last one) in both orders.
  void AppendAfter(TDaten* b);

  std::string item;
  int32_t category = 1;
  std::string quality;
  std::string jaeger;
  std::string yeoman;
  std::string schoen;
  std::string ric;
  std::string cohen;
  std::string other1;
  int32_t count = 1;
  std::string mintlocation;
  std::string numeral;
  std::string currency;
  std::string location;
  std::string country;
  std::string master;
  std::string city;
  std::string av_motive;
  std::string rv_motive;
  std::string year;
  std::string date;
  std::string validtil;
  double estimate = 0;
  double catalogue = 0;
  double purchaseprice = 0;
  double purchasedate;
  float weight = 0;
  float fine = 0;
  std::string standard;
  float diameter_minimum = 0;
  float diameter_maximum = 0;
  int64_t circulation = 0;
  std::string av_artist;
  std::string rv_artist;
  float width = 0;
  std::string theme;
  std::string alloy;
  std::string dealer;
  std::string border;
  uint8_t case_ = 0;
  uint8_t certificate = 0;
  std::string z1;
  std::string z2;
  std::string z3;
  std::string z4;
  std::string z5;
  std::array<std::string, 5> z_desc;
  std::string av_picture;
  std::string rv_picture;
  double creation;
  double last;
  int32_t change_count = 0;
  std::unique_ptr<TText> description;

 private:
  void CopyDataFrom(const TDaten& source);
};

}  // namespace korvex
