#include "cli/arguments.h"

namespace korvex::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& with_value,
                     const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--help" || word == "-h") {
      flags_.insert("--help");
    } else if (word.rfind("--", 0) == 0 && word.size() > 2) {
      std::string name = word;
      std::optional<std::string> inline_value;
      if (const auto equals = word.find('='); equals != std::string::npos) {
        name = word.substr(0, equals);
        inline_value = word.substr(equals + 1);
      }
      if (with_value.count(name)) {
        if (inline_value) {
          values_[name] = *inline_value;
        } else {
          if (i + 1 >= words.size()) throw UsageError("Option " + name + " braucht einen Wert.");
          values_[name] = words[++i];
        }
      } else if (flags.count(name) && !inline_value) {
        flags_.insert(name);
      } else {
        throw UsageError("Unbekannte Option: " + word);
      }
    } else {
      positional_.push_back(word);
    }
  }
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void Arguments::ExpectPositional(std::size_t count) const {
  if (positional_.size() != count) {
    throw UsageError("Falsche Anzahl von Argumenten (erwartet: " + std::to_string(count) + ").");
  }
}

}  // namespace korvex::cli
