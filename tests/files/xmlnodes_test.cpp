#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "files/fileerrors.h"
#include "files/xmlnodes.h"

namespace korvex::xml {
namespace {

TEST(XmlNumbers, WholeNumbersKeepToTheirRange) {
  EXPECT_EQ(2147483647, WholeNumber("2147483647"));
  EXPECT_EQ(-2147483647 - 1, WholeNumber("-2147483648"));
  EXPECT_EQ(12, WholeNumber(" 12\t"));
  EXPECT_EQ(7, WholeNumber("+7"));
  for (const char* bad : {"2147483648", "-2147483649", "", "-", "1 2", "0x10", "12a", "99999999999999999999"}) {
    EXPECT_THROW(WholeNumber(bad), EConvertError) << bad;
  }
  EXPECT_EQ(INT64_MAX, WholeNumber64("9223372036854775807"));
  EXPECT_EQ(INT64_MIN, WholeNumber64("-9223372036854775808"));
  EXPECT_THROW(WholeNumber64("9223372036854775808"), EConvertError);
  EXPECT_THROW(WholeNumber64("-9223372036854775809"), EConvertError);
}

TEST(XmlNumbers, DecimalsReadExactlyLikeTheGeneralParser) {
  EXPECT_EQ(1234.5, DecimalNumber("1234.50"));
  EXPECT_EQ(-0.1, DecimalNumber("-0.10"));
  EXPECT_EQ(5.0, DecimalNumber("5."));
  EXPECT_EQ(0.5, DecimalNumber(".5"));
  EXPECT_EQ(1000.0, DecimalNumber("1e3"));
  EXPECT_EQ(2.5, DecimalNumber(" 2.5"));
  EXPECT_EQ(2.5, DecimalNumber("+2.5"));
  EXPECT_EQ(1234567890123456.5, DecimalNumber("1234567890123456.5"));
  EXPECT_EQ(0.0, DecimalNumber(""));
  EXPECT_EQ(0.0, DecimalNumber("abc"));
  EXPECT_EQ(0.0, DecimalNumber("1.2.3"));

  // The short path divides by a power of ten; it must agree with correct rounding everywhere.
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    const int decimals = static_cast<int>(random() % 4);
    const long long digits = static_cast<long long>(random() % 1000000000000000LL);
    std::string text = std::to_string(digits);
    if (decimals > 0) {
      while (static_cast<int>(text.size()) <= decimals) text.insert(text.begin(), '0');
      text.insert(text.end() - decimals, '.');
    }
    if (random() % 2) text.insert(text.begin(), '-');
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), DecimalNumber(text)) << text;
  }
}

TEST(XmlNumbers, FixedDecimalsAreWrittenWithoutNegativeZero) {
  pugi::xml_document dom;
  pugi::xml_node text = dom.append_child("v").append_child(pugi::node_pcdata);
  const struct {
    double value;
    int decimals;
    const char* written;
  } cases[] = {{12.5, 2, "12.50"}, {-3, 2, "-3.00"}, {0, 2, "0.00"}, {-0.0, 2, "0.00"},
               {20, 3, "20.000"}, {3.456, 2, "3.46"}, {1e15, 2, "1000000000000000.00"}};
  for (const auto& c : cases) {
    SetFixed(text, c.value, c.decimals);
    EXPECT_STREQ(c.written, text.value()) << c.value;
  }
}

TEST(XmlChildFinder, FindsTheFirstChildOfANameInAnyOrder) {
  pugi::xml_document dom;
  ASSERT_TRUE(dom.load_string("<p>text<a>1</a><b>2</b><!--c--><a>3</a><c>4</c></p>"));
  ChildFinder in_order(dom.child("p"));
  EXPECT_STREQ("1", in_order.Find("a").child_value());
  EXPECT_STREQ("2", in_order.Find("b").child_value());
  EXPECT_STREQ("4", in_order.Find("c").child_value());
  EXPECT_FALSE(in_order.Find("d"));

  ChildFinder backwards(dom.child("p"));
  EXPECT_STREQ("4", backwards.Find("c").child_value());
  EXPECT_STREQ("2", backwards.Find("b").child_value());
  EXPECT_STREQ("1", backwards.Find("a").child_value()) << "the first `a`, not the one after `b`";

  ChildFinder skipping(dom.child("p"));
  EXPECT_STREQ("2", skipping.Find("b").child_value());
  EXPECT_STREQ("1", skipping.Find("a").child_value());
  EXPECT_THROW(skipping.Require("d"), EXMLNodeDoesNotExist);
}

}  // namespace
}  // namespace korvex::xml
