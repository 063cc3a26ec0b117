#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// What the help needs to know of one HTML page: its title, the anchors it offers (id and name
// attributes), the links it holds (href attributes, as written) and its second-level headings
// that carry an id (the sections the contents list shows).
struct HtmlHeading {
  std::string anchor;
  std::string text;  // UTF-8, tags removed, the common entities decoded
};
struct HtmlOutline {
  std::string title;
  std::vector<std::string> anchors;
  std::vector<std::string> links;
  std::vector<HtmlHeading> sections;

  bool HasAnchor(std::string_view anchor) const;
};

HtmlOutline ReadHtmlOutline(std::string_view html);
// The outline of a page file; empty when the file cannot be read.
HtmlOutline ReadHtmlOutlineOf(const std::filesystem::path& file);

// The folder of the help pages: "hilfe" in the program folder.
std::filesystem::path HelpFolder();

// The page file and anchor a help request opens. Unknown numbers and missing pages open the
// start page (`fell_back` tells so); an anchor the page lacks opens the top of the page. When
// even the start page is missing, `file` names it all the same and `found` is false.
struct HelpLocation {
  std::filesystem::path file;
  std::string anchor;
  bool fell_back = false;
  bool found = true;
};
HelpLocation LocateHelpTopic(const std::filesystem::path& folder, int context);

}  // namespace korvex
