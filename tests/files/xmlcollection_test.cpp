// The XML collection file's suite. The cases share the sample document and the hand-written
// files, so they stay together in one file.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "files/fileerrors.h"
#include "files/handwritten.h"
#include "files/sampledocument.h"
#include "files/xmlcollection.h"
#include "files/xmlmintsplit.h"
#include "files/xmlnodes.h"
#include "model/datetime.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using test::ExpectSameCoin;
using test::HandWritten;
using test::ExpectSameContent;
using test::MakeSampleDocument;
using test::RecordingProgress;

std::string Write(const CollectionDocument& doc) {
  NoProgress progress;
  return WriteCollectionXml(doc, progress);
}

std::unique_ptr<CollectionDocument> Read(std::string xml) {
  auto doc = std::make_unique<CollectionDocument>("EUR");
  doc->ClearContent();
  NoProgress progress;
  ReadCollectionXml(*doc, xml, progress);
  return doc;
}

pugi::xml_document Parse(const std::string& xml) {
  pugi::xml_document dom;
  EXPECT_TRUE(dom.load_string(xml.c_str(), pugi::parse_default | pugi::parse_ws_pcdata_single));
  return dom;
}

template <typename Exception>
std::string FailureOf(std::string xml) {
  try {
    Read(std::move(xml));
  } catch (const Exception& error) {
    return error.what();
  }
  return "no error";
}

TEST(XmlCollectionRoundTrip, EveryMemberSurvivesWritingAndReading) {
  const auto original = MakeSampleDocument();
  const auto copy = Read(Write(*original));
  ExpectSameContent(*original, *copy);
  // Key 65535 is written as an empty order, which names no field.
  const std::array<int32_t, 5> keys = {kCatalogue, -kPurchasedate, 0, -kZ5, kItem};
  EXPECT_EQ(keys, copy->sort_keys);
}

