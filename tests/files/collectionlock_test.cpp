#include <gtest/gtest.h>

#include <signal.h>
#include <utime.h>

#include <QProcess>
#include <chrono>
#include <filesystem>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/collectionlock.h"
#include "model/paths.h"

namespace korvex {
namespace {

using Outcome = CollectionLock::Outcome;

class CollectionLockTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return PathText(dir_ / name); }
  bool LockFileExists(const std::string& name) const {
    return std::filesystem::exists(dir_ / (name + ".lock"));
  }

  test::TempDir dir_;
  test::ScriptedMessages messages_;
};

TEST(LockFilePath, AddsLockToTheWholeName) {
  EXPECT_EQ("/a/Sammlung.mvc.lock", LockFilePath("/a/Sammlung.mvc"));
  EXPECT_EQ("Sammlung.lock", LockFilePath("Sammlung"));
}

TEST_F(CollectionLockTest, LockFileLiesBesideTheCollectionWhileHeld) {
  CollectionLock lock;
  EXPECT_FALSE(lock.Holds(PathOf("Sammlung.mvc")));
  ASSERT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc")));
  EXPECT_TRUE(lock.Holds(PathOf("Sammlung.mvc")));
  EXPECT_TRUE(LockFileExists("Sammlung.mvc"));
  EXPECT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc"))) << "holding it already";
  lock.Release();
  EXPECT_FALSE(lock.Holds(PathOf("Sammlung.mvc")));
  EXPECT_FALSE(LockFileExists("Sammlung.mvc"));
}

TEST_F(CollectionLockTest, SecondLockOnOneFileIsRefusedUntilTheFirstIsGiven) {
  CollectionLock first;
  CollectionLock second;
  ASSERT_EQ(Outcome::kLocked, first.Acquire(PathOf("Sammlung.mvc")));
  EXPECT_EQ(Outcome::kHeldElsewhere, second.Acquire(PathOf("Sammlung.mvc")));
  EXPECT_FALSE(second.Holds(PathOf("Sammlung.mvc")));
  EXPECT_EQ(Outcome::kLocked, second.Acquire(PathOf("Andere.mvc"))) << "other files are free";
  first = CollectionLock();  // giving up by moving an empty lock in
  EXPECT_EQ(Outcome::kLocked, second.Acquire(PathOf("Sammlung.mvc")));
  EXPECT_FALSE(LockFileExists("Andere.mvc")) << "taking a new file gives up the one held before";
}

TEST_F(CollectionLockTest, RefusedLockKeepsTheOneHeldBefore) {
  CollectionLock other;
  CollectionLock lock;
  ASSERT_EQ(Outcome::kLocked, other.Acquire(PathOf("B.mvc")));
  ASSERT_EQ(Outcome::kLocked, lock.Acquire(PathOf("A.mvc")));
  EXPECT_EQ(Outcome::kHeldElsewhere, lock.Acquire(PathOf("B.mvc")));
  EXPECT_TRUE(lock.Holds(PathOf("A.mvc")));
  EXPECT_TRUE(LockFileExists("A.mvc"));
}

TEST_F(CollectionLockTest, MovedLockStaysHeld) {
  CollectionLock lock;
  ASSERT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc")));
  CollectionLock moved = std::move(lock);
  EXPECT_TRUE(moved.Holds(PathOf("Sammlung.mvc")));
  EXPECT_TRUE(LockFileExists("Sammlung.mvc"));
}

TEST_F(CollectionLockTest, FolderWithoutRoomForALockFileHoldsNothing) {
  CollectionLock lock;
  EXPECT_EQ(Outcome::kUnavailable, lock.Acquire(PathOf("fehlt/Sammlung.mvc")));
  EXPECT_FALSE(lock.Holds(PathOf("fehlt/Sammlung.mvc")));
}

TEST_F(CollectionLockTest, OpeningAFreeFileLocksItWithoutAQuestion) {
  CollectionLock lock;
  EXPECT_EQ(OpenMode::kWritable, LockForOpening(lock, PathOf("Sammlung.mvc"), messages_));
  EXPECT_TRUE(lock.Holds(PathOf("Sammlung.mvc")));
  EXPECT_TRUE(messages_.shown().empty());
  // A folder that allows no lock file (a CD) still opens the file.
  CollectionLock elsewhere;
  EXPECT_EQ(OpenMode::kWritable, LockForOpening(elsewhere, PathOf("fehlt/S.mvc"), messages_));
}

