// The legacy reader's suite. Every case writes its data file with LegacyWriter through the one
// fixture below and reads it back, so the cases stay together in one file.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/legacywriter.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/exchangefakes.h"
#include "files/legacyfile.h"
#include "files/readlimits.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"
#include "model/paths.h"

namespace korvex {
namespace {

using test::BuildLegacyFile;
using test::LegacyAreaSpec;
using test::LegacyFileLayout;

const std::string kNotKorvex = "Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.";
const std::string kWrongPassword =
    "Die gewünschte Datei ist mit einem Passwort geschützt. Sie haben entweder kein oder ein "
    "falsches Passwort eingegeben. Bitte beachten Sie auch die korrekte Groß- und "
    "Kleinschreibung!";
const std::string kCannotRead =
    "Datei konnte nicht geöffnet werden. Datei entweder nicht vorhanden oder durch ein anderes "
    "Programm blockiert.";
const std::string kPartlyRead =
    "Die Datei ist beschädigt. Alle lesbaren Münzen wurden übernommen; nicht lesbare Angaben und "
    "Notizen sind leer geblieben.";
const std::string kEuroSign(1, '\x80');
const std::string kRescueArea = "Gerettete Daten, bitte in korrekte Kategorien kopieren";

// A coin with a distinct value in every member the legacy layout carries.
std::unique_ptr<TDaten> MakeCoin(int n, int category = 1) {
  auto coin = std::make_unique<TDaten>();
  const std::string s = std::to_string(n);
  coin->category = category;
  coin->quality = "vz" + s;
  coin->schoen = "S" + s;
  coin->jaeger = "J" + s;
  coin->count = 2 + n;
  coin->mintlocation = "A";
  coin->numeral = "5";
  coin->currency = "Mark";
  coin->av_motive = "Adler " + s;
  coin->rv_motive = "Wertseite \xE4\xF6\xFC";
  coin->year = "19" + s;
  coin->catalogue = 12.5 + n;
  coin->purchaseprice = 3.25;
  coin->purchasedate = 40000 + n;
  coin->fine = 7.5f;
  coin->diameter_minimum = 33.0f;
  coin->circulation = -123456 - n;
  coin->av_artist = "Kuenstler V";
  coin->rv_artist = "Kuenstler R";
  coin->width = 2.25f;
  coin->date = "1.1.19" + s;
  coin->alloy = "Silber";
  coin->dealer = "H\xE4ndler";
  coin->location = "Album " + s;
  coin->yeoman = "Y" + s;
  coin->country = "Deutschland";
  for (int z = 1; z <= 5; ++z) coin->Z(z) = std::string("z").append(std::to_string(z)).append("-").append(s);
  coin->av_picture = "a" + s + ".jpg";
  coin->rv_picture = "r" + s + ".jpg";
  coin->item = "10" + s;
  coin->weight = 15.5f;
  coin->standard = "900";
  coin->diameter_maximum = 34.5f;
  coin->master = "Meister";
  coin->city = "Berlin";
  coin->border = "glatt";
  coin->estimate = 99.75;
  coin->creation = 41000 + n;
  coin->last = 42000 + n;
  coin->change_count = 7 + n;
  return coin;
}

// Compares what the file version carries; the rest must keep the defaults of a new record.
void ExpectCoinRead(const TDaten& read, const TDaten& written, int version) {
  const TDaten fresh;
  EXPECT_EQ(read.category, written.category);
  EXPECT_EQ(read.quality, written.quality);
  EXPECT_EQ(read.schoen, written.schoen);
  EXPECT_EQ(read.jaeger, written.jaeger);
  EXPECT_EQ(read.count, written.count);
  EXPECT_EQ(read.mintlocation, written.mintlocation);
  EXPECT_EQ(read.numeral, written.numeral);
  EXPECT_EQ(read.currency, written.currency);
  EXPECT_EQ(read.av_motive, written.av_motive);
  EXPECT_EQ(read.rv_motive, written.rv_motive);
  EXPECT_EQ(read.year, written.year);
  EXPECT_EQ(read.catalogue, written.catalogue);
  EXPECT_EQ(read.purchaseprice, written.purchaseprice);
  EXPECT_EQ(read.purchasedate, written.purchasedate);
  EXPECT_EQ(read.fine, written.fine);
  EXPECT_EQ(read.diameter_minimum, written.diameter_minimum);
  EXPECT_EQ(read.circulation, written.circulation);
  EXPECT_EQ(read.alloy, written.alloy);
  EXPECT_EQ(read.dealer, written.dealer);
  EXPECT_EQ(read.location, written.location);
  EXPECT_EQ(read.yeoman, written.yeoman);
  EXPECT_EQ(read.country, written.country);
  for (int z = 1; z <= 5; ++z) EXPECT_EQ(read.Z(z), written.Z(z));
  EXPECT_EQ(read.av_picture, written.av_picture);
  EXPECT_EQ(read.rv_picture, written.rv_picture);
  const TDaten& v250 = version >= 250 ? written : fresh;
  EXPECT_EQ(read.av_artist, v250.av_artist);
  EXPECT_EQ(read.rv_artist, v250.rv_artist);
  EXPECT_EQ(read.width, v250.width);
  EXPECT_EQ(read.date, v250.date);
  const TDaten& v200 = version >= 200 ? written : fresh;
  EXPECT_EQ(read.weight, v200.weight);
  EXPECT_EQ(read.standard, v200.standard);
  EXPECT_EQ(read.diameter_maximum, v200.diameter_maximum);
  EXPECT_EQ(read.master, v200.master);
  EXPECT_EQ(read.city, v200.city);
  EXPECT_EQ(read.border, v200.border);
  EXPECT_EQ(read.estimate, v200.estimate);
  EXPECT_EQ(read.creation, v200.creation);
  EXPECT_EQ(read.last, v200.last);
  EXPECT_EQ(read.change_count, v200.change_count);
  EXPECT_EQ(read.other1, "");
  EXPECT_EQ(read.theme, "");
  EXPECT_EQ(read.case_, 0);
}

std::vector<std::string> Coins(const CollectionDocument& document,
                               std::string TDaten::*member) {
  std::vector<std::string> values;
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    values.push_back(coin->*member);
  }
  return values;
}

class LegacyFileTest : public ::testing::Test {
 protected:
  LegacyReadResult Read(const std::string& bytes) {
    test::WriteFileBytes(path_, bytes);
    return ReadLegacyFile(PathText(path_), document_, services_);
  }
  LegacyReadResult Read(const LegacyFileLayout& layout) { return Read(BuildLegacyFile(layout).bytes); }

