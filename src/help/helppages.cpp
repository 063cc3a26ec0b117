#include "help/helppages.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "help/helptopics.h"
#include "platform/datafolders.h"
#include "platform/filebytes.h"

namespace korvex {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// One start tag: its lower-case name and attributes with their values as written.
struct Tag {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
};

// Reads the tag whose "<" is at `at`; `end` becomes the position after its ">".
Tag ReadTag(std::string_view html, std::size_t at, std::size_t& end) {
  Tag tag;
  std::size_t i = at + 1;
  const std::size_t name_start = i;
  while (i < html.size() && !IsSpace(html[i]) && html[i] != '>' && html[i] != '/') ++i;
  tag.name = Lower(html.substr(name_start, i - name_start));
  while (i < html.size() && html[i] != '>') {
    while (i < html.size() && (IsSpace(html[i]) || html[i] == '/')) ++i;
    const std::size_t key_start = i;
    while (i < html.size() && !IsSpace(html[i]) && html[i] != '=' && html[i] != '>') ++i;
    std::string key = Lower(html.substr(key_start, i - key_start));
    while (i < html.size() && IsSpace(html[i])) ++i;
    std::string value;
    if (i < html.size() && html[i] == '=') {
      ++i;
      while (i < html.size() && IsSpace(html[i])) ++i;
      if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
        const char quote = html[i++];
        const std::size_t close = html.find(quote, i);
        const std::size_t stop = close == std::string_view::npos ? html.size() : close;
        value = html.substr(i, stop - i);
        i = stop < html.size() ? stop + 1 : stop;
      } else {
        const std::size_t value_start = i;
        while (i < html.size() && !IsSpace(html[i]) && html[i] != '>') ++i;
        value = html.substr(value_start, i - value_start);
      }
    }
    if (!key.empty()) tag.attributes.emplace_back(std::move(key), std::move(value));
  }
  end = i < html.size() ? i + 1 : i;
  return tag;
}

std::optional<std::string> Attribute(const Tag& tag, std::string_view key) {
  for (const auto& [name, value] : tag.attributes) {
    if (name == key) return value;
  }
  return std::nullopt;
}

void DecodeEntity(std::string& text, std::string_view entity, std::string_view character) {
  for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at)) {
    text.replace(at, entity.size(), character);
    at += character.size();
  }
}

// The text between `from` and the next closing tag `</name>`, tags removed, blanks folded.
std::string TextUntilClose(std::string_view html, std::size_t from, std::string_view name) {
  const std::string lower = Lower(html.substr(from));
  const std::size_t close = lower.find("</" + std::string(name));
  const std::string_view inner = html.substr(from, close == std::string::npos ? std::string_view::npos : close);
  std::string text;
  bool in_tag = false;
  for (char c : inner) {
    if (c == '<') in_tag = true;
    else if (c == '>') in_tag = false;
    else if (!in_tag) {
      if (IsSpace(c)) {
        if (!text.empty() && text.back() != ' ') text.push_back(' ');
      } else {
        text.push_back(c);
      }
    }
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  DecodeEntity(text, "&lt;", "<");
  DecodeEntity(text, "&gt;", ">");
  DecodeEntity(text, "&quot;", "\"");
  DecodeEntity(text, "&nbsp;", " ");
  DecodeEntity(text, "&amp;", "&");
  return text;
}

}  // namespace

bool HtmlOutline::HasAnchor(std::string_view anchor) const {
  return std::find(anchors.begin(), anchors.end(), anchor) != anchors.end();
}

HtmlOutline ReadHtmlOutline(std::string_view html) {
  HtmlOutline outline;
  std::size_t at = html.find('<');
  while (at != std::string_view::npos) {
    if (html.substr(at, 4) == "<!--") {
      const std::size_t close = html.find("-->", at);
      if (close == std::string_view::npos) break;
      at = html.find('<', close + 3);
      continue;
    }
    std::size_t end = at;
    const Tag tag = ReadTag(html, at, end);
    const std::optional<std::string> id = Attribute(tag, "id");
    if (id) outline.anchors.push_back(*id);
    if (tag.name == "a") {
      if (const auto name = Attribute(tag, "name")) outline.anchors.push_back(*name);
    }
    if (const auto href = Attribute(tag, "href"); href && tag.name == "a") outline.links.push_back(*href);
    if (tag.name == "title" && outline.title.empty()) outline.title = TextUntilClose(html, end, "title");
    if (tag.name == "h2" && id) outline.sections.push_back({*id, TextUntilClose(html, end, "h2")});
    at = html.find('<', end);
  }
  return outline;
}

HtmlOutline ReadHtmlOutlineOf(const std::filesystem::path& file) {
  const FileBytes read = ReadWholeFile(file);
  return read.ok() ? ReadHtmlOutline(read.bytes) : HtmlOutline{};
}

std::filesystem::path HelpFolder() { return ProgramFolder() / "hilfe"; }

HelpLocation LocateHelpTopic(const std::filesystem::path& folder, int context) {
  HelpLocation location;
  const std::optional<HelpTopic> topic = HelpTopicOf(context);
  std::error_code error;
  if (topic && std::filesystem::is_regular_file(folder / topic->page, error)) {
    location.file = folder / topic->page;
    if (!topic->anchor.empty() && ReadHtmlOutlineOf(location.file).HasAnchor(topic->anchor)) {
      location.anchor = topic->anchor;
    }
    return location;
  }
  location.file = folder / kHelpStartPage;
  location.fell_back = true;
  location.found = std::filesystem::is_regular_file(location.file, error);
  return location;
}

}  // namespace korvex