TEST(XmlCollectionRoundTrip, EveryWindows1252CharacterSurvives) {
  std::string all = "\t";
  for (int byte = 0x20; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
  auto doc = MakeSampleDocument();
  doc->first_coin->av_motive = all;
  doc->first_coin->description->text = all + "\r\n" + all;
  doc->Area(1)->name = all;
  const auto copy = Read(Write(*doc));
  EXPECT_EQ(all, copy->first_coin->av_motive);
  EXPECT_EQ(all + "\r\n" + all, copy->first_coin->description->text);
  EXPECT_EQ(all, copy->Area(1)->name);
}

TEST(XmlCollectionRoundTrip, WritingTwiceGivesTheSameText) {
  const auto original = MakeSampleDocument();
  const std::string first = Write(*original);
  EXPECT_EQ(first, Write(*Read(first)));
}

TEST(XmlCollectionRoundTrip, ReportsOneProgressStepPerCoin) {
  const auto original = MakeSampleDocument();
  RecordingProgress writing;
  std::string xml = WriteCollectionXml(*original, writing);
  EXPECT_EQ((std::vector<std::string>{"Speichere Daten. Fertig:", ""}), writing.texts);
  EXPECT_EQ(3, writing.total);
  EXPECT_EQ(3, writing.steps);

  CollectionDocument doc;
  doc.ClearContent();
  RecordingProgress reading;
  ReadCollectionXml(doc, xml, reading);
  EXPECT_EQ((std::vector<std::string>{"Lade Daten. Fertig:", ""}), reading.texts);
  EXPECT_EQ(3, reading.total);
  EXPECT_EQ(3, reading.steps);
}

TEST(XmlCollectionWriter, EachCoinIsWrittenAsOnItsOwn) {
  // The file writer fills one element again for every coin; nothing of a coin may linger into
  // the next (texts emptied, descriptions dropped).
  const auto doc = MakeSampleDocument();
  const std::string xml = Write(*doc);
  std::string expected = "<mintlist>";
  for (const TDaten* coin = doc->first_coin; coin; coin = coin->next) {
    pugi::xml_document alone;
    WriteCoinElement(alone, *coin, *doc, false);
    std::string text;
    xml::StringWriter writer(text);
    alone.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
    expected += text;
  }
  expected += "</mintlist>";
  EXPECT_NE(std::string::npos, xml.find(expected));
  EXPECT_NE(std::string::npos, xml.find("<theme/>")) << "an empty text has no content";
}

TEST(XmlCollectionWriter, DocumentHasTheFixedLayout) {
  const auto doc = MakeSampleDocument();
  const std::string xml = Write(*doc);
  EXPECT_EQ(0u, xml.find("<deduvidarov><fileinfo><version>1.0</version>"
                         "<program name=\"Korvex\" version=\" - Version 3.1.3\"/></fileinfo>"));
  EXPECT_EQ(xml.size() - std::string("</deduvidarov>").size(), xml.rfind("</deduvidarov>"));
  EXPECT_EQ(std::string::npos, xml.find(">\n")) << "no whitespace between elements";

  const pugi::xml_document dom = Parse(xml);
  const pugi::xml_node root = dom.document_element();
  std::vector<std::string> parts;
  for (pugi::xml_node child : root.children()) parts.push_back(child.name());
  EXPECT_EQ((std::vector<std::string>{"fileinfo", "options", "categories", "mintlist"}), parts);
  EXPECT_EQ(root, dom.first_child());
  EXPECT_EQ(root, dom.last_child());
}

TEST(XmlCollectionWriter, CategoriesStartWithTheAllCoinsElement) {
  auto doc = MakeSampleDocument();
  doc->areas.pop_back();
  const pugi::xml_document dom = Parse(Write(*doc));
  const pugi::xml_node categories = dom.child("deduvidarov").child("categories");
  std::vector<pugi::xml_node> elements;
  for (pugi::xml_node c : categories.children("category")) elements.push_back(c);
  ASSERT_EQ(3u, elements.size());
  EXPECT_STREQ("0", elements[0].attribute("category").value());
  EXPECT_FALSE(elements[0].attribute("category").next_attribute());
  EXPECT_STREQ("cells", elements[0].first_child().name());
  EXPECT_FALSE(elements[0].first_child().next_sibling());
  EXPECT_STREQ("2", elements[2].attribute("category").value());
}

TEST(XmlCollectionWriter, AlignmentTableRunsFromZ5DownToNoField) {
  const pugi::xml_document dom = Parse(Write(*MakeSampleDocument()));
  const pugi::xml_node cells = dom.child("deduvidarov").child("options").child("cells");
  std::vector<std::string> types;
  for (pugi::xml_node cell : cells.children("cell")) types.push_back(cell.attribute("type").value());
  ASSERT_EQ(47u, types.size());
  EXPECT_EQ("z5", types.front());
  EXPECT_EQ("z4", types[1]);
  EXPECT_EQ("", types.back());
  EXPECT_EQ("quality", types[45]);
}

TEST(XmlCollectionWriter, SortKeysAreWrittenAsFieldKeysWithDirection) {
  auto doc = MakeSampleDocument();
  doc->sort_keys = {-20, kNoSortKey, kItem, 0, kNoSortKey};
  const pugi::xml_document dom = Parse(Write(*doc));
  const pugi::xml_node orders = dom.child("deduvidarov").child("options").child("orders");
  EXPECT_STREQ("no", orders.attribute("active").value());
  std::vector<pugi::xml_node> order;
  for (pugi::xml_node o : orders.children("order")) order.push_back(o);
  ASSERT_EQ(5u, order.size());
  EXPECT_STREQ("catalogue", order[0].child_value());
  EXPECT_STREQ("desc", order[0].attribute("direction").value());
  EXPECT_STREQ("", order[1].child_value());
  EXPECT_FALSE(order[1].attribute("direction"));
  EXPECT_FALSE(order[1].first_child()) << "an empty text is an element without content";
  EXPECT_STREQ("item", order[2].child_value());
  EXPECT_FALSE(order[2].attribute("direction"));

  const auto copy = Read(Write(*doc));
  EXPECT_EQ((std::array<int32_t, 5>{-20, 0, kItem, 0, 0}), copy->sort_keys);
}

TEST(XmlCollectionWriter, StandardOrderWritesEmptyOrdersAndKeepsKeysOnReading) {
  auto doc = MakeSampleDocument();
  doc->standard_order = true;
  const std::string xml = Write(*doc);
  EXPECT_NE(std::string::npos, xml.find("<orders active=\"yes\"/>"));

  CollectionDocument target;
  target.ClearContent();
  target.sort_keys = {1, 2, 3, 4, 5};
  std::string buffer = xml;
  NoProgress progress;
  ReadCollectionXml(target, buffer, progress);
  EXPECT_TRUE(target.standard_order);
  EXPECT_EQ((std::array<int32_t, 5>{1, 2, 3, 4, 5}), target.sort_keys);
}

TEST(XmlCollectionWriter, NumbersUseTheirFixedDecimals) {
  CollectionDocument doc;
  doc.areas.push_back(std::make_unique<TKategorie>());
  TDaten coin;
  coin.catalogue = 1234.5;
  coin.estimate = -3;
  coin.purchaseprice = 0;
  coin.diameter_minimum = 20;
  coin.weight = 3.456f;
  coin.fine = 0.005f;
  coin.width = 1.999f;
  pugi::xml_document dom;
  const pugi::xml_node mint = WriteCoinElement(dom, coin, doc, false);
  EXPECT_STREQ("1234.50", mint.child("prices").child_value("catalogue"));
  EXPECT_STREQ("-3.00", mint.child("prices").child_value("estimate"));
  EXPECT_STREQ("0.00", mint.child("purchases").child_value("purchaseprice"));
  EXPECT_STREQ("20.000", mint.child("diameter").child_value("minimum"));
  EXPECT_STREQ("3.46", mint.child("weight").child_value("mint"));
  EXPECT_STREQ("2.00", mint.child_value("width"));
}

TEST(XmlCollectionWriter, DatesAreCalendarPartsAndNoDateIsZeros) {
  CollectionDocument doc;
  TDaten coin;
  coin.purchasedate = *DayNumber(2001, 2, 28) + 0.75;  // the time of day is dropped
  coin.creation = kNoDate;
  coin.last = *DayNumber(1, 1, 1) - 1;
  pugi::xml_document dom;
  const pugi::xml_node mint = WriteCoinElement(dom, coin, doc, false);
  const pugi::xml_node purchased = mint.child("purchases").child("purchasedate");
  EXPECT_STREQ("2001", purchased.child_value("year"));
  EXPECT_STREQ("2", purchased.child_value("month"));
  EXPECT_STREQ("28", purchased.child_value("day"));
  for (const char* name : {"creation", "last"}) {
    const pugi::xml_node date = mint.child("changes").child(name);
    EXPECT_STREQ("0", date.child_value("year")) << name;
    EXPECT_STREQ("0", date.child_value("month")) << name;
    EXPECT_STREQ("0", date.child_value("day")) << name;
  }
}

TEST(XmlCollectionWriter, ExtraDescriptionsOnlyWhereTheAreaCarriesThem) {
  auto doc = MakeSampleDocument();
  const pugi::xml_document dom = Parse(Write(*doc));
  const pugi::xml_node third = dom.child("deduvidarov").child("mintlist").last_child();
  const pugi::xml_node extra = third.child("extra");
  EXPECT_FALSE(extra.child("z1").attribute("desc"));
  EXPECT_STREQ("Kaiser", extra.child("z2").attribute("desc").value());
  EXPECT_FALSE(extra.child("z5").attribute("desc"));
}

TEST(XmlCollectionWriter, TextsAreUtf8AndNotesKeepCrLf) {
  auto doc = MakeSampleDocument();
  const std::string xml = Write(*doc);
  EXPECT_NE(std::string::npos, xml.find("<currency>\xE2\x82\xAC</currency>"));
  EXPECT_NE(std::string::npos, xml.find("M\xC3\xBCnzen \xC3\x96sterreich \xE2\x82\xAC"));
  EXPECT_NE(std::string::npos, xml.find("Zeile 1\r\nZeile 2"));
}

TEST(XmlCollectionClipboard, AbsolutePathsFlagPrefixesBarePictureNames) {
  auto doc = MakeSampleDocument();
  doc->SetFileName("/archiv/Sammlung.mvc");
  const std::string text = CoinClipboardXml(*doc->first_coin, *doc);
  EXPECT_EQ(0u, text.find("<deduvidarov><mintlist><mint item=\"17\""));
  const pugi::xml_document dom = Parse(text);
  const pugi::xml_node mint = dom.child("deduvidarov").child("mintlist").child("mint");
  EXPECT_STREQ("/archiv/Sammlung/a.jpg", mint.child("avers").child_value("picture"));
  EXPECT_STREQ("/bilder/r\xC3\xBC" "ck.jpg", mint.child("revers").child_value("picture"));

  pugi::xml_document file_form;
  const pugi::xml_node plain = WriteCoinElement(file_form, *doc->first_coin, *doc, false);
  EXPECT_STREQ("a.jpg", plain.child("avers").child_value("picture"));
}

TEST(XmlCollectionClipboard, ReadsEveryMintOfTheList) {
  auto doc = MakeSampleDocument();
  const std::string one = CoinClipboardXml(*doc->first_coin, *doc);
  const std::string mint = one.substr(one.find("<mint "), one.find("</mintlist>") - one.find("<mint "));
  const std::string two = "<?xml version=\"1.0\"?>\n<x><mintlist>" + mint + mint + "</mintlist></x>";
  const auto coins = ReadClipboardCoins(two, *doc);
  ASSERT_EQ(2u, coins.size());
  auto expected = doc->first_coin->Clone();
  expected->av_picture = doc->picture_folder() + "a.jpg";
  ExpectSameCoin(*expected, *coins[1]);

  EXPECT_TRUE(ReadClipboardCoins("<deduvidarov><mintlist/></deduvidarov>", *doc).empty());
  EXPECT_THROW(ReadClipboardCoins("Hallo", *doc), EXMLException);
  EXPECT_THROW(ReadClipboardCoins("<deduvidarov/>", *doc), EXMLNodeDoesNotExist);
  EXPECT_THROW(ReadClipboardCoins("<d><mintlist><mint item=\"1\"/></mintlist></d>", *doc), EXMLException);
}

TEST(XmlCollectionReader, ReadsAHandWrittenFile) {
  const HandWritten file;
  const auto doc = Read(file.Document());
  EXPECT_EQ("DM", doc->currency_symbol);
  EXPECT_EQ(1, doc->current_view);
  EXPECT_EQ((std::vector<TZelle>{{kQuality, 30, kAlignLeft}}), doc->all_cells);
  ASSERT_EQ(1, doc->AreaCount());
  const TKategorie& area = *doc->Area(1);
  EXPECT_EQ("ABC", area.short_);
  EXPECT_EQ("i.ico", area.icon);
  EXPECT_FALSE(area.estimate);
  EXPECT_FALSE(area.count) << "the second count switch wins";
  EXPECT_EQ((std::array<int32_t, 3>{0, 3, 5}), area.number_kind);
  EXPECT_EQ((std::array<bool, 3>{true, false, true}), area.number_active);
  EXPECT_EQ((std::array<bool, 6>{true, false, false, false, false, true}), area.kind_in_use);
  EXPECT_EQ("Frei", area.other_name);
  EXPECT_EQ((std::vector<TZelle>{{kItem, 50, kAlignRight}}), area.cells);
  EXPECT_TRUE(area.year) << "missing optional switches keep their defaults";
  EXPECT_FALSE(area.width);

  ASSERT_EQ(1, doc->coin_count);
  const TDaten& coin = *doc->first_coin;
  EXPECT_EQ(doc->first_coin, doc->LastCoin());
  EXPECT_EQ(4, coin.count) << "the second count wins";
  EXPECT_EQ(1.5, coin.catalogue);
  EXPECT_EQ(0.0, coin.estimate) << "an empty decimal reads as 0";
  EXPECT_EQ(-20.0, coin.purchaseprice);
  EXPECT_EQ(*DayNumber(2001, 2, 3), coin.purchasedate);
  EXPECT_EQ(kNoDate, coin.creation);
  EXPECT_EQ(INT64_MIN, coin.circulation);
  EXPECT_EQ(1, coin.case_);
  EXPECT_EQ(0, coin.certificate);
  EXPECT_EQ("O", coin.other1);
  EXPECT_EQ("a\r\nb", coin.description->text);
  EXPECT_EQ(5, doc->highest_item);
}

TEST(XmlCollectionReader, DescriptionFallsBackToTheAreaCaption) {
  const auto doc = Read(HandWritten().Document());
  const TDaten& coin = *doc->first_coin;
  EXPECT_EQ("Erstes", coin.z_desc[0]);
  EXPECT_EQ("Zweites", coin.z_desc[1]);
  EXPECT_EQ("", coin.z_desc[2]);

  HandWritten with_desc;
  with_desc.coin_extra = R"(<extra><z1/><z2 desc="eigen"/><z3/><z4/><z5/></extra>)";
  EXPECT_EQ("eigen", Read(with_desc.Document())->first_coin->z_desc[1]);
}

TEST(XmlCollectionReader, ChildrenInAnotherOrderAndWithWhitespaceAreFound) {
  HandWritten file;
  file.coin_extra = "\n  <extra>\n    <z5>e</z5><z4/><z3/>\n<!-- c --><z2>b</z2><z1>a</z1></extra>";
  file.coin_optional = "<theme>T</theme><case active=\"no\"/><validtil>V</validtil>";
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + file.Document() + "\n";
  const auto doc = Read(xml);
  const TDaten& coin = *doc->first_coin;
  EXPECT_EQ("a", coin.z1);
  EXPECT_EQ("b", coin.z2);
  EXPECT_EQ("e", coin.z5);
  EXPECT_EQ("T", coin.theme);
  EXPECT_EQ("V", coin.validtil);
  EXPECT_EQ(0, coin.case_);
}

TEST(XmlCollectionReader, DuplicateChildrenGiveTheFirstOne) {
  HandWritten file;
  // `width` is looked up after `revers`, so the search resumes there and passes the first `date`.
  file.coin_width = "<date>first</date><width>2</width>";
  const auto doc = Read(file.Document());
  EXPECT_EQ("first", doc->first_coin->date);
  EXPECT_EQ(2.0f, doc->first_coin->width);
}

TEST(XmlCollectionReader, ImpossibleDateReadsAsNoDate) {
  HandWritten file;
  file.purchase_date = "<year>2001</year><month>2</month><day>30</day>";
  EXPECT_EQ(kNoDate, Read(file.Document())->first_coin->purchasedate);
}

TEST(XmlCollectionReader, VersionBelow03KeepsDefaultColumnsAndOrder) {
  HandWritten file;
  file.version = "0.2";
  file.options = R"(<currency>DM</currency><category>7</category><cells><cell type="count" width="1" align="center"/></cells><orders active="no"><order>item</order></orders>)";
  const auto doc = Read(file.Document());
  EXPECT_EQ(DefaultCells(), doc->Area(1)->cells);
  EXPECT_EQ(DefaultCells(), doc->all_cells);
  EXPECT_TRUE(doc->standard_order);
  EXPECT_EQ((std::array<int32_t, 5>{kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey, kNoSortKey}),
            doc->sort_keys);
  EXPECT_EQ(kAlignRight, doc->alignment_table[kCount].align) << "the stored table is not read";
  EXPECT_EQ(kAllCoinsView, doc->current_view) << "the stored view 7 names no area of this file";
}

TEST(XmlCollectionReader, AlignmentTableIsRestoredByFieldType) {
  HandWritten file;
  file.options = R"(<cells><cell type="count" width="12" align="center"/><cell type="" width="1" align="right"/></cells><orders active="yes"/>)";
  const auto doc = Read(file.Document());
  EXPECT_EQ((TZelle{kCount, 12, kAlignCenter}), doc->alignment_table[kCount]);
  EXPECT_EQ((TZelle{0, 1, kAlignRight}), doc->alignment_table[0]);
  EXPECT_EQ((TZelle{kPurchasedate, 100, kAlignCenter}), doc->alignment_table[kPurchasedate]);
  EXPECT_EQ("EUR", doc->currency_symbol) << "a missing currency keeps the symbol";
  EXPECT_EQ(kAllCoinsView, doc->current_view) << "a missing view means all coins";

  file.options = R"(<category>x</category><cells><cell type="count" align="center"/></cells><orders active="yes"/>)";
  const auto broken = Read(file.Document());
  EXPECT_EQ(kAllCoinsView, broken->current_view);
  EXPECT_EQ(kAlignRight, broken->alignment_table[kCount].align);
}

TEST(XmlCollectionReader, ShortLabelIsCutToThreeCharacters) {
  HandWritten file;
  file.area_attributes = R"(category="1" name="A" short="ÄBCDE" menu="no" icon="yes")";
  const auto doc = Read(file.Document());
  EXPECT_EQ("\xC4" "BC", doc->Area(1)->short_);
  EXPECT_FALSE(doc->Area(1)->menu);
  EXPECT_TRUE(doc->Area(1)->icon_button);
}

TEST(XmlCollectionReader, MissingOptionalCoinPartsKeepDefaults) {
  HandWritten file;
  file.coin_optional = "";
  file.coin_number = "<number><schoen/><jaeger/><cohen/><ric/><yeoman/></number>";
  const auto doc = Read(file.Document());
  const TDaten& coin = *doc->first_coin;
  EXPECT_EQ("", coin.theme);
  EXPECT_EQ("", coin.validtil);
  EXPECT_EQ("", coin.other1);
  EXPECT_EQ(0, coin.case_);
  EXPECT_EQ(0, coin.certificate);
}

TEST(XmlCollectionReader, NumberSlotsEndSilentlyAtTheFirstGap) {
  HandWritten file;
  std::string xml = file.Document();
  const std::string slots = R"(<number category="schoen" active="yes"/><number category="ric" active="no"/><number category="other1" active="yes" name="Frei"/>)";
  xml.replace(xml.find(slots), slots.size(), R"(<number category="jaeger" active="no"/><number active="no"/>)");
  const auto doc = Read(xml);
  const TKategorie& area = *doc->Area(1);
  EXPECT_EQ((std::array<int32_t, 3>{1, 2, 1}), area.number_kind);
  EXPECT_EQ((std::array<bool, 3>{true, true, false}), area.number_active) << "actives not reached";
  EXPECT_EQ((std::array<bool, 6>{false, true, true, false, false, false}), area.kind_in_use);
}

TEST(XmlCollectionReader, MissingRequiredPartsFailWithTheirNames) {
  HandWritten no_width;
  no_width.coin_width = "";
  EXPECT_EQ("Node width does not exist", FailureOf<EXMLNodeDoesNotExist>(no_width.Document()));

  HandWritten no_cell_width;
  no_cell_width.area_cells = R"(<cells><cell type="item" align="right"/></cells>)";
  EXPECT_EQ("Attribute width does not exist",
            FailureOf<EXMLAttributeDoesNotExist>(no_cell_width.Document()));

  HandWritten no_cells;
  no_cells.area_cells = "";
  EXPECT_EQ("Node cells does not exist", FailureOf<EXMLNodeDoesNotExist>(no_cells.Document()));

  HandWritten no_orders;
  no_orders.options = "";
  EXPECT_EQ("ERROR: Node is nil", FailureOf<EXMLNodeDoesNotExist>(no_orders.Document()));

  HandWritten bad_count;
  bad_count.coin_attributes = R"(item="1" category="eins")";
  EXPECT_NE("no error", FailureOf<EConvertError>(bad_count.Document()));

  HandWritten no_categories;
  std::string xml = no_categories.Document();
  xml.replace(xml.find("<categories>"), xml.find("</categories>") - xml.find("<categories>"),
              "<categories>");
  EXPECT_EQ("Node category does not exist", FailureOf<EXMLNodeDoesNotExist>(xml));
}

TEST(XmlCollectionReader, TextsThatAreNoCollectionAreRefused) {
  const std::string message = "Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.";
  EXPECT_EQ(message, FailureOf<EXMLException>(""));
  EXPECT_EQ(message, FailureOf<EXMLException>("<deduvidarov><fileinfo>"));
  EXPECT_EQ(message, FailureOf<EXMLException>("PK\x03\x04 binary"));
  EXPECT_EQ(message, FailureOf<EXMLException>("<collection><fileinfo/></collection>"));
}

TEST(XmlCollectionReader, HighestItemFollowsTheInventoryNumbers) {
  HandWritten file;
  std::string xml = file.Document();
  std::string coins;
  for (const char* item : {"  12abc", "$1F", "-4", "", "x"}) {
    HandWritten one;
    one.coin_attributes = std::string("item=\"") + item + "\" category=\"1\"";
    coins += one.Coin();
  }
  xml.insert(xml.find("</mintlist>"), coins);
  const auto doc = Read(xml);
  EXPECT_EQ(6, doc->coin_count);
  EXPECT_EQ(31, doc->highest_item);
}

TEST(XmlCollectionReader, CoinsOfUnknownAreasGoToOneRescueArea) {
  HandWritten file;
  std::string xml = file.Document();
  std::string coins;
  for (const char* category : {"0", "9", "1"}) {
    HandWritten one;
    one.coin_attributes = std::string("item=\"1\" category=\"") + category + "\"";
    coins += one.Coin();
  }
  xml.insert(xml.find("</mintlist>"), coins);
  auto doc = std::make_unique<CollectionDocument>();
  doc->ClearContent();
  NoProgress progress;
  EXPECT_EQ(2, ReadCollectionXml(*doc, xml, progress).rescued_coins);
  ASSERT_EQ(2, doc->AreaCount());
  EXPECT_EQ("Gerettete Daten, bitte in korrekte Kategorien kopieren", doc->Area(2)->name);
  EXPECT_EQ("sos", doc->Area(2)->short_);
  EXPECT_EQ(2, doc->Area(2)->category);
  std::vector<int> categories;
  for (const TDaten* c = doc->first_coin; c; c = c->next) categories.push_back(c->category);
  EXPECT_EQ((std::vector<int>{1, 2, 2, 1}), categories);
}

TEST(XmlCollectionReader, AreaIdsFollowTheirPositions) {
  HandWritten file;
  file.area_attributes = R"(category="42" name="A" short="" menu="yes" icon="no")";
  EXPECT_EQ(1, Read(file.Document())->Area(1)->category);
}

TEST(XmlCollectionElements, CellRoundTripAndAlignmentTexts) {
  pugi::xml_document dom;
  const pugi::xml_node cell = WriteCellElement(dom, TZelle{kPurchasedate, 77, kAlignCenter});
  EXPECT_STREQ("purchasedate", cell.attribute("type").value());
  EXPECT_STREQ("77", cell.attribute("width").value());
  EXPECT_STREQ("center", cell.attribute("align").value());
  EXPECT_EQ((TZelle{kPurchasedate, 77, kAlignCenter}), ReadCellElement(cell));

  const pugi::xml_node odd = WriteCellElement(dom, TZelle{99, -1, 7});
  EXPECT_STREQ("", odd.attribute("type").value());
  EXPECT_STREQ("", odd.attribute("align").value());
  EXPECT_EQ((TZelle{0, -1, kAlignLeft}), ReadCellElement(odd));
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

using test::HandWritten;

// A file of `coins` hand-written coins whose items are 1, 2, ...; `between` goes between them.
std::string FileWithCoins(int coins, const std::string& between) {
  HandWritten file;
  std::string xml = file.Document();
  const size_t list = xml.find("<mintlist>") + std::string("<mintlist>").size();
  const size_t end = xml.find("</mintlist>");
  std::string list_content;
  for (int i = 1; i <= coins; ++i) {
    HandWritten coin;
    coin.coin_attributes = "item=\"" + std::to_string(i) + "\" category=\"1\"";
    list_content += (i > 1 ? between : "") + coin.Coin();
  }
  return xml.substr(0, list) + list_content + xml.substr(end);
}

std::vector<std::string> ItemsOf(const CollectionDocument& doc) {
  std::vector<std::string> items;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) items.push_back(coin->item);
  return items;
}

TEST(XmlMintListPieces, CutsAfterEachCoinButNotInsideOne) {
  const std::string xml = FileWithCoins(3, "");
  const auto guess = xml::GuessMintListPieces(xml);
  ASSERT_TRUE(guess);
  ASSERT_EQ(3u, guess->pieces.size()) << "the weight's inner `mint` does not end a coin";
  EXPECT_EQ(guess->content.begin, guess->pieces[0].begin);
  EXPECT_EQ(guess->content.end, guess->pieces[2].end);
  for (const auto& piece : guess->pieces) {
    const std::string text = xml.substr(piece.begin, piece.end - piece.begin);
    EXPECT_EQ(0u, text.find("<mint item=")) << text.substr(0, 40);
    EXPECT_EQ(text.size() - 7, text.rfind("</mint>"));
  }

  const auto spaced = xml::GuessMintListPieces(FileWithCoins(3, "\r\n  "));
  ASSERT_TRUE(spaced);
  EXPECT_EQ(3u, spaced->pieces.size());
}

TEST(XmlMintListPieces, NoGuessForOtherEncodingsOrWithoutAList) {
  EXPECT_FALSE(xml::GuessMintListPieces("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a><mintlist/></a>"));
  EXPECT_FALSE(xml::GuessMintListPieces(std::string("<\0a\0", 4)));
  EXPECT_FALSE(xml::GuessMintListPieces("<a><mintlister/></a>"));
  EXPECT_TRUE(xml::GuessMintListPieces("<?xml version='1.0' encoding='utf-8'?><a><mintlist/></a>"));
  const auto empty = xml::GuessMintListPieces("\xEF\xBB\xBF<a><mintlist/></a>");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->pieces.empty());
}

