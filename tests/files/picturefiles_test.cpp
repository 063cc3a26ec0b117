#include <gtest/gtest.h>

#include <functional>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/picturefiles.h"
#include "files/sampledocument.h"
#include "model/paths.h"

namespace korvex {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

const std::string kDiskFull =
    "Die Datei konnte nicht geschrieben werden (Fehler: Diskette voll)! Bitte legen Sie eine neue "
    "Diskette ein. Wählen Sie \"Wiederholen\", um diese Datei erneut zu schreiben, \"Ignorieren\", "
    "um diese Datei nicht erneut zu schreiben oder \"Abbruch\", um den Schreibvorgang "
    "abzubrechen!";

// Scripted answers with an action that runs when a question is asked.
class ActingMessages : public test::ScriptedMessages {
 public:
  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons,
                     const std::string& caption) override {
    if (on_question) on_question();
    return ScriptedMessages::Show(kind, text, buttons, caption);
  }
  std::function<void()> on_question;
};

class PictureFilesTest : public ::testing::Test {
 protected:
  std::string P(const std::string& relative) const { return PathText(dir_ / relative); }
  void Make(const std::string& relative, const std::string& content) {
    std::filesystem::create_directories((dir_ / relative).parent_path());
    WriteFileBytes(dir_ / relative, content);
  }
  std::string Content(const std::string& relative) const { return ReadFileBytes(dir_ / relative); }
  bool Exists(const std::string& relative) const { return std::filesystem::exists(dir_ / relative); }

  // A named collection Neu.mvc whose coins refer to the given pictures (avers, revers).
  std::unique_ptr<CollectionDocument> Collection(
      std::initializer_list<std::pair<std::string, std::string>> pictures) {
    auto doc = std::make_unique<CollectionDocument>();
    doc->areas.push_back(std::make_unique<TKategorie>());
    for (const auto& [av, rv] : pictures) {
      auto coin = std::make_unique<TDaten>();
      coin->av_picture = av;
      coin->rv_picture = rv;
      coin->quality = "vz";
      coin->schoen = "S\xF6";
      doc->Append(std::move(coin));
    }
    doc->SetFileName(P("Neu.mvc"));
    doc->has_name = true;
    return doc;
  }

  TempDir dir_;
  ActingMessages messages_;
  test::RecordingProgress progress_;
};

TEST_F(PictureFilesTest, CopyCreatesTheTargetFolder) {
  Make("a.jpg", std::string(100000, 'x') + "Ende");
  EXPECT_EQ(CopyResult::kCopied, CopyPictureFile(P("a.jpg"), P("neu/tief/a.jpg"), messages_));
  EXPECT_EQ(std::string(100000, 'x') + "Ende", Content("neu/tief/a.jpg"));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PictureFilesTest, CopyOntoItselfDoesNothing) {
  Make("a.jpg", "bild");
  EXPECT_EQ(CopyResult::kCopied, CopyPictureFile(P("a.jpg"), P("a.jpg"), messages_));
  EXPECT_EQ(CopyResult::kCopied, CopyPictureFile(P("a.jpg"), P("./a.jpg"), messages_));
  EXPECT_EQ("bild", Content("a.jpg"));
}

TEST_F(PictureFilesTest, FailedCopyAsksAndRetries) {
  messages_.Answer(MessageAnswer::kRetry);
  messages_.on_question = [this] { Make("spaet.jpg", "endlich"); };
  EXPECT_EQ(CopyResult::kCopied, CopyPictureFile(P("spaet.jpg"), P("ziel/spaet.jpg"), messages_));
  EXPECT_EQ("endlich", Content("ziel/spaet.jpg"));
  ASSERT_EQ(1u, messages_.shown().size());
  EXPECT_EQ(kDiskFull, messages_.shown()[0].text);
  EXPECT_EQ(MessageKind::kError, messages_.shown()[0].kind);
  EXPECT_EQ(MessageButtons::kAbortRetryIgnore, messages_.shown()[0].buttons);
}

TEST_F(PictureFilesTest, FailedCopyIgnoredOrAborted) {
  messages_.Answer(MessageAnswer::kIgnore);
  messages_.Answer(MessageAnswer::kAbort);
  EXPECT_EQ(CopyResult::kIgnored, CopyPictureFile(P("fehlt.jpg"), P("ziel/x.jpg"), messages_));
  EXPECT_EQ(CopyResult::kAborted, CopyPictureFile(P("fehlt.jpg"), P("ziel/x.jpg"), messages_));
  EXPECT_FALSE(Exists("ziel/x.jpg"));
}

TEST_F(PictureFilesTest, ReferencesBecomeAbsoluteInTheOldFolder) {
  auto doc = Collection({{"a.jpg", "/woanders/b.jpg"}, {"", "c.jpg"}});
  MakePictureReferencesAbsolute(*doc, "/alt/Sammlung/");
  EXPECT_EQ("/alt/Sammlung/a.jpg", doc->first_coin->av_picture);
  EXPECT_EQ("/woanders/b.jpg", doc->first_coin->rv_picture);
  EXPECT_EQ("", doc->LastCoin()->av_picture);
  EXPECT_EQ("/alt/Sammlung/c.jpg", doc->LastCoin()->rv_picture);
}

