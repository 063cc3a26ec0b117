// Saving through the main window when the file cannot be written, and two windows on one
// collection file.
#include <QTest>

#include "common/writeblockers.h"
#include "files/collectionlock.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/samplecollection.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

namespace fs = std::filesystem;

const QString kChanged = QStringLiteral("Geändert");

std::string OpenQuestion(const std::string& name) {
  return "Die Datei " + name +
         " ist bereits in einem anderen Korvex-Fenster geöffnet. Änderungen sind nur dort möglich, "
         "damit keine Daten verloren gehen.\n\nMöchten Sie die Datei schreibgeschützt öffnen?";
}

std::string SaveRefusal(const std::string& name) {
  return "Die Datei " + name +
         " ist in einem anderen Korvex-Fenster geöffnet und wurde deshalb NICHT gespeichert, damit "
         "keine Änderungen überschrieben werden. Bitte speichern Sie unter einem anderen Namen.";
}

// The messages shown so far.
QStringList Texts(const MainWindowHarness& harness) {
  QStringList texts;
  for (const std::string& text : harness.messages.texts()) texts << QString::fromStdString(text);
  return texts;
}

QStringList Only(const std::string& text) { return {QString::fromStdString(text)}; }

std::string CannotSave(const fs::path& file, const std::string& reason) {
  return "Die Datei " + file.string() + " konnte nicht gespeichert werden: " + reason;
}

}  // namespace

class FileSafetyTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadOnlyFileIsKeptAndTheChangesStayMarked();
  void FolderWithoutWritePermissionKeepsTheFile();
  void FullDiskKeepsTheFile();
  void OpenCollectionIsLockedUntilItIsClosed();
  void NoOpensNothingAndKeepsTheShownCollection();
  void YesOpensTheHeldFileWriteProtected();
  void TwoWindowsNeverSaveOverEachOther();
  void HeldFileAtStartAsksToo();

 private:
  // Starts a window on a sample collection in the folder `folder` and marks it changed; the
  // file's path.
  fs::path StartChanged(MainWindowHarness& harness, const std::string& folder = {});
  // Saves the changed document and checks that nothing was written and "Geändert" stays.
  void ExpectSaveRefused(MainWindowHarness& harness, const fs::path& file, const std::string& message);
};

fs::path FileSafetyTest::StartChanged(MainWindowHarness& harness, const std::string& folder) {
  if (!folder.empty()) fs::create_directories(harness.folder() / folder);
  const fs::path file = harness.WriteSample(folder.empty() ? "Sammlung.mvc" : folder + "/Sammlung.mvc");
  THauptfenster& window = harness.Start({file.string()});
  window.SetModified(true);
  return file;
}

void FileSafetyTest::ExpectSaveRefused(MainWindowHarness& harness, const fs::path& file,
                                       const std::string& message) {
  THauptfenster& window = harness.window();
  const std::string before = ReadFileBytes(file);
  Trigger(window, "MenuDateiSpeichern");
  QCOMPARE(Texts(harness), Only(message));
  QCOMPARE(harness.messages.shown().back().kind, MessageKind::kError);
  QVERIFY(ReadFileBytes(file) == before);
  QVERIFY(!fs::exists(file.parent_path() / "Sammlung.alteversion.mvc"));
  QVERIFY(window.Document().modified());
  QCOMPARE(Panel(window, 4), kChanged);
  QVERIFY(Enabled(window, "MenuDateiSpeichern"));
}

void FileSafetyTest::ReadOnlyFileIsKeptAndTheChangesStayMarked() {
  MainWindowHarness harness;
  const fs::path file = StartChanged(harness);
  fs::permissions(file, fs::perms::owner_read);
  ExpectSaveRefused(harness, file, CannotSave(file, "Die Datei ist schreibgeschützt."));
  if (QTest::currentTestFailed()) return;
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  Trigger(harness.window(), "MenuDateiSpeichern");
  QVERIFY(!harness.window().Document().modified());
  QCOMPARE(Panel(harness.window(), 4), QString());
}

