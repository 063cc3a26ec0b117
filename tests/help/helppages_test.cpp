// Reading the outline of help pages and finding the page a help request opens.
#include <gtest/gtest.h>

#include "common/tempdir.h"
#include "help/helppages.h"
#include "help/helptopics.h"

namespace korvex {
namespace {

TEST(HtmlOutlineTest, FindsTitleAnchorsLinksAndSections) {
  const HtmlOutline outline = ReadHtmlOutline(
      "<!DOCTYPE html><HTML><head><meta charset=\"utf-8\"><TITLE>M\xC3\xBCnzen &amp; Bilder</TITLE></head>"
      "<body id=top><!-- <a href=\"versteckt.html\" id=\"nicht\"> -->"
      "<h1>Start</h1><p>Siehe <a HREF='suchen.html#exakt'>Suchen</a> und <a href=\"#unten\">unten</a>.</p>"
      "<h2 id=\"kaufdatum\">Kauf<em>datum</em>\n  und   Preis</h2><h2>ohne Anker</h2>"
      "<a name=\"unten\"></a><dt id='x-1' class=\"feld\">x</dt></body></HTML>");
  EXPECT_EQ(outline.title, "M\xC3\xBCnzen & Bilder");
  EXPECT_EQ(outline.anchors, (std::vector<std::string>{"top", "kaufdatum", "unten", "x-1"}));
  EXPECT_EQ(outline.links, (std::vector<std::string>{"suchen.html#exakt", "#unten"}));
  ASSERT_EQ(outline.sections.size(), 1u);
  EXPECT_EQ(outline.sections[0].anchor, "kaufdatum");
  EXPECT_EQ(outline.sections[0].text, "Kaufdatum und Preis");
  EXPECT_TRUE(outline.HasAnchor("unten"));
  EXPECT_FALSE(outline.HasAnchor("nicht"));
}

TEST(HtmlOutlineTest, BrokenMarkupEndsQuietly) {
  EXPECT_TRUE(ReadHtmlOutline("").anchors.empty());
  const HtmlOutline cut = ReadHtmlOutline("<p id=\"a\">x<a href=\"seite.html");
  EXPECT_EQ(cut.anchors, (std::vector<std::string>{"a"}));
  EXPECT_EQ(cut.links, (std::vector<std::string>{"seite.html"}));
  EXPECT_TRUE(ReadHtmlOutline("<!-- nie geschlossen <a id=\"b\">").anchors.empty());
  EXPECT_TRUE(ReadHtmlOutlineOf("/nicht/vorhanden.html").title.empty());
}

class LocateHelpTopicTest : public ::testing::Test {
 protected:
  void Page(const std::string& name, const std::string& body) {
    test::WriteFileBytes(folder_ / name, "<html><body>" + body + "</body></html>");
  }
  test::TempDir folder_;
};

TEST_F(LocateHelpTopicTest, KnownTopicOpensItsPageAtItsAnchor) {
  Page("index.html", "<h1>Start</h1>");
  Page("eingabe.html", "<dt id=\"kaufdatum\">Kaufdatum</dt>");
  const HelpLocation location = LocateHelpTopic(folder_.path(), 1021);
  EXPECT_EQ(location.file, folder_ / "eingabe.html");
  EXPECT_EQ(location.anchor, "kaufdatum");
  EXPECT_FALSE(location.fell_back);
  EXPECT_TRUE(location.found);
}

TEST_F(LocateHelpTopicTest, MissingAnchorOpensTheTopOfThePage) {
  Page("index.html", "<h1>Start</h1>");
  Page("eingabe.html", "<dt id=\"preis\">Preis</dt>");
  const HelpLocation location = LocateHelpTopic(folder_.path(), 1021);
  EXPECT_EQ(location.file, folder_ / "eingabe.html");
  EXPECT_EQ(location.anchor, "");
  EXPECT_FALSE(location.fell_back);
}

TEST_F(LocateHelpTopicTest, MissingPageOrUnknownNumberOpensTheStartPage) {
  Page("index.html", "<h1>Start</h1>");
  for (int context : {1021, 4711, kHelpNumberRanges}) {
    const HelpLocation location = LocateHelpTopic(folder_.path(), context);
    EXPECT_EQ(location.file, folder_ / "index.html") << context;
    EXPECT_TRUE(location.anchor.empty()) << context;
    EXPECT_TRUE(location.fell_back) << context;
    EXPECT_TRUE(location.found) << context;
  }
}

TEST_F(LocateHelpTopicTest, WithoutAnyPageTheStartPageIsNamedAsNotFound) {
  const HelpLocation location = LocateHelpTopic(folder_ / "hilfe", 1021);
  EXPECT_EQ(location.file, folder_ / "hilfe" / "index.html");
  EXPECT_TRUE(location.fell_back);
  EXPECT_FALSE(location.found);
}

}  // namespace
}  // namespace korvex