  // Reads `bytes` into a fresh document, which must be refused with `outcome` and the one
  // `message`, and left empty and without a name.
  void ExpectRefused(const std::string& bytes, LegacyReadOutcome outcome, const std::string& message) {
    test::ScriptedMessages messages;
    LegacyReadServices services{messages, passwords_, progress_, &offers_};
    CollectionDocument document;
    test::WriteFileBytes(path_, bytes);
    EXPECT_EQ(ReadLegacyFile(PathText(path_), document, services).outcome, outcome);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{message});
    EXPECT_EQ(document.AreaCount(), 0);
    EXPECT_EQ(document.coin_count, 0);
    EXPECT_FALSE(document.has_name);
    EXPECT_EQ(document.file_path(), "[Unbenannt]");
    EXPECT_EQ(document.password(), "");
    EXPECT_EQ(document.legacy_version, 0);
  }

  // Three coins in two areas, owned by the test.
  LegacyFileLayout ThreeCoins(const std::string& magic) {
    for (int n = 1; n <= 3; ++n) coins_.push_back(MakeCoin(n, n == 3 ? 2 : 1));
    LegacyFileLayout layout;
    layout.magic = magic;
    LegacyAreaSpec second;
    second.id = 2;
    second.name = "\xD6sterreich";
    second.short_label = "AUT-lang";
    layout.areas.push_back(second);
    for (const auto& coin : coins_) layout.coins.push_back(coin.get());
    layout.notes = {"erste\r\nNotiz", "", "dritte"};
    layout.current_view = 2;
    return layout;
  }

  test::TempDir dir_;
  std::filesystem::path path_ = dir_ / "Sammlung.kvl";
  std::vector<std::unique_ptr<TDaten>> coins_;
  CollectionDocument document_;
  test::ScriptedMessages messages_;
  test::ScriptedPasswordPrompt passwords_;
  test::RecordingProgress progress_;
  test::CountingNumberAssignment offers_;
  LegacyReadServices services_{messages_, passwords_, progress_, &offers_};
};