void FileSafetyTest::FolderWithoutWritePermissionKeepsTheFile() {
  MainWindowHarness harness;
  const fs::path file = StartChanged(harness, "geschuetzt");
  {
    UnwritableFolder folder(file.parent_path());
    if (!folder.failure().empty()) {
      QSKIP(("no way to protect the folder: " + folder.failure()).c_str());
    }
    ExpectSaveRefused(harness, file, CannotSave(file, "Kein Schreibzugriff."));
    if (QTest::currentTestFailed()) return;
  }
  Trigger(harness.window(), "MenuDateiSpeichern");
  QVERIFY(!harness.window().Document().modified());
}

void FileSafetyTest::FullDiskKeepsTheFile() {
  MainWindowHarness harness;
  const fs::path file = StartChanged(harness);
  {
    FileSizeLimit limit(512);
    ExpectSaveRefused(harness, file, CannotSave(file, "Die Datei ist zu groß."));
    if (QTest::currentTestFailed()) return;
  }
  QVERIFY(fs::directory_iterator(file.parent_path()) != fs::directory_iterator());
  for (const auto& entry : fs::directory_iterator(file.parent_path())) {
    QVERIFY2(!entry.path().string().ends_with(".tmp"), entry.path().c_str());
  }
}

void FileSafetyTest::OpenCollectionIsLockedUntilItIsClosed() {
  MainWindowHarness harness;
  const fs::path file = harness.WriteSample("Sammlung.mvc");
  const fs::path lock_file = harness.folder() / "Sammlung.mvc.lock";
  THauptfenster& window = harness.Start({file.string()});
  QVERIFY(fs::exists(lock_file));
  // Opening the same file again in the same window asks nothing.
  harness.files.Choose(FileChoice{file.string(), 1, false});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(harness.messages.texts().empty());
  QVERIFY(fs::exists(lock_file));
  // Another file takes the lock's place.
  const fs::path other = harness.WriteSample("Andere.mvc");
  harness.files.Choose(FileChoice{other.string(), 1, false});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(!fs::exists(lock_file));
  QVERIFY(fs::exists(harness.folder() / "Andere.mvc.lock"));
  // A file opened write-protected is not locked: it changes nothing.
  harness.files.Choose(FileChoice{file.string(), 1, true});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(!fs::exists(harness.folder() / "Andere.mvc.lock"));
  QVERIFY(!fs::exists(lock_file));
  harness.files.Choose(FileChoice{other.string(), 1, false});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(harness.Close());
  QVERIFY(!fs::exists(harness.folder() / "Andere.mvc.lock"));
}

void FileSafetyTest::NoOpensNothingAndKeepsTheShownCollection() {
  MainWindowHarness harness;
  const fs::path shown = harness.WriteSample("Sammlung.mvc");
  const fs::path held = harness.WriteSample("Münzen.mvc");
  CollectionLock other;
  QCOMPARE(other.Acquire(PathText(held)), CollectionLock::Outcome::kLocked);
  THauptfenster& window = harness.Start({shown.string()});
  window.SetModified(true);
  harness.files.Choose(FileChoice{held.string(), 1, false});
  // The question about unsaved changes comes first ("Nein": not saved), then the lock's.
  harness.messages.Answer(MessageAnswer::kNo);
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiOeffnen");
  QCOMPARE(Texts(harness).size(), qsizetype{2});
  QCOMPARE(Texts(harness).back(), QString::fromStdString(OpenQuestion("Münzen.mvc")));
  QCOMPARE(harness.messages.shown().back().buttons, MessageButtons::kYesNo);
  QCOMPARE(window.Document().file_path(), PathText(shown));
  QCOMPARE(window.Document().coin_count, 6);
  QVERIFY(window.Document().writable());
  QVERIFY(window.Document().modified());
  QVERIFY(fs::exists(harness.folder() / "Sammlung.mvc.lock"));
  QVERIFY(harness.messages.AllAnswersUsed());
}