TEST(XmlCollectionPieces, CoinsBetweenBlanksAndCommentsAreAllRead) {
  const auto doc = Read(FileWithCoins(4, "\n<!-- Kommentar -->\n  "));
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4"}), ItemsOf(*doc));
  EXPECT_EQ(4, doc->coin_count);
  EXPECT_EQ(4, doc->highest_item);
}

TEST(XmlCollectionPieces, MisleadingTextFallsBackToTheWholeTree) {
  // Each text looks like the end of a coin where none is; the cut there leaves a piece that does
  // not parse, and the file is read as a whole instead.
  for (const std::string between :
       {"<!-- </mint><mint x -->", "<x a=\"</mint><mint y\"/>", "<x><![CDATA[</mint><mint z>]]></x>"}) {
    SCOPED_TRACE(between);
    const auto doc = Read(FileWithCoins(3, between));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), ItemsOf(*doc));
    EXPECT_EQ(1, doc->AreaCount());
    EXPECT_EQ(3, doc->highest_item);
  }
  HandWritten in_note;
  std::string xml = in_note.Document();
  xml.replace(xml.find("<description>a\nb</description>"), 30,
              "<description><![CDATA[x</mint><mint item=\"9\">]]></description>");
  const auto doc = Read(xml);
  EXPECT_EQ(1, doc->coin_count);
  EXPECT_EQ("x</mint><mint item=\"9\">", doc->first_coin->description->text);

  std::string commented_head = FileWithCoins(2, "");
  commented_head.insert(commented_head.find("<fileinfo>"), "<!-- <mintlist> -->");
  EXPECT_EQ((std::vector<std::string>{"1", "2"}), ItemsOf(*Read(commented_head)));
}