TEST_F(CollectionLockTest, OpeningAHeldFileAsksForWriteProtection) {
  CollectionLock other;
  ASSERT_EQ(Outcome::kLocked, other.Acquire(PathOf("Münzen.mvc")));
  CollectionLock lock;
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(OpenMode::kNotOpened, LockForOpening(lock, PathOf("Münzen.mvc"), messages_));
  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(OpenMode::kReadOnly, LockForOpening(lock, PathOf("Münzen.mvc"), messages_));
  EXPECT_FALSE(lock.Holds(PathOf("Münzen.mvc")));
  ASSERT_EQ(2u, messages_.shown().size());
  for (const auto& shown : messages_.shown()) {
    EXPECT_EQ(MessageKind::kQuestion, shown.kind);
    EXPECT_EQ(MessageButtons::kYesNo, shown.buttons);
    EXPECT_EQ(
        "Die Datei Münzen.mvc ist bereits in einem anderen Korvex-Fenster geöffnet. Änderungen "
        "sind nur dort möglich, damit keine Daten verloren gehen.\n\nMöchten Sie die Datei "
        "schreibgeschützt öffnen?",
        shown.text);
  }
}

TEST_F(CollectionLockTest, SavingOverAHeldFileIsRefused) {
  CollectionLock other;
  ASSERT_EQ(Outcome::kLocked, other.Acquire(PathOf("Sammlung.mvc")));
  CollectionLock lock;
  ASSERT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Neu.mvc")));
  EXPECT_FALSE(LockForSaving(lock, PathOf("Sammlung.mvc"), messages_));
  EXPECT_TRUE(lock.Holds(PathOf("Neu.mvc")));
  ASSERT_EQ(1u, messages_.shown().size());
  EXPECT_EQ(MessageKind::kError, messages_.shown()[0].kind);
  EXPECT_EQ("Die Datei Sammlung.mvc ist in einem anderen Korvex-Fenster geöffnet und wurde deshalb "
            "NICHT gespeichert, damit keine Änderungen überschrieben werden. Bitte speichern Sie "
            "unter einem anderen Namen.",
            messages_.texts()[0]);
  EXPECT_TRUE(LockForSaving(lock, PathOf("Frei.mvc"), messages_));
  EXPECT_TRUE(lock.Holds(PathOf("Frei.mvc")));
  EXPECT_EQ(1u, messages_.shown().size());
}

// The lock held by a second, separate program.
class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    process_.start(QStringLiteral(KORVEX_LOCKHOLDER), {QString::fromStdString(path)});
    process_.waitForStarted();
    process_.waitForReadyRead(10000);
    answer_ = process_.readLine().trimmed().toStdString();
  }
  ~LockHolder() {
    if (process_.state() != QProcess::NotRunning) Stop();
  }
  // What the holder made of its attempt: "gesperrt", "besetzt" or "unmöglich".
  const std::string& answer() const { return answer_; }
  // Ends the holder normally: it lets the lock go.
  void Stop() {
    process_.closeWriteChannel();
    process_.waitForFinished(10000);
  }
  // Ends it as a crash would, leaving its lock file behind.
  void Kill() {
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished(10000);
  }

 private:
  QProcess process_;
  std::string answer_;
};

TEST_F(CollectionLockTest, FileHeldByAnotherProgramIsRefusedUntilItLetsGo) {
  LockHolder holder(PathOf("Sammlung.mvc"));
  ASSERT_EQ("gesperrt", holder.answer());
  CollectionLock lock;
  EXPECT_EQ(Outcome::kHeldElsewhere, lock.Acquire(PathOf("Sammlung.mvc")));
  // Hours later the holder still runs: its lock does not grow stale with age.
  const auto hours_ago = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()) - 3 * 3600;
  const utimbuf times{hours_ago, hours_ago};
  ASSERT_EQ(0, utime((dir_ / "Sammlung.mvc.lock").c_str(), &times));
  EXPECT_EQ(Outcome::kHeldElsewhere, lock.Acquire(PathOf("Sammlung.mvc")));
  holder.Stop();
  EXPECT_FALSE(LockFileExists("Sammlung.mvc"));
  EXPECT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc")));
}

TEST_F(CollectionLockTest, LockOfAKilledProgramIsTakenOver) {
  LockHolder holder(PathOf("Sammlung.mvc"));
  ASSERT_EQ("gesperrt", holder.answer());
  holder.Kill();
  ASSERT_TRUE(LockFileExists("Sammlung.mvc")) << "a killed program leaves its lock file";
  CollectionLock lock;
  EXPECT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc")));
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(OpenMode::kWritable, LockForOpening(lock, PathOf("Sammlung.mvc"), messages_));
}

TEST_F(CollectionLockTest, AnotherProgramFindsTheFileThisOneHolds) {
  CollectionLock lock;
  ASSERT_EQ(Outcome::kLocked, lock.Acquire(PathOf("Sammlung.mvc")));
  {
    LockHolder holder(PathOf("Sammlung.mvc"));
    EXPECT_EQ("besetzt", holder.answer());
  }
  EXPECT_TRUE(LockFileExists("Sammlung.mvc")) << "a refused program removes nothing";
  lock.Release();
  LockHolder holder(PathOf("Sammlung.mvc"));
  EXPECT_EQ("gesperrt", holder.answer());
}

}  // namespace
}  // namespace korvex