TEST_F(LegacyFileTest, Version250ReadsEveryMemberOfCoinsAreasAndDocument) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.currency = kEuroSign;
  layout.highest_item = 250;
  layout.alignment = {{0, 1}, {1, 2}, {2, 1}};
  layout.layout_flag = 1;
  const LegacyReadResult result = Read(layout);

  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(document_.legacy_version, 250);
  EXPECT_EQ(document_.currency_symbol, kEuroSign);
  EXPECT_EQ(document_.highest_item, 250);
  EXPECT_EQ(document_.current_view, 2);
  EXPECT_TRUE(result.same_layout);
  EXPECT_EQ(document_.alignment_table[0].align, 1);
  EXPECT_EQ(document_.alignment_table[1].align, 2);
  EXPECT_EQ(document_.alignment_table[2].align, 1);
  EXPECT_EQ(document_.alignment_table[3].align, DefaultAlignment(3));
  EXPECT_EQ(document_.alignment_table[46].type, 46);
  EXPECT_EQ(document_.password(), "");
  EXPECT_TRUE(document_.writable());
  EXPECT_TRUE(document_.has_name);
  EXPECT_FALSE(document_.from_template);
  EXPECT_EQ(document_.file_path(), PathText(path_));

  ASSERT_EQ(document_.AreaCount(), 2);
  EXPECT_EQ(document_.areas[1]->name, "\xD6sterreich");
  EXPECT_EQ(document_.areas[1]->short_, "AUT");
  EXPECT_EQ(document_.areas[0]->icon, "de.ico");
  EXPECT_EQ(document_.areas[0]->z_name[4], "Z-Fuenf");
  EXPECT_EQ(document_.areas[1]->category, 2);

  ASSERT_EQ(document_.coin_count, 3);
  int n = 0;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next, ++n) {
    ExpectCoinRead(*coin, *coins_[n], 250);
    EXPECT_EQ(coin->item, coins_[n]->item);
  }
  EXPECT_EQ(Coins(document_, &TDaten::item), (std::vector<std::string>{"101", "102", "103"}));
  EXPECT_EQ(document_.first_coin->description->text, "erste\r\nNotiz");
  EXPECT_EQ(document_.first_coin->next->description->text, "");
  EXPECT_EQ(document_.first_coin->next->next->description->text, "dritte");
  EXPECT_EQ(document_.first_shown, document_.first_coin);
  EXPECT_EQ(document_.first_shown->display_next, document_.first_coin->next);
  EXPECT_EQ(offers_.offers, 1);
  EXPECT_EQ(progress_.texts.front(), "Lade Daten. Fertig:");
  EXPECT_EQ(progress_.texts.back(), "");
  EXPECT_EQ(progress_.total, 2 * 3 + 3);
}

TEST_F(LegacyFileTest, StoredHighestItemBelowTheCoinsNumbersIsRaised) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.highest_item = 5;
  Read(layout);
  EXPECT_EQ(document_.highest_item, 103);
}

TEST_F(LegacyFileTest, AfterReadingTheDocumentUsesStandardOrderAndDefaultColumns) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.all_cells = {{5, 10, 2}, {6, 10, 2}, {7, 10, 2}};
  layout.areas[0].cell_count = 12;
  Read(layout);
  EXPECT_EQ(document_.all_cells, DefaultCells());
  EXPECT_EQ(document_.areas[0]->cells, DefaultCells());
  EXPECT_TRUE(document_.standard_order);
  for (int key : document_.sort_keys) EXPECT_EQ(key, kNoSortKey);
}

TEST_F(LegacyFileTest, Version200HasItemsButNoArtistsThicknessOrIssueDate) {
  LegacyFileLayout layout = ThreeCoins("KorvexiaV200");
  layout.highest_item = 103;
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  ASSERT_EQ(document_.coin_count, 3);
  int n = 0;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next, ++n) {
    ExpectCoinRead(*coin, *coins_[n], 200);
  }
  // The 32-bit mintage is sign-extended.
  EXPECT_EQ(document_.first_coin->circulation, -123457);
  EXPECT_EQ(document_.highest_item, 103);
  EXPECT_EQ(document_.legacy_version, 200);
}

TEST_F(LegacyFileTest, Version120NumbersTheCoinsAndKeepsDefaultSlots) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_120");
  layout.sort_keys = {1, 2, 3, 4, 5};
  layout.alignment = {{0, 2}};  // not written before version 200
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  EXPECT_EQ(Coins(document_, &TDaten::item), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(document_.highest_item, 3);
  int n = 0;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next, ++n) {
    ExpectCoinRead(*coin, *coins_[n], 120);
  }
  const TKategorie& area = *document_.areas[0];
  EXPECT_FALSE(area.number_active[2]);
  EXPECT_EQ(area.number_kind, (std::array<int32_t, 3>{0, 2, 1}));
  // Without the fourth flag word these keep the defaults of a new area.
  EXPECT_FALSE(area.city);
  EXPECT_TRUE(area.weight);
  EXPECT_EQ(document_.alignment_table[0].align, DefaultAlignment(0));
}

