// The help context numbers against the shipped help pages: every number leads to a page and an
// anchor that exist, and every page is listed, titled and linked soundly.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>

#include "help/helppages.h"
#include "help/helptopics.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

// The numbers of the entry dialog's controls and search options, of the dialog itself, of
// "&Hilfethemen" and of "Nummernkreise".
std::vector<int> RequiredContexts() {
  std::vector<int> contexts = {kHelpContents, kHelpEntryDialog, kHelpNumberRanges};
  for (int context = 1001; context <= 1042; ++context) contexts.push_back(context);
  for (int context = 1101; context <= 1105; ++context) contexts.push_back(context);
  return contexts;
}

std::set<std::string> PagesInFolder() {
  std::set<std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(HelpFolder())) {
    if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
  }
  return pages;
}

std::string PageOf(const std::string& link, const std::string& from) {
  const std::string page = link.substr(0, link.find('#'));
  return page.empty() ? from : page;
}

bool IsExternal(const std::string& link) {
  return link.rfind("https://", 0) == 0 || link.rfind("http://", 0) == 0 || link.rfind("mailto:", 0) == 0;
}

TEST(HelpTopicsTest, EveryContextLeadsToAnExistingAnchor) {
  ASSERT_TRUE(fs::is_directory(HelpFolder())) << HelpFolder();
  for (int context : RequiredContexts()) {
    const std::optional<HelpTopic> topic = HelpTopicOf(context);
    ASSERT_TRUE(topic) << context;
    const fs::path page = HelpFolder() / topic->page;
    ASSERT_TRUE(fs::is_regular_file(page)) << context << ": " << page;
    if (!topic->anchor.empty()) {
      EXPECT_TRUE(ReadHtmlOutlineOf(page).HasAnchor(topic->anchor)) << context << ": " << topic->page << '#'
                                                                     << topic->anchor;
    }
    const HelpLocation location = LocateHelpTopic(HelpFolder(), context);
    EXPECT_FALSE(location.fell_back) << context;
    EXPECT_EQ(location.anchor, topic->anchor) << context;
  }
}

TEST(HelpTopicsTest, TableHoldsEachNumberOnceAndNoStrayOnes) {
  const std::vector<int> known = KnownHelpContexts();
  EXPECT_EQ(std::adjacent_find(known.begin(), known.end()), known.end());
  std::vector<int> required = RequiredContexts();
  std::sort(required.begin(), required.end());
  EXPECT_EQ(known, required);
  EXPECT_FALSE(HelpTopicOf(0));
  EXPECT_FALSE(HelpTopicOf(1043));
  EXPECT_EQ(HelpTopicOf(kHelpContents)->page, kHelpStartPage);
}

TEST(HelpTopicsTest, TheContentsListEveryPageOnceUnderItsOwnTitle) {
  std::set<std::string> listed;
  for (const HelpPageEntry& entry : HelpContentsPages()) {
    EXPECT_TRUE(listed.insert(std::string(entry.page)).second) << entry.page;
    const HtmlOutline outline = ReadHtmlOutlineOf(HelpFolder() / entry.page);
    EXPECT_EQ(outline.title, entry.title) << entry.page;
  }
  EXPECT_EQ(listed, PagesInFolder());
  EXPECT_EQ(HelpContentsPages().front().page, kHelpStartPage);
}

TEST(HelpTopicsTest, EveryLinkOfEveryPageResolves) {
  std::map<std::string, HtmlOutline> outlines;
  for (const std::string& page : PagesInFolder()) outlines[page] = ReadHtmlOutlineOf(HelpFolder() / page);
  int links = 0;
  for (const auto& [page, outline] : outlines) {
    for (const std::string& link : outline.links) {
      ++links;
      if (IsExternal(link)) continue;
      const std::string target = PageOf(link, page);
      const auto found = outlines.find(target);
      ASSERT_NE(found, outlines.end()) << page << " links to missing page " << link;
      const std::size_t hash = link.find('#');
      if (hash != std::string::npos) {
        EXPECT_TRUE(found->second.HasAnchor(link.substr(hash + 1))) << page << " links to missing anchor " << link;
      }
    }
  }
  EXPECT_GT(links, 50);
}

TEST(HelpTopicsTest, EveryPageIsReachableFromTheStartPageAndLinksBack) {
  std::set<std::string> reached = {std::string(kHelpStartPage)};
  std::deque<std::string> queue = {std::string(kHelpStartPage)};
  while (!queue.empty()) {
    const std::string page = queue.front();
    queue.pop_front();
    const HtmlOutline outline = ReadHtmlOutlineOf(HelpFolder() / page);
    bool links_home = page == kHelpStartPage;
    for (const std::string& link : outline.links) {
      if (IsExternal(link)) continue;
      const std::string target = PageOf(link, page);
      if (target == kHelpStartPage) links_home = true;
      if (reached.insert(target).second) queue.push_back(target);
    }
    EXPECT_TRUE(links_home) << page << " has no link to the start page";
  }
  EXPECT_EQ(reached, PagesInFolder());
}

}  // namespace
}  // namespace korvex
