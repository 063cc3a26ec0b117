#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvex::cli {

// Wrong usage of a command; reported with exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failure of the work itself (damaged file, missing file, refused password); exit code 1.
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words after the command: positional arguments, "--name value" options and "--flag" switches.
class Arguments {
 public:
  // `with_value` names the options that take a value, `flags` those that take none.
  Arguments(const std::vector<std::string>& words, const std::set<std::string>& with_value,
            const std::set<std::string>& flags);

  const std::vector<std::string>& positional() const { return positional_; }
  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags_.count(name) > 0; }
  bool Help() const { return Flag("--help"); }

  // Requires exactly `count` positional arguments.
  void ExpectPositional(std::size_t count) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

}  // namespace korvex::cli
