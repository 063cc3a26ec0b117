#include "files/xmlnodes.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "files/fileerrors.h"
#include "model/codepage.h"
#include "model/numbertext.h"

namespace korvex::xml {
namespace {

// The length of the leading ASCII part of a text, tested eight bytes at a time.
size_t AsciiPrefixLength(std::string_view text) {
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t block;
    std::memcpy(&block, text.data() + i, 8);
    if (block & 0x8080808080808080ULL) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

bool IsAscii(std::string_view text) { return AsciiPrefixLength(text) == text.size(); }

// Converts UTF-8 to Windows-1252 into `target`, reusing its storage. This runs for every text of a
// file, so ASCII is copied whole and Latin-1 letters (U+00A0 to U+00FF, the same byte in
// Windows-1252) are decoded in place; anything else is left to the general conversion.
void AssignWin1252(std::string& target, std::string_view utf8) {
  size_t run = AsciiPrefixLength(utf8);
  if (run == utf8.size()) {
    target.assign(utf8);
    return;
  }
  target.resize(utf8.size());  // one byte per character is never longer than its UTF-8
  char* const out = target.data();
  size_t length = 0;
  size_t i = 0;
  for (;;) {
    std::memcpy(out + length, utf8.data() + i, run);
    length += run;
    i += run;
    if (i == utf8.size()) break;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
    const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
    if ((lead != 0xC2 && lead != 0xC3) || (next & 0xC0) != 0x80 || code < 0xA0) {
      target.resize(length);
      target += Utf8ToWin1252(utf8.substr(i));
      return;
    }
    out[length++] = static_cast<char>(code);
    i += 2;
    run = AsciiPrefixLength(utf8.substr(i));
  }
  target.resize(length);
}

// A decimal whole number with optional sign and surrounding blanks, within `minimum` and
// `maximum`. Written out because every coin holds a dozen of them.
bool ParseWhole(std::string_view text, int64_t minimum, int64_t maximum, int64_t& value) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  const uint64_t limit = negative ? 0 - static_cast<uint64_t>(minimum) : static_cast<uint64_t>(maximum);
  uint64_t magnitude = 0;
  for (const char c : text) {
    const unsigned digit = static_cast<unsigned char>(c) - '0';
    if (digit > 9 || magnitude > (limit - digit) / 10) return false;
    magnitude = magnitude * 10 + digit;
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

// Plain decimals such as "1234.50" with at most 15 digits: the digits as a whole number divided by
// a power of ten is then the correctly rounded value, since both are exact doubles. Other texts
// (exponents, long numbers) return false and take the general parser.
bool ParsePlainDecimal(std::string_view text, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (const char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    const unsigned digit = static_cast<unsigned char>(c) - '0';
    if (digit > 9 || ++count > 15) return false;
    digits = digits * 10 + digit;
    if (decimals >= 0) ++decimals;
  }
  if (count == 0) return false;
  const double magnitude = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

[[noreturn]] void ThrowNotWhole(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' ist kein gültiger Integerwert");
}

// Without processing instructions and declarations in the tree (the parser leaves them out), only
// elements have names, so a name test needs no type test.
bool HasName(pugi::xml_node node, const char* name) { return std::strcmp(node.name(), name) == 0; }

}  // namespace

pugi::xml_node ChildFinder::FullSearch(const char* name) const {
  for (pugi::xml_node node = parent_.first_child(); node; node = node.next_sibling()) {
    if (HasName(node, name)) return node;
  }
  return pugi::xml_node();
}

void ChildFinder::ThrowMissing(const char* name) {
  throw EXMLNodeDoesNotExist(std::string("Node ") + name + " does not exist");
}

pugi::xml_attribute RequireAttribute(pugi::xml_node node, const char* name) {
  if (!node) throw EXMLNodeDoesNotExist("ERROR: Node is nil");
  pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) throw EXMLAttributeDoesNotExist(std::string("Attribute ") + name + " does not exist");
  return attribute;
}

bool YesNoValue(const char* value) { return std::strcmp(value, "no") != 0; }

int32_t WholeNumber(std::string_view text) {
  int64_t value = 0;
  if (!ParseWhole(text, INT32_MIN, INT32_MAX, value)) ThrowNotWhole(text);
  return static_cast<int32_t>(value);
}

int64_t WholeNumber64(std::string_view text) {
  int64_t value = 0;
  if (!ParseWhole(text, INT64_MIN, INT64_MAX, value)) ThrowNotWhole(text);
  return value;
}

double DecimalNumber(std::string_view text) {
  double value = 0;
  if (ParsePlainDecimal(text, value)) return value;
  return ParseDouble(text, value) ? value : 0.0;
}

double DateValue(pugi::xml_node date) {
  ChildFinder parts(date);
  const int year = WholeNumber(ElementText(parts.Require("year")));
  const int month = WholeNumber(ElementText(parts.Require("month")));
  const int day = WholeNumber(ElementText(parts.Require("day")));
  return DayNumber(year, month, day).value_or(kNoDate);
}

namespace {

bool IsText(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

}  // namespace

ElementText::ElementText(pugi::xml_node element) {
  const pugi::xml_node first = element.first_child();
  if (!first) return;
  if (IsText(first) && !first.next_sibling()) {
    text_ = first.value();
    return;
  }
  for (pugi::xml_node child = first; child; child = child.next_sibling()) {
    if (IsText(child)) joined_ += child.value();
  }
  text_ = joined_;
}

void ReadText(pugi::xml_node element, std::string& target) {
  AssignWin1252(target, ElementText(element));
}

std::string AttributeText(pugi::xml_attribute attribute) {
  std::string text;
  AssignWin1252(text, attribute.value());
  return text;
}

namespace {

// Converts Windows-1252 to UTF-8 into `utf8`, which keeps its storage from text to text. Letters
// from 0xA0 on are the code points of the same number; the 0x80 to 0x9F block has its own table.
void ConvertToUtf8(std::string_view win1252, std::string& utf8) {
  utf8.clear();
  size_t i = 0;
  while (i < win1252.size()) {
    const size_t run = AsciiPrefixLength(win1252.substr(i));
    utf8.append(win1252.data() + i, run);
    i += run;
    if (i == win1252.size()) break;
    const auto byte = static_cast<unsigned char>(win1252[i++]);
    if (byte >= 0xA0) {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    } else {
      utf8 += Win1252ToUtf8(std::string_view(win1252.data() + i - 1, 1));
    }
  }
}

template <typename Target>
void SetConverted(Target target, std::string_view win1252) {
  if (IsAscii(win1252)) {
    target.set_value(win1252.data(), win1252.size());
    return;
  }
  thread_local std::string utf8;
  ConvertToUtf8(win1252, utf8);
  target.set_value(utf8.data(), utf8.size());
}

template <typename Target>
void SetDecimal(Target target, int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  target.set_value(buffer, static_cast<size_t>(result.ptr - buffer));
}

}  // namespace

void SetText(pugi::xml_node text, std::string_view win1252) { SetConverted(text, win1252); }
void SetText(pugi::xml_attribute attribute, std::string_view win1252) {
  SetConverted(attribute, win1252);
}
void SetWhole(pugi::xml_node text, int64_t value) { SetDecimal(text, value); }
void SetWhole(pugi::xml_attribute attribute, int64_t value) { SetDecimal(attribute, value); }

void SetFixed(pugi::xml_node text, double value, int decimals) {
  char buffer[400];
  // Adding 0 turns a negative zero into zero, so that nothing is written as "-0.00".
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) {
    text.set_value("0");
    return;
  }
  text.set_value(buffer, static_cast<size_t>(result.ptr - buffer));
}

pugi::xml_node AppendText(pugi::xml_node parent, const char* name, std::string_view win1252) {
  pugi::xml_node element = parent.append_child(name);
  if (!win1252.empty()) SetText(element.append_child(pugi::node_pcdata), win1252);
  return element;
}

pugi::xml_node AppendWhole(pugi::xml_node parent, const char* name, int64_t value) {
  pugi::xml_node element = parent.append_child(name);
  SetWhole(element.append_child(pugi::node_pcdata), value);
  return element;
}

pugi::xml_node AppendSwitch(pugi::xml_node parent, const char* name, bool active) {
  pugi::xml_node element = parent.append_child(name);
  SetAttributeYesNo(element, "active", active);
  return element;
}

void SetAttributeText(pugi::xml_node node, const char* name, std::string_view win1252) {
  SetText(node.append_attribute(name), win1252);
}

void SetAttributeWhole(pugi::xml_node node, const char* name, int64_t value) {
  SetWhole(node.append_attribute(name), value);
}

void SetAttributeYesNo(pugi::xml_node node, const char* name, bool value) {
  node.append_attribute(name).set_value(value ? "yes" : "no");
}

void StringWriter::write(const void* data, size_t size) {
  out_.append(static_cast<const char*>(data), size);
}

}  // namespace korvex::xml
