#include "mainwindow/templatematching.h"

#include <algorithm>
#include <cstdint>

#include "model/datetime.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool ContainsAsciiUpper(std::string_view text, std::string_view part) {
  const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                 [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
  return found != text.end();
}

// Collects the outcome of the given criteria; criteria that are not given are never reported.
class Tally {
 public:
  void Add(bool matched) {
    if (matched) any_match_ = true;
    else any_failure_ = true;
  }
  bool Result(bool all_criteria) const { return all_criteria ? !any_failure_ : any_match_; }

 private:
  bool any_match_ = false;
  bool any_failure_ = false;
};

class TemplateReader {
 public:
  TemplateReader(const TDaten& coin, const TDaten& template_, const MatchSwitches& switches,
                 TemplateMarkers markers)
      : coin_(coin), template_(template_), switches_(switches),
        filter_(markers == TemplateMarkers::kFilter) {}

  void Text(const std::string TDaten::*member) {
    const std::string& criterion = template_.*member;
    if (criterion.empty()) return;
    tally_.Add(TextCriterionMatches(criterion, coin_.*member, switches_.exact_text,
                                    switches_.match_case));
  }

  // `count` and `circulation`. A filter reads the count codes of the entry dialog: -2 asks for any
  // value but 0, -(N+1) for N pieces or more; a search simply compares.
  void Count(int64_t criterion, int64_t value) {
    if (criterion == (filter_ ? -1 : 0)) return;
    if (!filter_ || criterion >= 0) tally_.Add(value == criterion);
    else if (criterion == -2) tally_.Add(value != 0);
    else tally_.Add(value >= -(criterion + 1));
  }

  // Money and measures: a filter leaves values of -1 and below open, a search 0 and below.
  void Number(double criterion, double value) {
    if (filter_ ? criterion <= -1 : criterion <= 0) return;
    tally_.Add(value == criterion);
  }

  void Date(double criterion, double value) {
    if (criterion == kNoDate) return;
    tally_.Add(value == criterion);
  }

  void YesNo(bool ignored, uint8_t criterion, uint8_t value) {
    if (ignored) return;
    tally_.Add(value == criterion);
  }

  bool Result() const { return tally_.Result(switches_.all_criteria); }

 private:
  const TDaten& coin_;
  const TDaten& template_;
  const MatchSwitches& switches_;
  const bool filter_;
  Tally tally_;
};

}  // namespace

bool TextCriterionMatches(std::string_view criterion, std::string_view coin, bool exact_text,
                          bool match_case) {
  if (criterion.empty()) return false;
  if (match_case ? coin == criterion : EqualAsciiUpper(coin, criterion)) return true;
  if (exact_text) return false;
  return match_case ? coin.find(criterion) != std::string_view::npos
                    : ContainsAsciiUpper(coin, criterion);
}

bool MatchesTemplate(const TDaten& coin, const TDaten& t, const MatchSwitches& switches,
                     TemplateMarkers markers) {
  TemplateReader r(coin, t, switches, markers);
  r.Text(&TDaten::quality);
  r.Text(&TDaten::schoen);
  r.Text(&TDaten::jaeger);
  r.Count(t.count, coin.count);
  r.Text(&TDaten::mintlocation);
  r.Text(&TDaten::numeral);
  r.Text(&TDaten::currency);
  r.Text(&TDaten::av_motive);
  r.Text(&TDaten::rv_motive);
  r.Text(&TDaten::year);
  r.Number(t.catalogue, coin.catalogue);
  r.Number(t.purchaseprice, coin.purchaseprice);
  r.Date(t.purchasedate, coin.purchasedate);
  r.Number(t.fine, coin.fine);
  r.Number(t.diameter_minimum, coin.diameter_minimum);
  r.Count(t.circulation, coin.circulation);
  r.Text(&TDaten::alloy);
  r.Text(&TDaten::dealer);
  r.Text(&TDaten::location);
  r.Text(&TDaten::z1);
  r.Text(&TDaten::z2);
  r.Text(&TDaten::z3);
  r.Text(&TDaten::z4);
  r.Text(&TDaten::z5);
  r.Text(&TDaten::country);
  r.Text(&TDaten::yeoman);
  r.Text(&TDaten::item);
  r.Number(t.weight, coin.weight);
  r.Text(&TDaten::standard);
  r.Number(t.diameter_maximum, coin.diameter_maximum);
  r.Text(&TDaten::master);
  r.Text(&TDaten::city);
  r.Text(&TDaten::border);
  r.Number(t.estimate, coin.estimate);
  r.Text(&TDaten::av_artist);
  r.Text(&TDaten::rv_artist);
  r.Text(&TDaten::date);
  r.Text(&TDaten::validtil);
  r.YesNo(switches.case_ignored, t.case_, coin.case_);
  r.YesNo(switches.certificate_ignored, t.certificate, coin.certificate);
  r.Number(t.width, coin.width);
  r.Text(&TDaten::theme);
  r.Text(&TDaten::other1);
  // An area may show RIC or Cohen numbers in its number slots; a number typed there has to count
  // like any other catalogue number instead of being dropped silently.
  r.Text(&TDaten::ric);
  r.Text(&TDaten::cohen);
  return r.Result();
}

}  // namespace korvex
