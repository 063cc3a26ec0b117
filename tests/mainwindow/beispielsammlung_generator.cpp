// Writes the example collection "Beispielsammlung.mvc" and its pictures that the program opens on
// the very first start:   make_beispielsammlung <folder>
// The collection goes through the program's own file writer; the pictures are drawn with
// ImageMagick's `convert`. Everything is derived from fixed tables and a fixed-seed generator, so
// the output is the same on every run.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "common/scriptedmessages.h"
#include "files/collectionfileio.h"
#include "mainwindow/sorting.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"

namespace korvex {
namespace {

// A small linear congruential generator: portable and reproducible, unlike std::rand.
class Dice {
 public:
  int Roll(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<unsigned long long>(n));
  }
  template <typename T>
  const T& Pick(const std::vector<T>& items) { return items[Roll(static_cast<int>(items.size()))]; }

 private:
  unsigned long long state_ = 20240501ULL;
};

std::string W(const std::string& utf8) { return Utf8ToWin1252(utf8); }

struct Denomination {
  std::string numeral;
  std::string currency;
  double value;       // catalogue value in euro for an average piece
  float weight;       // grams
  float diameter;     // millimetres
  std::string alloy;
  std::string picture;  // a picture of this kind of coin, or empty
};

struct AreaPlan {
  std::string name;
  std::string short_;
  std::string icon;
  int first_year;
  int last_year;
  std::vector<std::string> mints;
  std::vector<Denomination> coins;
  std::vector<std::string> themes;
  int kind2;  // the catalogue system of the second number slot
  int coins_to_make;
};

std::vector<AreaPlan> Plans() {
  return {
      {"Deutschland (Euro)", "DE", "ICO\\de.bmp", 2002, 2023, {"A", "D", "F", "G", "J"},
       {{"1", "Cent", 0.05, 2.3f, 16.25f, "Stahl, kupferplattiert", ""},
        {"10", "Cent", 0.2, 4.1f, 19.75f, "Nordisches Gold", ""},
        {"50", "Cent", 0.8, 7.8f, 24.25f, "Nordisches Gold", ""},
        {"1", "Euro", 1.5, 7.5f, 23.25f, "Bimetall", "euro1.jpg"},
        {"2", "Euro", 3.0, 8.5f, 25.75f, "Bimetall", "euro2.jpg"},
        {"10", "Euro", 15.0, 18.0f, 32.5f, "Silber", "euro10.jpg"}},
       {"Bundesländer", "Kursmünze", "Gedenkmünze", "Umlaufmünze"}, kJaeger - kSchoen, 90},
      {"Deutsches Kaiserreich", "DR", "", 1873, 1918, {"A", "D", "E", "F", "G", "J"},
       {{"1", "Pfennig", 2.0, 2.0f, 17.5f, "Kupfer", ""},
        {"10", "Pfennig", 3.5, 4.0f, 21.0f, "Kupfer-Nickel", ""},
        {"1", "Mark", 12.0, 5.55f, 24.0f, "Silber", "mark1.jpg"},
        {"5", "Mark", 85.0, 27.77f, 38.0f, "Silber", "mark5.jpg"},
        {"20", "Mark", 420.0, 7.96f, 22.5f, "Gold", "mark20.jpg"}},
       {"Kursmünze", "Kaiser Wilhelm II.", "Reichsadler"}, kJaeger - kSchoen, 60},
      {"\xC3\x96sterreich", "AT", "ICO\\at.bmp", 1959, 2001, {"Wien"},
       {{"10", "Groschen", 0.1, 1.1f, 20.0f, "Aluminium", ""},
        {"1", "Schilling", 0.3, 4.2f, 22.5f, "Aluminiumbronze", "schilling1.jpg"},
        {"10", "Schilling", 1.2, 6.2f, 26.0f, "Kupfer-Nickel", ""}},
       {"Kursmünze", "Edelweiß", "Trachtenfrau"}, kJaeger - kSchoen, 50},
      {"Schweiz", "CH", "ICO\\ch.bmp", 1968, 2020, {"Bern"},
       {{"5", "Rappen", 0.1, 1.8f, 17.15f, "Aluminiumbronze", ""},
        {"1", "Franken", 1.5, 4.4f, 23.2f, "Kupfer-Nickel", "franken1.jpg"},
        {"5", "Franken", 8.0, 13.2f, 31.45f, "Kupfer-Nickel", ""}},
       {"Helvetia", "Alphirte", "Kursmünze"}, kYeoman - kSchoen, 45},
      {"USA", "US", "ICO\\us.bmp", 1965, 2022, {"P", "D", "S"},
       {{"1", "Cent", 0.05, 2.5f, 19.05f, "Zink", ""},
        {"25", "Cent", 0.5, 5.67f, 24.26f, "Kupfer-Nickel", "quarter.jpg"},
        {"1", "Dollar", 2.0, 8.1f, 26.5f, "Messing", ""}},
       {"State Quarter", "Lincoln", "Freiheitsstatue"}, kYeoman - kSchoen, 40},
      {"Frankreich (Franc)", "FR", "ICO\\fr.bmp", 1960, 2001, {"Paris"},
       {{"10", "Centimes", 0.1, 3.0f, 20.0f, "Aluminiumbronze", ""},
        {"1", "Franc", 0.4, 6.0f, 24.0f, "Nickel", ""},
        {"10", "Francs", 2.0, 6.5f, 23.0f, "Bimetall", ""}},
       {"Semeuse", "Marianne", "Kursmünze"}, kYeoman - kSchoen, 40},
  };
}

const std::vector<std::string> kQualities = {"ss", "vz", "vz-st", "st", "bfr", "pp", "s"};
const std::vector<std::string> kDealers = {"Münzhandlung", "Münzbörse", "Internet-Auktion", "Tausch",
                                           "Auktion"};
const std::vector<std::string> kPlaces = {"Album", "Münzschrank", "Kassette", "Münzrahmen"};
const std::vector<std::string> kEdges = {"glatt", "geriffelt", "Randschrift", "gewellt"};
const std::vector<std::string> kNotes = {
    "", "", "Aus der Sammlung meines Großvaters.", "Leichte Kratzer auf der Wertseite.",
    "Schöne Patina.", "Tausch gegen zwei Doubletten.", "In Originalkapsel."};

std::unique_ptr<TKategorie> MakeArea(const AreaPlan& plan, int id) {
  auto area = std::make_unique<TKategorie>();
  area->name = W(plan.name);
  area->SetShort(plan.short_);
  area->icon = plan.icon;
  area->icon_button = true;
  area->category = id;
  area->SetNumberKind(2, plan.kind2);
  area->country = true;
  area->z_active[0] = true;
  area->z_name[0] = W("Serie");
  // Columns wide enough for their headers, and a few more than a new area shows.
  area->cells = {{kItem, 80, kAlignRight},          {kSchoen, 55, kAlignLeft},
                 {FieldTypeOfKind(plan.kind2), 60, kAlignLeft}, {kYear, 70, kAlignCenter},
                 {kNumeral, 45, kAlignRight},       {kCurrency, 75, kAlignLeft},
                 {kMintlocation, 80, kAlignCenter}, {kCount, 35, kAlignRight},
                 {kQuality, 40, kAlignCenter},      {kAvMotive, 130, kAlignLeft},
                 {kTheme, 120, kAlignLeft},         {kCatalogue, 85, kAlignRight},
                 {kPurchaseprice, 80, kAlignRight}, {kPurchasedate, 85, kAlignCenter},
                 {kLocation, 110, kAlignLeft}};
  return area;
}

std::unique_ptr<TDaten> MakeCoin(const AreaPlan& plan, int area_id, int item, Dice& dice) {
  const Denomination& kind = dice.Pick(plan.coins);
  auto coin = std::make_unique<TDaten>();
  coin->category = area_id;
  coin->item = std::to_string(item);
  const int year = plan.first_year + dice.Roll(plan.last_year - plan.first_year + 1);
  coin->year = std::to_string(year);
  coin->numeral = W(kind.numeral);
  coin->currency = W(kind.currency);
  coin->mintlocation = W(dice.Pick(plan.mints));
  coin->quality = W(dice.Pick(kQualities));
  // Most coins are single pieces; some are wanted (0) and a few are duplicates.
  const int roll = dice.Roll(20);
  coin->count = roll < 2 ? 0 : (roll < 5 ? 2 : 1);
  coin->schoen = std::to_string(10 + dice.Roll(490));
  coin->CatalogueNumber(plan.kind2) = std::to_string(100 + dice.Roll(800)) + (dice.Roll(3) == 0 ? "a" : "");
  const double condition = 0.6 + dice.Roll(80) / 100.0;
  coin->catalogue = static_cast<long long>(kind.value * condition * (1 + (2023 - year) / 40.0) * 100 + 0.5) / 100.0;
  coin->estimate = static_cast<long long>(coin->catalogue * 90 + 0.5) / 100.0;
  coin->purchaseprice = coin->count == 0 ? 0 : static_cast<long long>(coin->catalogue * (50 + dice.Roll(60)) + 0.5) / 100.0;
  coin->purchasedate = coin->count == 0 ? kNoDate : *DayNumber(2005 + dice.Roll(18), 1 + dice.Roll(12), 1 + dice.Roll(28));
  coin->dealer = coin->count == 0 ? std::string() : W(dice.Pick(kDealers));
  coin->location = coin->count == 0 ? std::string() : W(dice.Pick(kPlaces));
  coin->weight = kind.weight;
  coin->diameter_minimum = kind.diameter;
  coin->alloy = W(kind.alloy);
  coin->border = W(dice.Pick(kEdges));
  coin->theme = W(dice.Pick(plan.themes));
  coin->country = W(plan.name.substr(0, plan.name.find(" (")));
  coin->av_motive = W(kind.numeral + " " + kind.currency);
  coin->rv_motive = W(dice.Pick(plan.themes));
  coin->circulation = 1000000LL * (1 + dice.Roll(400));
  coin->z1 = W(dice.Pick(plan.themes));
  if (!kind.picture.empty() && dice.Roll(2) == 0) {
    coin->av_picture = kind.picture;
  }
  coin->description = std::make_unique<TText>();
  coin->description->text = W(dice.Pick(kNotes));
  coin->creation = coin->purchasedate == kNoDate ? *DayNumber(2020, 1, 1) : coin->purchasedate;
  coin->last = coin->creation;
  return coin;
}

struct Picture {
  std::string file;
  std::string label;
  std::string fill;
  std::string rim;
};

bool DrawPictures(const std::filesystem::path& folder) {
  const std::vector<Picture> pictures = {
      {"euro1.jpg", "1 €", "#d9b44a", "#b8b8b8"},     {"euro2.jpg", "2 €", "#c0c0c0", "#d9b44a"},
      {"euro10.jpg", "10 €", "#d8d8d8", "#9a9a9a"},   {"mark1.jpg", "1 M", "#cfcfcf", "#8f8f8f"},
      {"mark5.jpg", "5 M", "#d5d5d5", "#8a8a8a"},     {"mark20.jpg", "20 M", "#e6c15a", "#a7842a"},
      {"schilling1.jpg", "1 S", "#d6b05c", "#a88836"}, {"franken1.jpg", "1 Fr.", "#d2d2d2", "#909090"},
      {"quarter.jpg", "25 ¢", "#c8c8c8", "#8c8c8c"},
  };
  std::filesystem::create_directories(folder);
  for (const Picture& picture : pictures) {
    const std::string command =
        "convert -size 240x240 xc:white -fill '" + picture.fill + "' -stroke '" + picture.rim +
        "' -strokewidth 10 -draw 'circle 120,120 120,10' -stroke '#00000055' -strokewidth 2 -fill none "
        "-draw 'circle 120,120 120,30' -fill '#3a3020' -stroke none -font DejaVu-Sans-Bold -pointsize 54 "
        "-gravity center -annotate 0 '" + picture.label + "' -quality 85 '" +
        (folder / picture.file).string() + "'";
    if (std::system(command.c_str()) != 0) return false;
  }
  return true;
}

}  // namespace
}  // namespace korvex