TEST_F(LegacyFileTest, Version100ReadsWithoutFilterBlockAndNumbersInFileOrder) {
  LegacyFileLayout layout = ThreeCoins("KorvexiaV100");
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  EXPECT_FALSE(result.filter.has_value());
  EXPECT_EQ(Coins(document_, &TDaten::item), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Coins(document_, &TDaten::av_motive),
            (std::vector<std::string>{"Adler 1", "Adler 2", "Adler 3"}));
  EXPECT_EQ(document_.highest_item, 3);
  EXPECT_EQ(document_.legacy_version, 100);
  EXPECT_EQ(document_.first_coin->next->next->description->text, "dritte");
}

TEST_F(LegacyFileTest, AreaFlagWordsSwitchTheFieldsBitByBit) {
  LegacyFileLayout layout;
  LegacyAreaSpec& area_spec = layout.areas[0];
  area_spec.word1 = 0x0002;                                  // icon button only
  area_spec.word2 = (1 << 1) | (1 << 9) | (1 << 15);         // slot 1, date, mintage
  area_spec.word3 = (1 << 2) | (1 << 3) | (1 << 9) | (1 << 14);  // location, country, z2, rv pic
  area_spec.word4 = (1 << 11) | (1 << 12) | (1 << 15);       // city; slot 2 Cohen, slot 3 RIC
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  const TKategorie& area = *document_.areas[0];
  EXPECT_FALSE(area.menu);
  EXPECT_TRUE(area.icon_button);
  EXPECT_FALSE(area.quality);
  EXPECT_EQ(area.number_active, (std::array<bool, 3>{true, false, false}));
  EXPECT_TRUE(area.date);
  EXPECT_TRUE(area.circulation);
  EXPECT_FALSE(area.count);
  EXPECT_FALSE(area.catalogue);
  EXPECT_TRUE(area.country);
  EXPECT_EQ(area.z_active, (std::array<bool, 5>{false, true, false, false, false}));
  EXPECT_FALSE(area.av_picture);
  EXPECT_TRUE(area.rv_picture);
  EXPECT_FALSE(area.alloy);
  // Bit 10 of the fourth word replaces bit 2 of the third.
  EXPECT_FALSE(area.location);
  EXPECT_TRUE(area.city);
  EXPECT_FALSE(area.item);
  EXPECT_FALSE(area.estimate);
  EXPECT_EQ(area.number_kind, (std::array<int32_t, 3>{0, 4, 3}));
  // Only slot 1 is active.
  EXPECT_EQ(area.kind_in_use, (std::array<bool, 6>{true, false, false, false, false, false}));
}

TEST_F(LegacyFileTest, SlotKindsFollowTheBitPairsOfTheFourthWord) {
  struct Case {
    uint16_t bits;
    int slot2;
    int slot3;
  };
  const Case cases[] = {{0x0000, 1, 2}, {0x1000 | 0x2000, 2, 2}, {0x2000, 3, 2},
                        {0x1000, 4, 2}, {0xC000, 1, 1},          {0x4000, 1, 4},
                        {0x8000, 1, 3}};
  for (const Case& c : cases) {
    LegacyFileLayout layout;
    layout.areas[0].word4 = c.bits;
    layout.areas[0].word2 = 0x0006;  // both first slots active
    CollectionDocument document;
    test::WriteFileBytes(path_, BuildLegacyFile(layout).bytes);
    ASSERT_EQ(ReadLegacyFile(PathText(path_), document, services_).outcome,
              LegacyReadOutcome::kRead);
    const TKategorie& area = *document.areas[0];
    EXPECT_EQ(area.number_kind[0], 0) << std::hex << c.bits;
    EXPECT_EQ(area.number_kind[1], c.slot2) << std::hex << c.bits;
    EXPECT_EQ(area.number_kind[2], c.slot3) << std::hex << c.bits;
    EXPECT_TRUE(area.kind_in_use[c.slot2]) << std::hex << c.bits;
  }
}

