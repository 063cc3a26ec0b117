#pragma once

#include <array>

#include <pugixml.hpp>

#include "model/collectiondocument.h"

namespace korvex::xml {

// A coin's `mint` element whose children are made once and then filled with one coin after the
// other: the file writer serialises each coin from it without building a tree per coin.
class CoinElement {
 public:
  // Appends a `mint` element with every child and empty values.
  explicit CoinElement(pugi::xml_node parent);

  // Gives the element the values of `coin`. With `absolute_paths` a bare picture reference is
  // written as the document's picture folder followed by the name.
  void Fill(const TDaten& coin, const CollectionDocument& doc, bool absolute_paths);

  pugi::xml_node element() const { return element_; }

 private:
  struct Date {
    pugi::xml_node year, month, day;
  };
  struct Side {
    pugi::xml_node motive, artist, picture;
  };

  static Date AppendDate(pugi::xml_node parent, const char* name);
  static Side AppendSide(pugi::xml_node parent, const char* name);
  static void FillDate(const Date& date, double day_number);
  void FillExtraDescription(int n, bool written, const std::string& text);

  // Texts are kept as their elements, numbers as the text nodes of theirs.
  pugi::xml_node element_;
  pugi::xml_attribute item_, category_;
  pugi::xml_node quality_, schoen_, jaeger_, cohen_, ric_, yeoman_, other1_, count_;
  pugi::xml_node mintlocation_, numeral_, currency_, location_, country_, master_, city_, year_;
  pugi::xml_node validtil_;
  pugi::xml_attribute case_, certificate_;
  pugi::xml_node theme_, catalogue_, estimate_, purchase_count_, purchaseprice_;
  Date purchasedate_;
  pugi::xml_node dealer_, weight_, fine_, standard_, diameter_minimum_, diameter_maximum_;
  pugi::xml_node circulation_;
  Side avers_, revers_;
  pugi::xml_node width_, date_, alloy_, border_;
  std::array<pugi::xml_node, 5> extra_;
  Date creation_;
  pugi::xml_node change_count_;
  Date last_;
  pugi::xml_node description_;
};

}  // namespace korvex::xml
