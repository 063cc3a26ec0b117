#include "collectiongenerator.h"

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "model/codepage.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"

namespace korvex::bench {
namespace {

const std::array<const char*, 12> kCountries = {
    "Deutschland", "Österreich", "Schweiz", "Frankreich", "Italien", "Spanien",
    "Ägypten", "Großbritannien", "Niederlande", "Belgien", "Dänemark", "Übersee"};
const std::array<const char*, 8> kQualities = {"s", "ss", "ss-vz", "vz", "vz-st", "st", "PP", "f"};
const std::array<const char*, 8> kMotives = {
    "Bundesadler", "Brandenburger Tor", "Eichenzweig", "Kölner Dom", "Wappen mit Krone",
    "Porträt des Königs", "Segelschiff vor Küste", "Ähren und Zahnrad"};
const std::array<const char*, 6> kAlloys = {"Silber 925", "Kupfer-Nickel", "Gold 900",
                                            "Messing", "Aluminium", "Neusilber"};
const std::array<const char*, 5> kMints = {"A", "D", "F", "G", "J"};
const std::array<const char*, 5> kDealers = {"Münzhandlung Müller", "Auktion Künker",
                                             "Börse München", "Sammlerkreis Köln", "Tausch"};
const std::array<const char*, 4> kCurrencies = {"Mark", "Euro", "Schilling", "Franken"};
const std::array<const char*, 4> kBorders = {"glatt", "geriffelt", "Randschrift", "gekerbt"};

class Picker {
 public:
  explicit Picker(uint32_t seed) : random_(seed) {}
  template <std::size_t N>
  std::string From(const std::array<const char*, N>& list) {
    return Utf8ToWin1252(list[Below(N)]);
  }
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  double Money(double low, double high) {
    return std::round(std::uniform_real_distribution<double>(low, high)(random_) * 100) / 100;
  }
  bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

 private:
  std::mt19937 random_;
};

void AddAreas(CollectionDocument& document, int area_count) {
  for (int id = 1; id <= area_count; ++id) {
    auto area = std::make_unique<TKategorie>();
    area->category = id;
    area->name = Utf8ToWin1252(kCountries[(id - 1) % kCountries.size()]) +
                 (id > static_cast<int>(kCountries.size()) ? " " + std::to_string(id) : "");
    area->SetShort(area->name);
    area->country = true;
    area->z_active[0] = true;
    area->z_name[0] = "Anlass";
    area->cells.push_back({kPurchasedate, 80, kAlignCenter});
    document.areas.push_back(std::move(area));
  }
}

std::unique_ptr<TDaten> MakeCoin(Picker& pick, int number, int area_count) {
  auto coin = std::make_unique<TDaten>();
  const int year = 1871 + static_cast<int>(pick.Below(155));
  coin->item = std::to_string(number);
  coin->category = 1 + static_cast<int>(pick.Below(area_count));
  coin->quality = pick.From(kQualities);
  coin->schoen = std::to_string(1 + pick.Below(400)) + (pick.Chance(20) ? "a" : "");
  coin->jaeger = std::to_string(1 + pick.Below(600));
  coin->yeoman = "Y" + std::to_string(1 + pick.Below(300));
  coin->count = 1 + static_cast<int>(pick.Below(3));
  coin->mintlocation = pick.From(kMints);
  coin->numeral = std::to_string(1 + pick.Below(20));
  coin->currency = pick.From(kCurrencies);
  coin->country = pick.From(kCountries);
  coin->av_motive = pick.From(kMotives);
  coin->rv_motive = pick.From(kMotives);
  coin->year = std::to_string(year);
  coin->date = std::to_string(1 + pick.Below(28)) + "." + std::to_string(1 + pick.Below(12)) + "." +
               std::to_string(year);
  coin->catalogue = pick.Money(1, 500);
  coin->estimate = pick.Money(1, 600);
  coin->purchaseprice = pick.Money(1, 400);
  coin->purchasedate = pick.Chance(10) ? kNoDate : 30000 + static_cast<double>(pick.Below(16000));
  coin->dealer = pick.From(kDealers);
  coin->alloy = pick.From(kAlloys);
  coin->standard = pick.Chance(50) ? "900/1000" : "";
  coin->weight = static_cast<float>(pick.Money(1, 40));
  coin->fine = coin->weight * 0.9f;
  coin->diameter_minimum = static_cast<float>(pick.Money(15, 40));
  coin->width = static_cast<float>(pick.Money(1, 3));
  coin->circulation = static_cast<int64_t>(pick.Below(5000000)) * 1000;
  coin->border = pick.From(kBorders);
  coin->location = "Album " + std::to_string(1 + pick.Below(30)) + ", Seite " + std::to_string(1 + pick.Below(40));
  coin->case_ = pick.Chance(15);
  coin->certificate = pick.Chance(10);
  coin->z1 = pick.Chance(30) ? Utf8ToWin1252("Jubiläum") : "";
  if (pick.Chance(80)) coin->av_picture = "m" + std::to_string(number) + "a.jpg";
  if (pick.Chance(70)) coin->rv_picture = "m" + std::to_string(number) + "r.jpg";
  coin->creation = coin->last = 40000 + static_cast<double>(pick.Below(6000));
  coin->change_count = static_cast<int>(pick.Below(5));
  if (pick.Chance(25)) {
    coin->description = std::make_unique<TText>();
    coin->description->text = Utf8ToWin1252("Erworben auf der Börse.\r\nKleiner Randfehler, sonst schön.");
  }
  return coin;
}

}  // namespace

void GenerateCollection(CollectionDocument& document, int coin_count, int area_count, uint32_t seed) {
  Picker pick(seed);
  AddAreas(document, area_count);
  for (int number = 1; number <= coin_count; ++number) {
    document.Append(MakeCoin(pick, number, area_count));
  }
  document.RecomputeHighestItem();
}

}  // namespace korvex::bench