TEST(XmlCollectionPieces, ByteOrderMarkAndLatin1AreRead) {
  HandWritten file;
  const auto with_bom = Read("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + file.Document());
  EXPECT_EQ(1, with_bom->coin_count);

  file.coin_number = "<number><schoen>M\xFCnchen</schoen><jaeger/><cohen/><ric/><yeoman/></number>";
  const auto latin1 =
      Read("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + file.Document());
  EXPECT_EQ("M\xFCnchen", latin1->first_coin->schoen);
}

TEST(XmlCollectionPieces, BrokenCoinInTheMiddleRefusesTheFile) {
  std::string xml = FileWithCoins(3, "");
  const size_t second = xml.find("<quality>", xml.find("item=\"2\""));
  xml.replace(second, 9, "<qualty>");
  CollectionDocument doc;
  doc.ClearContent();
  RecordingProgress progress;
  try {
    ReadCollectionXml(doc, xml, progress);
    ADD_FAILURE() << "read without error";
  } catch (const EXMLException& error) {
    EXPECT_STREQ("Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.", error.what());
  }
  EXPECT_EQ("", progress.texts.back()) << "the progress display ends";
}

TEST(XmlCollectionPieces, EmptyListsInEveryForm) {
  for (const std::string list : {"<mintlist/>", "<mintlist></mintlist>", "<mintlist> \n </mintlist>"}) {
    std::string xml = HandWritten().Document();
    const size_t begin = xml.find("<mintlist>");
    xml.replace(begin, xml.find("</deduvidarov>") - begin, list);
    const auto doc = Read(xml);
    EXPECT_EQ(0, doc->coin_count) << list;
    EXPECT_EQ(1, doc->AreaCount()) << list;
  }
}

// What a text reads as: the items of its coins, or the error.
std::string Outcome(std::string xml) {
  try {
    const auto doc = Read(std::move(xml));
    std::string items = std::to_string(doc->AreaCount()) + " areas:";
    for (const std::string& item : ItemsOf(*doc)) items += " " + item;
    return items;
  } catch (const std::exception& error) {
    return std::string("error: ") + error.what();
  }
}

TEST(XmlCollectionPieces, EveryListOutsideTheDocumentElementsOwnReadsAsTheWholeTreeDoes) {
  HandWritten file;
  const std::string coins = file.Coin() + HandWritten{.coin_attributes = R"(item="6" category="1")"}.Coin();
  const std::string document = file.Document();
  const size_t list = document.find("<mintlist>");
  const std::string head = document.substr(0, list);
  const std::string variants[] = {
      head + "<foo><mintlist>" + coins + "</mintlist></foo><mintlist/></deduvidarov>",
      head + "<foo><mintlist/></foo><mintlist>" + coins + "</mintlist></deduvidarov>",
      head + "<mintlist>" + file.Coin() + "</mintlist><foo><mintlist>" + coins +
          "</mintlist></foo></deduvidarov>",
      head + "<mintlist>" + file.Coin() + "</mintlist><mintlist>" + coins + "</mintlist></deduvidarov>",
      head + "<mintlist><foo>" + coins + "</foo></mintlist></deduvidarov>",
  };
  const std::string expected[] = {"1 areas:", "1 areas: 5 6", "1 areas: 5", "1 areas: 5",
                                  "1 areas:"};
  // A declaration of another encoding keeps the guess away: the text is then read as a whole.
  const std::string whole_tree = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
  for (size_t i = 0; i < std::size(variants); ++i) {
    SCOPED_TRACE(variants[i].substr(list));
    EXPECT_EQ(expected[i], Outcome(whole_tree + variants[i]));
    EXPECT_EQ(expected[i], Outcome(variants[i]));
  }
}

TEST(XmlCollectionPieces, GuessedPiecesAndTheWholeTreeAgreeOnMangledFiles) {
  // Tags and markers that could mislead the guess, put into a file of three coins at places
  // chosen by a fixed sequence; each text must read the same with and without the guess.
  const std::string markers[] = {"<mintlist>", "</mintlist>", "<mintlist/>", "<mint>", "</mint>",
                                 "<mint item=\"7\" category=\"1\">", "<!--", "-->", "<![CDATA[",
                                 "]]>", "<foo>", "</foo>", "<deduvidarov>", "</deduvidarov>",
                                 "<!DOCTYPE d>", "<?p x?>", "<?xml version=\"1.0\"?>", "&", "&amp;",
                                 "<", ">"};
  const std::string file = FileWithCoins(3, "\n");
  const std::string whole_tree = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
  uint32_t state = 12345;
  const auto next = [&state] { return state = state * 1103515245u + 12345u; };
  int agreed_reads = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string text = file;
    const int changes = 1 + static_cast<int>(next() % 3);
    for (int i = 0; i < changes; ++i) {
      const size_t at = (next() >> 8) % text.size();
      const std::string& marker = markers[(next() >> 8) % std::size(markers)];
      // Markers go between elements, where the coins' own tags are.
      const size_t tag = text.find('<', at);
      text.insert(tag == std::string::npos ? text.size() : tag, marker);
    }
    const std::string guessed = Outcome(text);
    ASSERT_EQ(Outcome(whole_tree + text), guessed) << text;
    if (guessed.rfind("error", 0) != 0) ++agreed_reads;
  }
  EXPECT_GT(agreed_reads, 20) << "some mangled files still read";
}

TEST(XmlCollectionReader, TextAndCdataChildrenReadWhole) {
  HandWritten file;
  std::string xml = file.Document();
  xml.replace(xml.find("<description>a\nb</description>"), 30,
              "<description>abc<![CDATA[<x>]]>def<!-- weg -->ghi</description>");
  xml.replace(xml.find("<mintlocation>A</mintlocation>"), 30,
              "<mintlocation><![CDATA[B]]>erlin</mintlocation>");
  xml.replace(xml.find("<count>2</count>"), 16, "<count>1<![CDATA[2]]></count>");
  xml.replace(xml.find("<catalogue>1.5</catalogue>"), 26,
              "<catalogue>1<![CDATA[.]]>75</catalogue>");
  const auto doc = Read(xml);
  const TDaten& coin = *doc->first_coin;
  EXPECT_EQ("abc<x>defghi", coin.description->text);
  EXPECT_EQ("Berlin", coin.mintlocation);
  EXPECT_EQ(1.75, coin.catalogue);
  EXPECT_EQ(4, coin.count) << "the second count still wins";

  // The count inside `purchases` is the one that stays.
  std::string count_xml = file.Document();
  count_xml.replace(count_xml.find("<count>4</count>"), 16, "<count>1<![CDATA[2]]>3</count>");
  EXPECT_EQ(123, Read(count_xml)->first_coin->count);
}

TEST(XmlCollectionReader, NotesGetCrLfWhateverLineEndsTheFileUsed) {
  for (const std::string note : {"a\rb\rc", "a\nb\nc", "a\r\nb\r\nc", "a\rb\nc\r\n"}) {
    SCOPED_TRACE(testing::PrintToString(note));
    HandWritten file;
    std::string xml = file.Document();
    xml.replace(xml.find("<description>a\nb</description>"), 30,
                "<description>" + note + "</description>");
    const std::string expected = note.back() == '\n' ? "a\r\nb\r\nc\r\n" : "a\r\nb\r\nc";
    EXPECT_EQ(expected, Read(xml)->first_coin->description->text);
  }
}

// The coin that fails is kept with what it had, in its own area or, when that does not exist, in
// the rescue area, so that every coin in memory names an existing area.
TEST(XmlCollectionReader, FailureKeepsWhatWasReadBeforeInExistingAreas) {
  for (const char* category : {"1", "0", "7"}) {
    SCOPED_TRACE(category);
    HandWritten file;
    std::string xml = file.Document();
    HandWritten broken;
    broken.coin_attributes = std::string("item=\"8\" category=\"") + category + "\"";
    broken.coin_width = "";
    xml.insert(xml.find("</mintlist>"), broken.Coin());
    CollectionDocument doc;
    doc.ClearContent();
    NoProgress progress;
    EXPECT_THROW(ReadCollectionXml(doc, xml, progress), EXMLNodeDoesNotExist);
    ASSERT_EQ(2, doc.coin_count);
    EXPECT_EQ("ss", doc.LastCoin()->quality);
    for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) {
      EXPECT_TRUE(doc.Area(coin->category)) << coin->item << " in area " << coin->category;
    }
    EXPECT_EQ(std::string(category) == "1" ? 1 : 2, doc.AreaCount());
  }
}

}  // namespace
}  // namespace korvex
