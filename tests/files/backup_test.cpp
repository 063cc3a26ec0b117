#include <gtest/gtest.h>

#include <sstream>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/backup.h"
#include "files/collectionfileio.h"
#include "files/fileerrors.h"
#include "files/sampledocument.h"
#include "files/testtools.h"
#include "files/ziparchive.h"
#include "model/paths.h"

namespace korvex {
namespace {

using test::ReadFileBytes;
using test::RunCommand;
using test::ShellQuoted;
using test::TempDir;
using test::WriteFileBytes;

// Lists an archive's entries as "name encrypted-flag" lines, sorted.
std::string Entries(const std::filesystem::path& archive) {
  std::string listing;
  RunCommand("python3 -c 'import sys, zipfile\n"
             "for i in sorted(zipfile.ZipFile(sys.argv[1]).infolist(), key=lambda i: i.filename):\n"
             "    print(i.filename, i.flag_bits & 1, i.compress_type)' " +
                 ShellQuoted(archive.string()),
             &listing);
  return listing;
}

std::string Extract(const std::filesystem::path& archive, const std::string& entry,
                    const std::string& password = "") {
  std::string content;
  const std::string option = password.empty() ? "" : "-P " + ShellQuoted(password) + " ";
  RunCommand("unzip " + option + "-p " + ShellQuoted(archive.string()) + " " + ShellQuoted(entry),
             &content);
  return content;
}

class BackupTest : public ::testing::Test {
 protected:
  BackupTest() {
    std::filesystem::create_directories(dir_ / "Archiv/Sammlung");
    std::filesystem::create_directories(dir_ / "Aussen");
    WriteFileBytes(dir_ / "Archiv/Sammlung/a.jpg", "JPEG a");
    WriteFileBytes(dir_ / "Archiv/Sammlung/b.jpg", "JPEG b");
    WriteFileBytes(dir_ / "Aussen/c.jpg", "JPEG c");
    WriteFileBytes(lookup_, "[Land]\nDeutschland\n");
    doc_ = test::MakeSampleDocument();
    doc_->SetFileName(PathText(dir_ / "Archiv/Sammlung.mvc"));
    doc_->has_name = true;
    TDaten* coin = doc_->first_coin;
    coin->av_picture = "a.jpg";
    coin->rv_picture = PathText(dir_ / "Aussen/c.jpg");
    coin = coin->next;
    coin->av_picture = "   ";
    coin->rv_picture = " b.jpg ";
    coin = coin->next;
    coin->av_picture = "a.jpg";
    coin->rv_picture = "fehlt.jpg";
  }

  void Backup() {
    NoProgress progress;
    WriteBackupArchive(*doc_, PathText(archive_), lookup_, progress);
  }

  // The entry name of the picture outside the collection's folder: its path without the root.
  std::string OutsideEntry() const { return (dir_ / "Aussen/c.jpg").string().substr(1); }