int main(int argc, char* argv[]) {
  using namespace korvex;
  if (argc != 2) {
    std::cerr << "Aufruf: make_beispielsammlung <Zielordner>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  CollectionDocument doc;
  Dice dice;
  const std::vector<AreaPlan> plans = Plans();
  int item = 1;
  for (size_t i = 0; i < plans.size(); ++i) {
    const int id = static_cast<int>(i) + 1;
    doc.areas.push_back(MakeArea(plans[i], id));
    for (int n = 0; n < plans[i].coins_to_make; ++n) doc.Append(MakeCoin(plans[i], id, item++, dice));
  }
  doc.all_cells = doc.areas[0]->cells;
  doc.currency_symbol = "\x80";
  doc.current_view = kAllCoinsView;
  // Sorted by year and face value, so the list reads like a catalogue.
  doc.sort_keys = {kYear, kNumeral, kNoSortKey, 0, 0};
  doc.standard_order = false;
  SortCollection(doc, FormatSettings::German());
  doc.RecomputeHighestItem();

  test::ScriptedMessages messages;
  NoProgress progress;
  doc.SetFileName(PathText(folder / "Beispielsammlung.mvc"));
  doc.has_name = true;
  doc.compressed = true;
  doc.SetModified(true);
  if (!SaveCollectionFile(doc, messages, progress)) {
    std::cerr << "Die Beispielsammlung konnte nicht geschrieben werden.\n";
    return 1;
  }
  if (!DrawPictures(folder / "Beispielsammlung")) {
    std::cerr << "Die Bilder konnten nicht mit ImageMagick erzeugt werden.\n";
    return 1;
  }
  std::cout << doc.coin_count << " Münzen in " << doc.AreaCount() << " Sammelgebieten geschrieben.\n";
  return 0;
}
