#include "files/xmlnodes.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "files/fileerrors.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/numbertext.h"

namespace korvex::xml {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool HasName(pugi::xml_node node, const char* name) {
  return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

// The first and the last day that the calendar functions handle: 0001-01-01 and 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

void AppendNumberText(pugi::xml_node element, const char* text, size_t size) {
  element.append_child(pugi::node_pcdata).set_value(text, size);
}

}  // namespace

ChildFinder::ChildFinder(pugi::xml_node parent) : parent_(parent), cursor_(parent.first_child()) {}

pugi::xml_node ChildFinder::Find(const char* name) {
  if (passed_over_) return FullSearch(name);
  bool skipped_element = false;
  for (pugi::xml_node node = cursor_; node; node = node.next_sibling()) {
    if (HasName(node, name)) {
      cursor_ = node.next_sibling();
      passed_over_ = skipped_element;
      return node;
    }
    if (node.type() == pugi::node_element) skipped_element = true;
  }
  // Not after the cursor; the children before it were all returned for other names.
  return pugi::xml_node();
}

pugi::xml_node ChildFinder::FullSearch(const char* name) const {
  for (pugi::xml_node node = parent_.first_child(); node; node = node.next_sibling()) {
    if (HasName(node, name)) return node;
  }
  return pugi::xml_node();
}

pugi::xml_node ChildFinder::Require(const char* name) {
  pugi::xml_node node = Find(name);
  if (!node) throw EXMLNodeDoesNotExist(std::string("Node ") + name + " does not exist");
  return node;
}

pugi::xml_attribute RequireAttribute(pugi::xml_node node, const char* name) {
  if (!node) throw EXMLNodeDoesNotExist("ERROR: Node is nil");
  pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) throw EXMLAttributeDoesNotExist(std::string("Attribute ") + name + " does not exist");
  return attribute;
}

bool YesNoValue(const char* value) { return std::strcmp(value, "no") != 0; }

int32_t WholeNumber(std::string_view text) {
  int value = 0;
  if (!ParseInt32(text, value)) {
    throw EConvertError("'" + std::string(text) + "' ist kein gültiger Integerwert");
  }
  return value;
}

int64_t WholeNumber64(std::string_view text) {
  long long value = 0;
  if (!ParseInt64(text, value)) {
    throw EConvertError("'" + std::string(text) + "' ist kein gültiger Integerwert");
  }
  return value;
}

double DecimalNumber(std::string_view text) {
  double value = 0;
  return ParseDouble(text, value) ? value : 0.0;
}

double DateValue(pugi::xml_node date) {
  ChildFinder parts(date);
  const int year = WholeNumber(parts.Require("year").child_value());
  const int month = WholeNumber(parts.Require("month").child_value());
  const int day = WholeNumber(parts.Require("day").child_value());
  return DayNumber(year, month, day).value_or(kNoDate);
}

void ReadText(pugi::xml_node element, std::string& target) {
  const std::string_view utf8 = element.child_value();
  if (IsAscii(utf8)) target.assign(utf8);
  else target = Utf8ToWin1252(utf8);
}

std::string TextValue(pugi::xml_node element) {
  std::string text;
  ReadText(element, text);
  return text;
}

std::string AttributeText(pugi::xml_attribute attribute) {
  const std::string_view utf8 = attribute.value();
  return IsAscii(utf8) ? std::string(utf8) : Utf8ToWin1252(utf8);
}

pugi::xml_node AppendText(pugi::xml_node parent, const char* name, std::string_view win1252) {
  pugi::xml_node element = parent.append_child(name);
  if (win1252.empty()) return element;
  pugi::xml_node text = element.append_child(pugi::node_pcdata);
  if (IsAscii(win1252)) {
    text.set_value(win1252.data(), win1252.size());
  } else {
    const std::string utf8 = Win1252ToUtf8(win1252);
    text.set_value(utf8.data(), utf8.size());
  }
  return element;
}

pugi::xml_node AppendWhole(pugi::xml_node parent, const char* name, int64_t value) {
  pugi::xml_node element = parent.append_child(name);
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  AppendNumberText(element, buffer, static_cast<size_t>(result.ptr - buffer));
  return element;
}

std::string FixedText(double value, int decimals) {
  char buffer[400];
  // Adding 0 turns a negative zero into zero, so that nothing is written as "-0.00".
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

pugi::xml_node AppendFixed(pugi::xml_node parent, const char* name, double value, int decimals) {
  pugi::xml_node element = parent.append_child(name);
  const std::string text = FixedText(value, decimals);
  AppendNumberText(element, text.data(), text.size());
  return element;
}

pugi::xml_node AppendSwitch(pugi::xml_node parent, const char* name, bool active) {
  pugi::xml_node element = parent.append_child(name);
  SetAttributeYesNo(element, "active", active);
  return element;
}

pugi::xml_node AppendDate(pugi::xml_node parent, const char* name, double day_number) {
  pugi::xml_node element = parent.append_child(name);
  CalendarDate date;  // 0, 0, 0 for values outside the calendar, the no-date value included
  if (std::isfinite(day_number) && day_number >= kFirstDay && day_number < kLastDay + 1) {
    date = CalendarDateOf(day_number);
  }
  AppendWhole(element, "year", date.year);
  AppendWhole(element, "month", date.month);
  AppendWhole(element, "day", date.day);
  return element;
}

void SetAttributeText(pugi::xml_node node, const char* name, std::string_view win1252) {
  pugi::xml_attribute attribute = node.append_attribute(name);
  if (IsAscii(win1252)) {
    attribute.set_value(win1252.data(), win1252.size());
  } else {
    const std::string utf8 = Win1252ToUtf8(win1252);
    attribute.set_value(utf8.data(), utf8.size());
  }
}

void SetAttributeWhole(pugi::xml_node node, const char* name, int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  node.append_attribute(name).set_value(buffer, static_cast<size_t>(result.ptr - buffer));
}

void SetAttributeYesNo(pugi::xml_node node, const char* name, bool value) {
  node.append_attribute(name).set_value(value ? "yes" : "no");
}

void StringWriter::write(const void* data, size_t size) {
  out_.append(static_cast<const char*>(data), size);
}

}  // namespace korvex::xml