  TempDir dir_;
  std::filesystem::path lookup_ = dir_ / "korvex.ini";
  std::filesystem::path archive_ = dir_ / "Sicherung.zip";
  std::unique_ptr<CollectionDocument> doc_;
};

TEST_F(BackupTest, HoldsTheCollectionTheLookupFileAndEveryPicture) {
  Backup();
  EXPECT_EQ("Sammlung.mvs 0 8\nSammlung/a.jpg 0 8\nSammlung/b.jpg 0 8\nkorvex.ini 0 8\n" +
                OutsideEntry() + " 0 8\n",
            Entries(archive_));
  EXPECT_EQ("JPEG a", Extract(archive_, "Sammlung/a.jpg"));
  EXPECT_EQ("JPEG c", Extract(archive_, OutsideEntry()));
  EXPECT_EQ("[Land]\nDeutschland\n", Extract(archive_, "korvex.ini"));

  // The collection entry opens as a plain collection file.
  WriteFileBytes(dir_ / "Wieder.mvs", Extract(archive_, "Sammlung.mvs"));
  CollectionDocument restored;
  test::ScriptedMessages messages;
  test::ScriptedPasswords passwords;
  NoProgress progress;
  FileServices services{messages, passwords, progress};
  ASSERT_TRUE(OpenCollectionFile(restored, PathText(dir_ / "Wieder.mvs"), services));
  test::ExpectSameContent(*doc_, restored);
}

TEST_F(BackupTest, IsEncryptedWithTheCollectionsPassword) {
  doc_->SetPassword("geheim");
  Backup();
  const std::string listing = Entries(archive_);
  EXPECT_EQ("Sammlung.mvs 1 8\nSammlung/a.jpg 1 8\nSammlung/b.jpg 1 8\nkorvex.ini 1 8\n" +
                OutsideEntry() + " 1 8\n",
            listing);
  EXPECT_EQ("", Extract(archive_, "Sammlung/a.jpg", "falsch"));
  EXPECT_EQ("JPEG a", Extract(archive_, "Sammlung/a.jpg", "geheim"));
}

TEST_F(BackupTest, ReplacesAnOlderArchiveAndLeavesOutMissingFiles) {
  WriteFileBytes(archive_, "alte Sicherung");
  std::filesystem::remove(lookup_);
  doc_->first_coin->rv_picture.clear();
  Backup();
  EXPECT_EQ("Sammlung.mvs 0 8\nSammlung/a.jpg 0 8\nSammlung/b.jpg 0 8\n", Entries(archive_));
}

TEST_F(BackupTest, UnwritableTargetThrows) {
  archive_ = dir_ / "fehlt/Sicherung.zip";
  EXPECT_THROW(Backup(), EKorvexError);
}

TEST_F(BackupTest, NoEntryNameClimbsOutOfTheArchiveFolder) {
  std::filesystem::create_directories(dir_ / "Archiv/Sammlung/Unter");
  WriteFileBytes(dir_ / "geheim.txt", "geheim");
  WriteFileBytes(dir_ / "Archiv/Sammlung/Unter/d.jpg", "JPEG d");
  TDaten* coin = doc_->first_coin;
  coin->av_picture = "Sammlung/../../geheim.txt";
  coin->rv_picture = "Sammlung/Unter/../Unter/./d.jpg";
  coin = coin->next;
  coin->av_picture = "..";
  coin->rv_picture = PathText(dir_ / "Aussen/../geheim.txt");
  coin->next->av_picture.clear();
  coin->next->rv_picture.clear();
  Backup();
  const std::string listing = Entries(archive_);
  std::istringstream lines(listing);
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);) names.push_back(line.substr(0, line.find(' ')));
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_NE('/', name.front());
    EXPECT_EQ(std::string::npos, ("/" + name + "/").find("/../"));
    EXPECT_EQ(std::string::npos, ("/" + name + "/").find("/./"));
  }
  EXPECT_EQ("geheim", Extract(archive_, "geheim.txt"));
  EXPECT_EQ("JPEG d", Extract(archive_, "Sammlung/Unter/d.jpg"));
  const std::string outside = ArchiveEntryName(PathText(dir_ / "geheim.txt"));
  EXPECT_EQ("Sammlung.mvs 0 8\nSammlung/Unter/d.jpg 0 8\ngeheim.txt 0 8\nkorvex.ini 0 8\n" +
                outside + " 0 8\n",
            listing);
}

TEST(ArchiveEntryName, LeavesNoRootDriveOrDotSegments) {
  EXPECT_EQ("a/b.jpg", ArchiveEntryName("a/b.jpg"));
  EXPECT_EQ("b.jpg", ArchiveEntryName("../../b.jpg"));
  EXPECT_EQ("a/c", ArchiveEntryName("a/b/../c"));
  EXPECT_EQ("x/y", ArchiveEntryName("C:\\x\\.\\y"));
  EXPECT_EQ("etc/passwd", ArchiveEntryName("//etc//passwd"));
  EXPECT_EQ("", ArchiveEntryName("a/.."));
  EXPECT_EQ("", ArchiveEntryName("/"));
  EXPECT_EQ("...", ArchiveEntryName("..."));
}

}  // namespace
}  // namespace korvex
