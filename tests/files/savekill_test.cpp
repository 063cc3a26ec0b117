// Kills a save of a 20,000-coin collection at random moments and checks that the collection file
// always holds a whole collection: the one that was there or the one being saved.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include "cli/documentjson.h"
#include "collectiongenerator.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "files/collectionfileio.h"
#include "files/testtools.h"
#include "files/ziparchive.h"
#include "files/fileerrors.h"
#include "model/paths.h"

namespace korvex {
namespace {

constexpr int kCoins = 20000;
constexpr int kKills = 50;
// After this many kills a save runs to its end and must leave no temporary file behind.
constexpr int kKillsBeforeCleanSave = 10;
constexpr int kNoTrace = 77;

std::string Dump(const CollectionDocument& doc) { return cli::DocumentToJson(doc, nullptr).dump(); }

// The dump of the collection file at `path`, nothing when it does not open.
std::optional<std::string> DumpOfFile(const std::filesystem::path& path) {
  CollectionDocument doc;
  test::ScriptedMessages messages;
  test::ScriptedPasswords passwords;
  NoProgress progress;
  FileServices services{messages, passwords, progress};
  if (!OpenCollectionFile(doc, PathText(path), services)) return std::nullopt;
  return Dump(doc);
}

// The XML document in the collection file at `path`, read through the checked ZIP reader;
// nothing when the archive or its entry is damaged.
std::optional<std::string> XmlOfFile(const std::filesystem::path& path) {
  try {
    return ZipReader(path).Read("mints.xml", "");
  } catch (const EKorvexError&) {
    return std::nullopt;
  }
}

bool Save(CollectionDocument& doc) {
  test::ScriptedMessages messages;
  NoProgress progress;
  return SaveCollectionFile(doc, messages, progress);
}

// The calls of a save that touch the file system, by name; a kill before or after each of them
// is a moment the files must survive.
const std::map<long, const char*>& FileCalls() {
  static const std::map<long, const char*> calls = {
      {SYS_openat, "openat"},     {SYS_write, "write"},         {SYS_fsync, "fsync"},
      {SYS_fdatasync, "fdatasync"}, {SYS_close, "close"},       {SYS_fchmod, "fchmod"},
      {SYS_linkat, "linkat"},     {SYS_renameat, "renameat"},   {SYS_renameat2, "renameat2"},
      {SYS_unlinkat, "unlinkat"}, {SYS_getdents64, "getdents64"},
#ifdef SYS_open
      {SYS_open, "open"},         {SYS_link, "link"},           {SYS_rename, "rename"},
      {SYS_unlink, "unlink"},
#endif
  };
  return calls;
}

// Starts a child that saves `doc`; a traced child stops first, so that the parent can trace it.
pid_t StartSave(CollectionDocument& doc, bool traced) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  if (traced) {
    if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(kNoTrace);
    raise(SIGSTOP);
  }
  _exit(Save(doc) ? 0 : 1);
}

struct Ending {
  pid_t pid = 0;
  bool killed = false;
  bool untraceable = false;
  std::string moment;  // where the kill hit
};

Ending EndingOf(pid_t pid, int status, std::string moment) {
  Ending ending;
  ending.pid = pid;
  ending.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  ending.untraceable = WIFEXITED(status) && WEXITSTATUS(status) == kNoTrace;
  if (ending.killed) ending.moment = std::move(moment);
  return ending;
}

Ending Reap(pid_t pid, std::string moment) {
  int status = 0;
  waitpid(pid, &status, 0);
  return EndingOf(pid, status, std::move(moment));
}

Ending KillAfter(CollectionDocument& doc, std::chrono::microseconds delay) {
  const pid_t pid = StartSave(doc, false);
  std::this_thread::sleep_for(delay);
  kill(pid, SIGKILL);
  return Reap(pid, "nach " + std::to_string(delay.count() / 1000) + " ms");
}

// A number passed where ptrace() takes a pointer-sized word.
void* Word(long value) { return reinterpret_cast<void*>(value); }

// Runs the traced child up to its `stop`-th stop at a file system call (entries and exits count
// apart) and kills it there. `stops` receives the number of such stops it passed.
Ending KillAtFileCall(CollectionDocument& doc, int stop, int& stops) {
  const pid_t pid = StartSave(doc, true);
  int status = 0;
  waitpid(pid, &status, 0);
  stops = 0;
  if (!WIFSTOPPED(status)) return EndingOf(pid, status, {});
  ptrace(PTRACE_SETOPTIONS, pid, nullptr, Word(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
  long call = -1;
  int signal_to_pass = 0;
  for (;;) {
    ptrace(PTRACE_SYSCALL, pid, nullptr, Word(signal_to_pass));
    signal_to_pass = 0;
    waitpid(pid, &status, 0);
    if (!WIFSTOPPED(status)) return EndingOf(pid, status, {});
    if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
      signal_to_pass = WSTOPSIG(status);
      continue;
    }
    __ptrace_syscall_info info{};
    ptrace(PTRACE_GET_SYSCALL_INFO, pid, Word(sizeof info), &info);
    const bool entry = info.op == PTRACE_SYSCALL_INFO_ENTRY;
    if (entry) call = static_cast<long>(info.entry.nr);
    const auto name = FileCalls().find(call);
    if (name == FileCalls().end() || ++stops != stop) continue;
    kill(pid, SIGKILL);
    return Reap(pid, std::string(entry ? "vor " : "nach ") + name->second);
  }
}

// A temporary file that the save of the child `pid` leaves when it is killed.
bool IsTemporaryOf(const std::string& name, pid_t pid) {
  const std::string mark = ".korvex-" + std::to_string(pid) + "-";
  return (name.starts_with("Sammlung.mvc" + mark) ||
          name.starts_with("Sammlung.alteversion.mvc" + mark)) &&
         name.ends_with(".tmp");
}

class SaveKillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) {
      versions_[i] = std::make_unique<CollectionDocument>();
      bench::GenerateCollection(*versions_[i], kCoins, 12, 4711 + i);
      versions_[i]->SetFileName(PathText(file_));
      versions_[i]->has_name = true;
      versions_[i]->compressed = true;
    }
    // What each version reads back as, taken from the file that a save without kill wrote.
    for (int i = 0; i < 2; ++i) {
      ASSERT_TRUE(Save(*versions_[i]));
      dumps_[i] = DumpOfFile(file_).value_or("");
      xml_[i] = XmlOfFile(file_).value_or("");
      ASSERT_EQ(kCoins, versions_[i]->coin_count);
      ASSERT_NE("", dumps_[i]);
    }
    ASSERT_NE(dumps_[0], dumps_[1]);
    current_ = 1;
  }

  // Which version the file at `path` holds; fails the test when it is neither, or damaged. The
  // archive is read and checked entry by entry; its XML document must be one of the two whose
  // reading back was compared with the saved documents. `open` reads the whole file as opening
  // does and compares the dumps besides.
  int VersionIn(const std::filesystem::path& path, const std::string& moment, bool open = false) {
    const std::optional<std::string> xml = XmlOfFile(path);
    EXPECT_TRUE(xml) << path.filename() << " is damaged after the kill " << moment;
    if (!xml) return -1;
    for (int i = 0; i < 2; ++i) {
      if (*xml != xml_[i]) continue;
      if (open) {
        EXPECT_EQ(dumps_[i], DumpOfFile(path).value_or("")) << path.filename();
      }
      return i;
    }
    ADD_FAILURE() << path.filename() << " holds neither version after the kill " << moment;
    return -1;
  }

  // The files beside the collection that are neither it nor its previous version.
  std::vector<std::string> OtherFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      const std::string name = entry.path().filename().string();
      if (name != "Sammlung.mvc" && name != "Sammlung.alteversion.mvc") names.push_back(name);
    }
    return names;
  }

  test::TempDir dir_;
  std::filesystem::path file_ = dir_ / "Sammlung.mvc";
  std::filesystem::path previous_ = dir_ / "Sammlung.alteversion.mvc";
  std::unique_ptr<CollectionDocument> versions_[2];
  std::string dumps_[2];
  std::string xml_[2];
  int current_ = 0;
};