TEST_F(LegacyFileTest, FilterBlockIsHandedToTheWindow) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  auto filter_template = MakeCoin(9);
  filter_template->country = "Schweiz";
  layout.filter = test::LegacyFilterSpec{};
  layout.filter->template_ = filter_template.get();
  layout.filter->caption = " - [nur Doubletten]";
  layout.filter->kind = 1;
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  ASSERT_TRUE(result.filter.has_value());
  EXPECT_EQ(result.filter->caption, " - [nur Doubletten]");
  EXPECT_EQ(result.filter->kind, 1);
  ASSERT_TRUE(result.filter->template_);
  EXPECT_EQ(result.filter->template_->country, "Schweiz");
  EXPECT_EQ(result.filter->template_->item, "109");
  // The template is no coin of the collection.
  EXPECT_EQ(document_.coin_count, 3);
  EXPECT_EQ(document_.first_coin->av_motive, "Adler 1");
}

TEST_F(LegacyFileTest, FilterOptionsKeepTheirFileOrder) {
  auto filter_template = MakeCoin(9);
  for (int set = 0; set < 3; ++set) {
    LegacyFileLayout layout;
    layout.filter = test::LegacyFilterSpec{};
    layout.filter->template_ = filter_template.get();
    layout.filter->options = {0, 0, 0};
    layout.filter->options[set] = 1;
    CollectionDocument document;
    test::WriteFileBytes(path_, BuildLegacyFile(layout).bytes);
    const LegacyReadResult result = ReadLegacyFile(PathText(path_), document, services_);
    ASSERT_TRUE(result.filter.has_value());
    EXPECT_EQ(result.filter->all_criteria, set == 0);
    EXPECT_EQ(result.filter->exact_text, set == 1);
    EXPECT_EQ(result.filter->match_case, set == 2);
  }
}

TEST_F(LegacyFileTest, PasswordProtectedFileOpensWithTheRightPassword) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.password_flag = 1;
  layout.password = "Geheim";
  layout.currency = "DM";
  passwords_.Answer(PasswordAnswer::Button::kOk, "Geheim");
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  EXPECT_EQ(passwords_.offered_write_protected, std::vector<bool>{false});
  EXPECT_EQ(document_.password(), "Geheim");
  EXPECT_EQ(document_.currency_symbol, "DM");
  EXPECT_EQ(document_.areas[1]->name, "\xD6sterreich");
  EXPECT_EQ(document_.first_coin->rv_motive, "Wertseite \xE4\xF6\xFC");
  EXPECT_EQ(document_.first_coin->description->text, "erste\r\nNotiz");
  EXPECT_FALSE(result.write_protected);
}

TEST_F(LegacyFileTest, WrongCancelledOrEmptyPasswordLeavesTheDocumentEmptyAndUnnamed) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.password_flag = 7;
  layout.password = "Geheim";
  const std::string bytes = BuildLegacyFile(layout).bytes;
  const std::pair<PasswordAnswer::Button, std::string> answers[] = {
      {PasswordAnswer::Button::kOk, "geheim"},
      {PasswordAnswer::Button::kOk, ""},
      {PasswordAnswer::Button::kOk, std::string(5000, 'x')},
      {PasswordAnswer::Button::kCancel, "Geheim"},
      // The write-protected choice is only for files that store their key.
      {PasswordAnswer::Button::kWriteProtected, ""}};
  for (const auto& [button, text] : answers) {
    passwords_.Answer(button, text);
    ExpectRefused(bytes, LegacyReadOutcome::kWrongPassword, kWrongPassword);
  }
  EXPECT_EQ(offers_.offers, 0);
}

TEST_F(LegacyFileTest, WriteProtectedFileOpensReadOnlyWithTheStoredKey) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.password_flag = 255;
  layout.password = "Schutz";
  passwords_.Answer(PasswordAnswer::Button::kWriteProtected);
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  EXPECT_EQ(passwords_.offered_write_protected, std::vector<bool>{true});
  EXPECT_TRUE(result.write_protected);
  EXPECT_FALSE(document_.writable());
  EXPECT_EQ(document_.password(), "");
  EXPECT_EQ(document_.areas[1]->name, "\xD6sterreich");
  EXPECT_EQ(document_.first_coin->next->next->description->text, "dritte");
}

TEST_F(LegacyFileTest, WriteProtectedFileOpensWritableWithItsPassword) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_200");
  layout.password_flag = 255;
  layout.password = "Schutz";
  passwords_.Answer(PasswordAnswer::Button::kOk, "Schutz");
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  EXPECT_FALSE(result.write_protected);
  EXPECT_TRUE(document_.writable());
  EXPECT_EQ(document_.password(), "Schutz");
  EXPECT_EQ(document_.first_coin->av_motive, "Adler 1");
}

