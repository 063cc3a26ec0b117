#include "files/exchangetestdata.h"

#include <gtest/gtest.h>

namespace korvex::test {

void AddExchangeAreas(CollectionDocument& document) {
  for (const char* name : {"Deutschland", "Schweiz"}) {
    auto area = std::make_unique<TKategorie>();
    area->name = name;
    area->category = document.AreaCount() + 1;
    document.areas.push_back(std::move(area));
  }
}

std::unique_ptr<TDaten> MakeExchangeCoin(int n, int category) {
  auto coin = std::make_unique<TDaten>();
  const std::string s = std::to_string(n);
  coin->item = s;
  coin->category = category;
  coin->quality = "vz";
  coin->schoen = "S" + s;
  coin->jaeger = "J" + s;
  coin->yeoman = "Y" + s;
  coin->cohen = "C" + s;
  coin->ric = "R" + s;
  coin->count = n;
  coin->mintlocation = "A";
  coin->numeral = "10";
  coin->currency = "Mark";
  coin->location = "Album " + s;
  coin->country = "Deutschland";
  coin->city = "M\xFCnchen";
  coin->master = "Meister";
  coin->theme = "Tiere";
  coin->av_motive = "Adler " + s;
  coin->rv_motive = "Wert";
  coin->year = "1900";
  coin->date = "1.5.1900";
  coin->validtil = "1.1.1950";
  coin->catalogue = 1234.5 + n;
  coin->estimate = 20.25;
  coin->purchaseprice = 7.5;
  coin->purchasedate = 40000 + n;
  coin->weight = 15.5f;
  coin->standard = "900";
  coin->fine = 13.5f;
  coin->diameter_minimum = 33.25f;
  coin->diameter_maximum = 34.75f;
  coin->circulation = 1234567890123LL + n;
  coin->alloy = "Silber";
  coin->dealer = "H\xE4ndler";
  coin->border = "Riffel";
  coin->creation = 41000.5;
  coin->last = 42000.25;
  coin->case_ = n % 2;
  coin->certificate = 1 - n % 2;
  for (int z = 1; z <= 5; ++z) coin->Z(z) = std::string("z").append(std::to_string(z));
  coin->description = std::make_unique<TText>();
  coin->description->text = "Notiz " + s;
  return coin;
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF: " << bytes.substr(start);
      break;
    }
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> SplitAt(const std::string& line, char separator) {
  std::vector<std::string> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = line.find(separator, start);
    const std::size_t length = end == std::string::npos ? std::string::npos : end - start;
    values.push_back(line.substr(start, length));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return values;
}

}  // namespace korvex::test