TEST_F(PictureFilesTest, TransferCopiesIntoTheNewFolderAndLeavesBareNames) {
  Make("Alt/a.jpg", "A");
  Make("fremd/b.jpg", "B");
  Make("Neu/c.jpg", "C");
  auto doc = Collection({{"a.jpg", P("fremd/b.jpg")}, {P("Neu/c.jpg"), ""}});
  EXPECT_TRUE(TransferPicturesToNewFolder(*doc, P("Alt/"), messages_, progress_));
  EXPECT_EQ("a.jpg", doc->first_coin->av_picture);
  EXPECT_EQ("b.jpg", doc->first_coin->rv_picture);
  EXPECT_EQ("c.jpg", doc->LastCoin()->av_picture);
  EXPECT_EQ("", doc->LastCoin()->rv_picture);
  EXPECT_EQ("A", Content("Neu/a.jpg"));
  EXPECT_EQ("B", Content("Neu/b.jpg"));
  EXPECT_EQ("A", Content("Alt/a.jpg")) << "the old files stay";
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ((std::vector<std::string>{
                "Suche Bilder. Datensatz 1 von 2. Bitte warten",
                "Kopiere Bild zu Datensatz 1 (Artikel vz S\xC3\xB6)",
                "Aktualisiere Verknüpfung in Datensatz 1 (Artikel vz S\xC3\xB6)",
                "Kopiere Bild zu Datensatz 1 (Artikel vz S\xC3\xB6)",
                "Aktualisiere Verknüpfung in Datensatz 1 (Artikel vz S\xC3\xB6)",
                "Suche Bilder. Datensatz 2 von 2. Bitte warten", ""}),
            progress_.texts)
      << "the picture already in the new folder is not copied";
}

TEST_F(PictureFilesTest, IgnoredPictureKeepsNamingItsOriginal) {
  auto doc = Collection({{"fehlt.jpg", ""}, {"", ""}});
  messages_.Answer(MessageAnswer::kIgnore);
  EXPECT_TRUE(TransferPicturesToNewFolder(*doc, P("Alt/"), messages_, progress_));
  EXPECT_EQ(P("Alt/fehlt.jpg"), doc->first_coin->av_picture);
}

TEST_F(PictureFilesTest, AbortEndsThePassAndKeepsLaterReferences) {
  Make("Alt/b.jpg", "B");
  auto doc = Collection({{"fehlt.jpg", "b.jpg"}, {"b.jpg", ""}});
  messages_.Answer(MessageAnswer::kAbort);
  EXPECT_FALSE(TransferPicturesToNewFolder(*doc, P("Alt/"), messages_, progress_));
  EXPECT_EQ("fehlt.jpg", doc->first_coin->av_picture);
  EXPECT_EQ("b.jpg", doc->first_coin->rv_picture);
  EXPECT_FALSE(Exists("Neu/b.jpg"));
  EXPECT_EQ("", progress_.texts.back()) << "the status line mode ends";
}

TEST_F(PictureFilesTest, AdoptionFollowsThePictureOption) {
  Make("fremd/a.jpg", "A");
  Make("fremd/b.jpg", "B");
  auto doc = Collection({});
  TDaten coin;
  coin.av_picture = P("fremd/a.jpg");
  coin.rv_picture = P("fremd/b.jpg");

  AdoptRecordPictures(coin, *doc, PictureCopyOption::kNever, messages_);
  EXPECT_EQ(P("fremd/a.jpg"), coin.av_picture);
  EXPECT_FALSE(Exists("Neu/a.jpg"));

  messages_.Answer(MessageAnswer::kNo);
  messages_.Answer(MessageAnswer::kYes);
  AdoptRecordPictures(coin, *doc, PictureCopyOption::kAsk, messages_);
  EXPECT_EQ(P("fremd/a.jpg"), coin.av_picture);
  EXPECT_EQ("b.jpg", coin.rv_picture);
  EXPECT_EQ("B", Content("Neu/b.jpg"));
  EXPECT_EQ(
      (std::vector<std::string>{"Soll dieses Bild in das Bilder-Unterverzeichnis der Datendatei kopiert werden? ",
                                "Soll dieses Bild in das Bilder-Unterverzeichnis der Datendatei kopiert werden? "}),
      messages_.texts());

  AdoptRecordPictures(coin, *doc, PictureCopyOption::kAlways, messages_);
  EXPECT_EQ("a.jpg", coin.av_picture);
  EXPECT_EQ("A", Content("Neu/a.jpg"));
  EXPECT_EQ(2u, messages_.shown().size()) << "a bare name is not asked about";
}

TEST_F(PictureFilesTest, AdoptionKeepsPathsWhenTheCopyFailsOrTheCollectionHasNoName) {
  auto doc = Collection({});
  TDaten coin;
  coin.av_picture = P("fehlt/a.jpg");
  messages_.Answer(MessageAnswer::kIgnore);
  AdoptRecordPictures(coin, *doc, PictureCopyOption::kAlways, messages_);
  EXPECT_EQ(P("fehlt/a.jpg"), coin.av_picture);

  Make("fremd/a.jpg", "A");
  coin.av_picture = P("fremd/a.jpg");
  doc->has_name = false;
  AdoptRecordPictures(coin, *doc, PictureCopyOption::kAlways, messages_);
  EXPECT_EQ(P("fremd/a.jpg"), coin.av_picture);
  EXPECT_FALSE(Exists("Neu/a.jpg"));
}

}  // namespace
}  // namespace korvex