TEST_F(SaveKillTest, FileHoldsTheOldOrTheNewCollectionWheneverTheSaveIsKilled) {
  const char* fixed_seed = std::getenv("KORVEX_KILL_SEED");
  const unsigned seed = fixed_seed ? std::strtoul(fixed_seed, nullptr, 10) : std::random_device{}();
  std::mt19937 random(seed);
  SCOPED_TRACE("KORVEX_KILL_SEED=" + std::to_string(seed));

  // How long a save takes, and how many file system calls it makes.
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Save(*versions_[0]));
  const auto save_time =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  int file_call_stops = 0;
  const bool traceable = !KillAtFileCall(*versions_[1], -1, file_call_stops).untraceable;
  current_ = VersionIn(file_, "(ohne Kill)");
  ASSERT_EQ(1, current_);
  if (traceable) {
    ASSERT_GT(file_call_stops, 10);
  }

  // The stops at file system calls, each hit once before any is hit again.
  std::vector<int> stop_order(static_cast<size_t>(file_call_stops));
  std::iota(stop_order.begin(), stop_order.end(), 1);
  size_t next_stop = stop_order.size();
  int kept_old = 0, complete_new = 0, finished = 0, leftovers = 0;
  std::map<std::string, int> moments;
  std::set<std::string> seen_leftovers;
  for (int kill = 1; kill <= kKills; ++kill) {
    const int next = 1 - current_;
    Ending ending;
    // Every other kill stops the child at one of its file system calls; without tracing (a
    // sandbox that forbids it) all kills are timed.
    if (traceable && kill % 2 == 0) {
      if (next_stop == stop_order.size()) {
        std::shuffle(stop_order.begin(), stop_order.end(), random);
        next_stop = 0;
      }
      int stops = 0;
      ending = KillAtFileCall(*versions_[next], stop_order[next_stop++], stops);
      moments[ending.killed ? ending.moment : "nach dem Ende"]++;
    } else {
      const auto delay = std::chrono::microseconds(
          std::uniform_int_distribution<long>(0, save_time.count() * 6 / 5)(random));
      ending = KillAfter(*versions_[next], delay);
      moments[ending.killed ? "zeitgesteuert" : "nach dem Ende"]++;
    }
    const int now = VersionIn(file_, ending.moment);
    ASSERT_GE(now, 0);
    ASSERT_GE(VersionIn(previous_, ending.moment), 0) << "the previous version is always whole";
    if (!ending.killed) {
      EXPECT_EQ(next, now) << "a save that ran to its end wrote the new collection";
      ++finished;
    } else {
      ++(now == next ? complete_new : kept_old);
    }
    current_ = now;
    for (const std::string& name : OtherFiles()) {
      EXPECT_TRUE(IsTemporaryOf(name, ending.pid) || seen_leftovers.count(name)) << name;
      if (seen_leftovers.insert(name).second) ++leftovers;
    }

    if (kill % kKillsBeforeCleanSave == 0) {
      ASSERT_TRUE(Save(*versions_[1 - current_]));
      current_ = VersionIn(file_, "(Speichern danach)", true);
      VersionIn(previous_, "(Speichern danach)", true);
      EXPECT_EQ(std::vector<std::string>{}, OtherFiles()) << "a save removes what killed saves left";
      seen_leftovers.clear();
    }
  }
  std::cout << kKills << " Kills (Startwert " << seed << "): alte Datei erhalten " << kept_old
            << ", neue Datei vollständig " << complete_new << ", Speichern schon beendet "
            << finished << "; übrig gebliebene temporäre Dateien gesehen " << leftovers
            << "; Speichern dauert " << save_time.count() / 1000 << " ms, " << file_call_stops
            << " Halte an Dateiaufrufen\n";
  for (const auto& [moment, count] : moments) std::cout << "  " << moment << ": " << count << "\n";
  EXPECT_EQ(kKills, kept_old + complete_new + finished);
  EXPECT_GT(kept_old + complete_new, kKills / 2) << "most kills hit a save under way";
}

}  // namespace
}  // namespace korvex
