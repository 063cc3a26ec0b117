#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "model/datetime.h"

// DOM helpers of the collection file: finding required and optional children, reading and writing
// texts (Windows-1252 in memory, UTF-8 in the file), switches, whole and fixed-point numbers and
// dates in the file's notation.
namespace korvex::xml {

// The elements of the five extra fields below "extra", in an area and in a coin.
inline constexpr const char* kExtraElements[] = {"z1", "z2", "z3", "z4", "z5"};

// Finds the first child element of a name. Files written by this program list the children in
// the order in which the reader asks for them, so the search resumes after the previous hit and
// usually succeeds at once; it falls back to a full search whenever that could give another
// answer. Each name is to be looked up at most once per parent.
class ChildFinder {
 public:
  explicit ChildFinder(pugi::xml_node parent) : parent_(parent), cursor_(parent.first_child()) {}

  // Inline because the reader calls it for every element of a file.
  pugi::xml_node Find(const char* name) {
    if (passed_over_) return FullSearch(name);
    bool skipped_element = false;
    for (pugi::xml_node node = cursor_; node; node = node.next_sibling()) {
      // The parser leaves out processing instructions and declarations, so only elements have
      // names.
      const char* node_name = node.name();
      if (SameName(node_name, name)) {
        cursor_ = node.next_sibling();
        passed_over_ = skipped_element;
        return node;
      }
      if (*node_name != '\0') skipped_element = true;
    }
    // Not after the cursor; the children before it were all returned for other names.
    return pugi::xml_node();
  }

  // Throws EXMLNodeDoesNotExist when there is no such child.
  pugi::xml_node Require(const char* name) {
    pugi::xml_node node = Find(name);
    if (!node) ThrowMissing(name);
    return node;
  }

 private:
  // Element names are short; comparing them here is cheaper than calling strcmp.
  static bool SameName(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
      ++a;
      ++b;
    }
    return *a == *b;
  }

  pugi::xml_node FullSearch(const char* name) const;
  [[noreturn]] static void ThrowMissing(const char* name);

  pugi::xml_node parent_;
  pugi::xml_node cursor_;
  bool passed_over_ = false;  // an element was skipped, so resuming could miss an earlier match
};

// Throws EXMLNodeDoesNotExist when `node` is missing and EXMLAttributeDoesNotExist when it lacks
// the attribute.
pugi::xml_attribute RequireAttribute(pugi::xml_node node, const char* name);

// Every value except exactly "no" is yes.
bool YesNoValue(const char* value);

// Whole numbers; an invalid text throws EConvertError.
int32_t WholeNumber(std::string_view text);
int64_t WholeNumber64(std::string_view text);

// Fixed-point or exponent notation with a point; empty and malformed texts read as 0.
double DecimalNumber(std::string_view text);

// The day count of a `date` element's `year`, `month` and `day`; kNoDate when they form no valid
// date. Missing children throw EXMLNodeDoesNotExist, non-numbers EConvertError.
double DateValue(pugi::xml_node date);

// An element's whole text: all its text and CDATA children joined, so that
// "abc<![CDATA[<x>]]>def" reads as "abc<x>def". Almost every element holds a single text child,
// which is handed out without copying.
class ElementText {
 public:
  explicit ElementText(pugi::xml_node element);
  ElementText(const ElementText&) = delete;
  ElementText& operator=(const ElementText&) = delete;

  std::string_view view() const { return text_; }
  operator std::string_view() const { return text_; }

 private:
  std::string joined_;
  std::string_view text_;
};

// The element's whole text converted to Windows-1252 into `target`.
void ReadText(pugi::xml_node element, std::string& target);
// An attribute's value converted to Windows-1252.
std::string AttributeText(pugi::xml_attribute attribute);

// Writing. Texts are Windows-1252 and are converted on the way.
pugi::xml_node AppendText(pugi::xml_node parent, const char* name, std::string_view win1252);
pugi::xml_node AppendWhole(pugi::xml_node parent, const char* name, int64_t value);
pugi::xml_node AppendSwitch(pugi::xml_node parent, const char* name, bool active);
void SetAttributeText(pugi::xml_node node, const char* name, std::string_view win1252);
void SetAttributeWhole(pugi::xml_node node, const char* name, int64_t value);
void SetAttributeYesNo(pugi::xml_node node, const char* name, bool value);

// Setting the value of an existing text node or attribute, for elements filled again and again.
void SetText(pugi::xml_node text, std::string_view win1252);
void SetText(pugi::xml_attribute attribute, std::string_view win1252);
void SetWhole(pugi::xml_node text, int64_t value);
void SetWhole(pugi::xml_attribute attribute, int64_t value);
// Fixed-point notation with exactly `decimals` decimals: 12.5 with two is "12.50", -3 "-3.00".
void SetFixed(pugi::xml_node text, double value, int decimals);

// Collects pugixml output in a string.
class StringWriter final : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& out) : out_(out) {}
  void write(const void* data, size_t size) override;

 private:
  std::string& out_;
};

}  // namespace korvex::xml
