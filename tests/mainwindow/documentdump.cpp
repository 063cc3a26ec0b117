#include "mainwindow/documentdump.h"

#include <unordered_map>

#include "cli/documentjson.h"

namespace korvex::test {

std::string DocumentDump(const CollectionDocument& document) {
  std::string dump = cli::DocumentToJson(document, 0).dump(1);
  // The display order as positions in the collection order: "0 1 2 ..." when both agree.
  std::unordered_map<const TDaten*, int> position;
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) position.emplace(coin, position.size());
  dump += "\ndisplay order:";
  for (const TDaten* coin = document.first_shown; coin; coin = coin->display_next) {
    const auto found = position.find(coin);
    dump += found == position.end() ? std::string(" foreign") : " " + std::to_string(found->second);
  }
  const TDaten* last = document.LastCoin();
  dump += "\nlast coin: " + (last && position.count(last) ? std::to_string(position.at(last)) : std::string("none"));
  return dump;
}

std::string ContentDump(const CollectionDocument& document) {
  std::string dump = DocumentDump(document);
  const size_t view = dump.find("\"current_view\"");
  dump.erase(view, dump.find('\n', view) - view);
  return dump;
}

std::string DumpDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  size_t line = 1;
  size_t start = 0;
  for (size_t i = 0; i < std::min(expected.size(), actual.size()) && expected[i] == actual[i]; ++i) {
    if (expected[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  const auto line_of = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
  return "line " + std::to_string(line) + ": expected \"" + line_of(expected) + "\", got \"" + line_of(actual) + "\"";
}

}  // namespace korvex::test