TEST_F(LegacyFileTest, WriteProtectedFileRefusesAShorterWrongPassword) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.password_flag = 255;
  layout.password = "Schutz";
  passwords_.Answer(PasswordAnswer::Button::kOk, "Schu");
  EXPECT_EQ(Read(layout).outcome, LegacyReadOutcome::kWrongPassword);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kWrongPassword});
}

TEST_F(LegacyFileTest, CoinsWithoutValidAreaGoIntoOneRescueArea) {
  auto a = MakeCoin(1, 0);
  auto b = MakeCoin(2, 1);
  auto c = MakeCoin(3, -4);
  auto d = MakeCoin(4, 9);  // beyond the single area of the file
  LegacyFileLayout layout;
  layout.coins = {a.get(), b.get(), c.get(), d.get()};
  const LegacyReadResult result = Read(layout);
  ASSERT_EQ(result.outcome, LegacyReadOutcome::kRead);
  ASSERT_EQ(document_.AreaCount(), 2);
  const TKategorie& rescue = *document_.areas[1];
  EXPECT_EQ(rescue.name, kRescueArea);
  EXPECT_EQ(rescue.short_, "sos");
  EXPECT_TRUE(rescue.menu);
  EXPECT_TRUE(rescue.icon_button);
  EXPECT_EQ(rescue.category, 2);
  std::vector<int> categories;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    categories.push_back(coin->category);
  }
  EXPECT_EQ(categories, (std::vector<int>{2, 1, 2, 2}));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, MessageKind::kError);
  EXPECT_NE(messages_.shown()[0].text.find("(\"sos\")"), std::string::npos);
  EXPECT_EQ(offers_.offers, 1);
}

TEST_F(LegacyFileTest, TruncatedInsideACoinKeepsEveryCoinThatReadsAndOffersTheNumbers) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  const test::LegacyFileBytes file = BuildLegacyFile(layout);
  // Cut inside the third coin, after its area id, quality and Schön number.
  const std::size_t third = file.coin_offsets[2];
  const std::size_t cut = third + 4 + (4 + coins_[2]->quality.size()) + (4 + 2);
  const LegacyReadResult result = Read(file.bytes.substr(0, cut));
  EXPECT_EQ(result.outcome, LegacyReadOutcome::kReadDamaged);
  EXPECT_TRUE(result.Read());
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kPartlyRead});
  ASSERT_EQ(document_.coin_count, 3);
  const TDaten& partial = *document_.first_coin->next->next;
  EXPECT_EQ(partial.category, 2);
  EXPECT_EQ(partial.quality, "vz3");
  EXPECT_EQ(partial.schoen, "S3");
  EXPECT_EQ(partial.jaeger, "");
  EXPECT_EQ(partial.count, 1);
  ExpectCoinRead(*document_.first_coin, *coins_[0], 250);
  // No note could be read; every coin still owns an empty one.
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    ASSERT_TRUE(coin->description);
    EXPECT_EQ(coin->description->text, "");
  }
  EXPECT_EQ(offers_.offers, 1);
  EXPECT_TRUE(document_.has_name);
  EXPECT_EQ(document_.legacy_version, 250);
  EXPECT_EQ(progress_.texts.back(), "");
}

TEST_F(LegacyFileTest, TruncatedInsideANoteKeepsEveryCoinAndTheNotesBefore) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_120");
  const test::LegacyFileBytes file = BuildLegacyFile(layout);
  const std::size_t cut = file.note_offsets[2] + 4 + 3;  // three of the six bytes of "dritte"
  const LegacyReadResult result = Read(file.bytes.substr(0, cut));
  EXPECT_EQ(result.outcome, LegacyReadOutcome::kReadDamaged);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kPartlyRead});
  ASSERT_EQ(document_.coin_count, 3);
  EXPECT_EQ(document_.first_coin->description->text, "erste\r\nNotiz");
  EXPECT_EQ(document_.first_coin->next->next->description->text, "");
  EXPECT_EQ(document_.first_coin->next->next->av_motive, "Adler 3");
  EXPECT_EQ(offers_.offers, 1);
  EXPECT_TRUE(document_.has_name);
}