void FileSafetyTest::YesOpensTheHeldFileWriteProtected() {
  MainWindowHarness harness;
  const fs::path held = harness.WriteSample("Sammlung.mvc");
  CollectionLock other;
  QCOMPARE(other.Acquire(PathText(held)), CollectionLock::Outcome::kLocked);
  THauptfenster& window = harness.Start();
  harness.files.Choose(FileChoice{held.string(), 1, false});
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiOeffnen");
  QCOMPARE(Texts(harness), Only(OpenQuestion("Sammlung.mvc")));
  QCOMPARE(window.Document().coin_count, 6);
  QVERIFY(!window.Document().writable());
  QVERIFY(window.windowTitle().endsWith(QStringLiteral("Sammlung [Schreibgeschützt]")));
  window.SetModified(true);
  QVERIFY(!window.Document().modified());
  QVERIFY(!Enabled(window, "MenuDateiSpeichern"));
  // The other program still holds the file; this window took nothing.
  other.Release();
  CollectionLock check;
  QCOMPARE(check.Acquire(PathText(held)), CollectionLock::Outcome::kLocked);
}

void FileSafetyTest::TwoWindowsNeverSaveOverEachOther() {
  MainWindowHarness first;
  MainWindowHarness second;
  ProgramSettings settings;
  settings.Graphik_Copy = PictureCopy::kNever;
  QVERIFY(WriteSettings(second.store(), settings));
  const fs::path file = first.WriteSample("Sammlung.mvc");
  first.Start({file.string()});
  second.messages.Answer(MessageAnswer::kYes);
  THauptfenster& viewer = second.Start({file.string()});
  QCOMPARE(Texts(second), Only(OpenQuestion("Sammlung.mvc")));
  QVERIFY(!viewer.Document().writable());

  // The second window saves under the first one's file: refused, nothing written.
  const std::string before = ReadFileBytes(file);
  second.files.Choose(FileChoice{file.string(), 1, false});
  Trigger(viewer, "MenuDateiSpeichernunter");
  QCOMPARE(Texts(second).back(), QString::fromStdString(SaveRefusal("Sammlung.mvc")));
  QVERIFY(ReadFileBytes(file) == before);
  QVERIFY(!fs::exists(first.folder() / "Sammlung.alteversion.mvc"));
  // Under a name of its own it saves, and now holds that file.
  const fs::path copy = second.folder() / "Kopie.mvc";
  second.files.Choose(FileChoice{copy.string(), 1, false});
  Trigger(viewer, "MenuDateiSpeichernunter");
  QVERIFY(fs::exists(copy));
  QVERIFY(fs::exists(second.folder() / "Kopie.mvc.lock"));
  QCOMPARE(viewer.Document().file_path(), PathText(copy));

  // The first window saves its own file as always.
  first.window().SetModified(true);
  Trigger(first.window(), "MenuDateiSpeichern");
  QVERIFY(!first.window().Document().modified());
  QVERIFY(first.messages.texts().empty());
  QVERIFY(fs::exists(first.folder() / "Sammlung.alteversion.mvc"));
  // Once it has closed, the file is free for the other window.
  QVERIFY(first.Close());
  second.files.Choose(FileChoice{file.string(), 1, false});
  Trigger(viewer, "MenuDateiOeffnen");
  QVERIFY(viewer.Document().writable());
  QCOMPARE(second.messages.texts().size(), size_t{2});
}

void FileSafetyTest::HeldFileAtStartAsksToo() {
  MainWindowHarness harness;
  const fs::path held = harness.WriteSample("Sammlung.mvc");
  CollectionLock other;
  QCOMPARE(other.Acquire(PathText(held)), CollectionLock::Outcome::kLocked);
  harness.messages.Answer(MessageAnswer::kNo);
  harness.files.Cancel();  // the open dialog that follows when nothing was opened
  THauptfenster& window = harness.Start({held.string()});
  QCOMPARE(Texts(harness), Only(OpenQuestion("Sammlung.mvc")));
  QVERIFY(!window.Document().has_name);
  QCOMPARE(window.Document().coin_count, 0);
  QCOMPARE(harness.files.open_requests().size(), size_t{1});
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::FileSafetyTest)
#include "filesafety_test.moc"