TEST_F(LegacyFileTest, DamagedNoteLengthLeavesThatNoteAndTheRestEmpty) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_200");
  test::LegacyFileBytes file = BuildLegacyFile(layout);
  std::string bytes = file.bytes;
  for (int i = 0; i < 4; ++i) bytes[file.note_offsets[1] + i] = '\xFF';  // a negative length
  const LegacyReadResult result = Read(bytes);
  EXPECT_EQ(result.outcome, LegacyReadOutcome::kReadDamaged);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kPartlyRead});
  ASSERT_EQ(document_.coin_count, 3);
  EXPECT_EQ(Coins(document_, &TDaten::av_motive),
            (std::vector<std::string>{"Adler 1", "Adler 2", "Adler 3"}));
  EXPECT_EQ(document_.first_coin->description->text, "erste\r\nNotiz");
  EXPECT_EQ(document_.first_coin->next->next->description->text, "");
  EXPECT_EQ(offers_.offers, 1);
}

TEST_F(LegacyFileTest, NotesGetCrLfWhateverLineEndsTheFileUsed) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.notes = {"a\rb", "a\nb\r", "a\r\nb\n\n"};
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  std::vector<std::string> notes;
  for (const TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    notes.push_back(coin->description->text);
  }
  EXPECT_EQ(notes, (std::vector<std::string>{"a\r\nb", "a\r\nb\r\n", "a\r\nb\r\n\r\n"}));
}

TEST_F(LegacyFileTest, StoredKeyOutsideOneByteIsADamagedFile) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  layout.password_flag = 255;
  layout.password = "Schutz";
  const std::string bytes = BuildLegacyFile(layout).bytes;
  const std::size_t key_at = 12 + 2 + 4;  // after the magic, the flag and the stored length
  for (const uint32_t key : {256u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u}) {
    SCOPED_TRACE(key);
    std::string damaged = bytes;
    for (int i = 0; i < 4; ++i) damaged[key_at + i] = static_cast<char>((key >> (8 * i)) & 0xFF);
    passwords_.Answer(PasswordAnswer::Button::kWriteProtected);
    ExpectRefused(damaged, LegacyReadOutcome::kNotKorvexFile, kNotKorvex);
  }
  EXPECT_EQ(offers_.offers, 0);
}

TEST_F(LegacyFileTest, EveryPrefixOfAFileReadsWithoutCrashingAndKeepsTheInvariants) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  auto filter_template = MakeCoin(8);
  layout.filter = test::LegacyFilterSpec{};
  layout.filter->template_ = filter_template.get();
  const test::LegacyFileBytes file = BuildLegacyFile(layout);
  const std::string& bytes = file.bytes;
  int damaged_reads = 0;
  for (std::size_t length = 0; length < bytes.size(); length += 3) {
    test::ScriptedMessages messages;
    LegacyReadServices services{messages, passwords_, progress_, &offers_};
    CollectionDocument document;
    test::WriteFileBytes(path_, bytes.substr(0, length));
    const LegacyReadResult result = ReadLegacyFile(PathText(path_), document, services);
    ASSERT_NE(result.outcome, LegacyReadOutcome::kRead) << length;
    // Cut in the coin list (from its first word on) or in the notes, the file opens with what
    // it holds; cut before, it is refused.
    ASSERT_EQ(result.Read(), length + 2 > file.coin_offsets[0]) << length;
    ASSERT_EQ(messages.shown().size(), 1u) << length;
    for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
      ASSERT_GE(coin->category, 1) << length;
      ASSERT_LE(coin->category, document.AreaCount()) << length;
      ASSERT_TRUE(coin->description) << length;
    }
    for (int id = 1; id <= document.AreaCount(); ++id) {
      ASSERT_EQ(document.areas[id - 1]->category, id);
    }
    ASSERT_TRUE(document.current_view == kAllCoinsView || document.Area(document.current_view));
    ASSERT_TRUE(document.standard_order);
    if (result.Read()) ++damaged_reads;
  }
  EXPECT_EQ(offers_.offers, damaged_reads);
}

TEST_F(LegacyFileTest, DamagedLengthsEndTheReadingInsteadOfReadingPastTheEnd) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  test::LegacyFileBytes file = BuildLegacyFile(layout);
  // The length of the second coin's quality text becomes huge, then negative.
  for (const uint32_t length : {0x7FFFFFF0u, 0xFFFFFFFFu}) {
    std::string bytes = file.bytes;
    const std::size_t at = file.coin_offsets[1] + 4;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    CollectionDocument document;
    test::ScriptedMessages messages;
    LegacyReadServices services{messages, passwords_, progress_, &offers_};
    test::WriteFileBytes(path_, bytes);
    EXPECT_EQ(ReadLegacyFile(PathText(path_), document, services).outcome,
              LegacyReadOutcome::kReadDamaged);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kPartlyRead});
    EXPECT_EQ(document.coin_count, 2);
    EXPECT_EQ(document.first_coin->av_motive, "Adler 1");
  }
}

TEST_F(LegacyFileTest, WrongMagicIsNoKorvexFile) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  std::string bytes = BuildLegacyFile(layout).bytes;
  bytes.replace(0, 12, "Korvexia_300");
  EXPECT_EQ(Read(bytes).outcome, LegacyReadOutcome::kNotKorvexFile);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kNotKorvex});
  EXPECT_FALSE(document_.has_name);
  EXPECT_EQ(document_.AreaCount(), 0);
  EXPECT_EQ(offers_.offers, 0);
}

TEST_F(LegacyFileTest, WrongMagicAfterALegacyDocumentLeavesNoLegacyVersion) {
  Read(ThreeCoins("Korvexia_120"));
  ASSERT_EQ(document_.legacy_version, 120);
  Read(std::string("kein Korvex"));
  EXPECT_EQ(document_.legacy_version, 0);
  EXPECT_EQ(document_.coin_count, 0);
}

TEST_F(LegacyFileTest, EmptyFileIsNoKorvexFile) {
  EXPECT_EQ(Read(std::string()).outcome, LegacyReadOutcome::kNotKorvexFile);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kNotKorvex});
}

TEST_F(LegacyFileTest, MoreAreasThanACollectionHoldsAreRefused) {
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  LegacyAreaSpec small;
  small.cell_count = 0;
  layout.areas.assign(static_cast<size_t>(read_limits::kMaxAreas), small);
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  EXPECT_EQ(document_.AreaCount(), read_limits::kMaxAreas);
  layout.areas.push_back(small);
  ExpectRefused(BuildLegacyFile(layout).bytes, LegacyReadOutcome::kNotKorvexFile, kNotKorvex);
}

TEST_F(LegacyFileTest, FileLargerThanAnyDocumentIsRefusedUnread) {
  // A sparse file: it takes no room on the disk, and its size alone refuses it.
  test::WriteFileBytes(path_, BuildLegacyFile(ThreeCoins("Korvexia_250")).bytes);
  std::filesystem::resize_file(path_, read_limits::kMaxDocumentBytes + 1);
  CollectionDocument document;
  test::ScriptedMessages messages;
  LegacyReadServices services{messages, passwords_, progress_, &offers_};
  EXPECT_EQ(ReadLegacyFile(PathText(path_), document, services).outcome,
            LegacyReadOutcome::kNotKorvexFile);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kNotKorvex});
  EXPECT_EQ(document.coin_count, 0);
}

TEST_F(LegacyFileTest, MissingFileReportsTheReadError) {
  const LegacyReadResult result =
      ReadLegacyFile(PathText(dir_ / "fehlt.kvl"), document_, services_);
  EXPECT_EQ(result.outcome, LegacyReadOutcome::kReadError);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{kCannotRead});
  EXPECT_EQ(document_.coin_count, 0);
}

TEST_F(LegacyFileTest, TemplateOpensUnnamed) {
  LegacyFileLayout layout = ThreeCoins(kLegacyTemplateMagic);
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  EXPECT_FALSE(document_.has_name);
  EXPECT_TRUE(document_.from_template);
  EXPECT_EQ(document_.file_path(), "[Unbenannt]");
  EXPECT_EQ(document_.coin_count, 3);
}

TEST_F(LegacyFileTest, ReadingReplacesThePreviousContent) {
  document_.areas.push_back(std::make_unique<TKategorie>());
  document_.Append(MakeCoin(77));
  document_.SetPassword("alt");
  LegacyFileLayout layout = ThreeCoins("Korvexia_250");
  ASSERT_EQ(Read(layout).outcome, LegacyReadOutcome::kRead);
  EXPECT_EQ(document_.AreaCount(), 2);
  EXPECT_EQ(document_.coin_count, 3);
  EXPECT_EQ(document_.password(), "");
}

TEST_F(LegacyFileTest, NegativeOrUnknownViewShowsAllCoins) {
  for (const int32_t view : {-1, 5}) {
    LegacyFileLayout layout;
    layout.current_view = view;
    CollectionDocument document;
    test::WriteFileBytes(path_, BuildLegacyFile(layout).bytes);
    ReadLegacyFile(PathText(path_), document, services_);
    EXPECT_EQ(document.current_view, kAllCoinsView) << view;
  }
}

}  // namespace
}  // namespace korvex
