// "Speichern unter..." and the text export name their files after the type chosen in the dialog,
// so that every file opens again as what was written.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "cli/documentjson.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/samplecollection.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

namespace fs = std::filesystem;

std::string Dump(const CollectionDocument& doc) { return cli::DocumentToJson(doc, nullptr).dump(1); }

bool IsZipArchive(const fs::path& path) { return ReadFileBytes(path).starts_with("PK\x03\x04"); }

}  // namespace

class SaveAsTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryTypeAndTypedNameReopensAsTheSameDocument();
  void AddedExtensionDoesNotReplaceAFileUnasked();
  void ExportTypeDecidesTheExtension();
  void SaveDialogGivesTheExtensionOfTheTypeChosenInIt();
};

void SaveAsTest::EveryTypeAndTypedNameReopensAsTheSameDocument() {
  struct Case {
    int filter;          // 1 "Korvex 3 (komprimiert)", 2 "Korvex 3 (standard)"
    std::string typed;   // the name typed into the dialog
    std::string written; // the file that results
    bool compressed;
  };
  const Case cases[] = {
      {1, "a", "a.mvc", true},           {2, "b", "b.mvs", false},
      {1, "c.mvc", "c.mvc", true},       {2, "d.mvs", "d.mvs", false},
      {1, "e.mvs", "e.mvs", false},      {2, "f.mvc", "f.mvc", true},
      {1, "G.MVS", "G.MVS", false},      {2, "H.Mvc", "H.Mvc", true},
      {1, "i.2024", "i.2024.mvc", true}, {2, "j.txt", "j.txt.mvs", false},
  };
  MainWindowHarness harness;
  ProgramSettings settings;
  settings.Graphik_Copy = PictureCopy::kNever;
  QVERIFY(WriteSettings(harness.store(), settings));
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  for (const Case& c : cases) {
    const fs::path written = harness.folder() / c.written;
    harness.files.Choose(FileChoice{(harness.folder() / c.typed).string(), c.filter, false});
    Trigger(window, "MenuDateiSpeichernunter");
    QVERIFY2(fs::exists(written), c.written.c_str());
    QCOMPARE(IsZipArchive(written), c.compressed);
    QCOMPARE(window.Document().file_path(), PathText(written));
    QCOMPARE(window.Document().compressed, c.compressed);
    QVERIFY(!window.Document().modified());
    const std::string saved = Dump(window.Document());

    // Reopened through "&Öffnen...", the document is the one that was saved.
    harness.files.Choose(FileChoice{written.string(), 1, false});
    Trigger(window, "MenuDateiOeffnen");
    const std::vector<std::string> messages = harness.messages.texts();
    QVERIFY2(messages.empty(), messages.empty() ? "" : messages.front().c_str());
    QCOMPARE(window.Document().coin_count, 6);
    QCOMPARE(Dump(window.Document()), saved);
  }
  QVERIFY(harness.files.AllAnswersUsed());
}

void SaveAsTest::AddedExtensionDoesNotReplaceAFileUnasked() {
  MainWindowHarness harness;
  ProgramSettings settings;
  settings.Graphik_Copy = PictureCopy::kNever;
  QVERIFY(WriteSettings(harness.store(), settings));
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  const fs::path other = harness.folder() / "Andere.mvc";
  WriteFileBytes(other, "fremd");

  // The dialog asked about "Andere", which did not exist; "Andere.mvc" does.
  harness.files.Choose(FileChoice{(harness.folder() / "Andere").string(), 1, false});
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiSpeichernunter");
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QVERIFY(harness.messages.shown()[0].text.find("ist bereits vorhanden") != std::string::npos);
  QCOMPARE(ReadFileBytes(other), std::string("fremd"));
  QCOMPARE(window.Document().file_title(), std::string("Sammlung"));

  harness.files.Choose(FileChoice{(harness.folder() / "Andere").string(), 1, false});
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiSpeichernunter");
  QVERIFY(IsZipArchive(other));
  QCOMPARE(window.Document().file_title(), std::string("Andere"));
}

void SaveAsTest::ExportTypeDecidesTheExtension() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  const auto export_as = [&](const std::string& typed, int type) {
    harness.files.Choose(FileChoice{(harness.folder() / typed).string(), type, false});
    Trigger(window, "MenuDateiExportierenAlles");
  };
  export_as("liste", 4);
  QVERIFY(fs::exists(harness.folder() / "liste.csv"));
  QVERIFY(!fs::exists(harness.folder() / "liste"));
  QVERIFY(ReadFileBytes(harness.folder() / "liste.csv").find(';') != std::string::npos);
  export_as("tabelle", 1);
  QVERIFY(fs::exists(harness.folder() / "tabelle.txt"));
  QVERIFY(ReadFileBytes(harness.folder() / "tabelle.txt").find('\t') != std::string::npos);
  // A typed extension stays.
  export_as("komma.dat", 2);
  QVERIFY(fs::exists(harness.folder() / "komma.dat"));
}

void SaveAsTest::SaveDialogGivesTheExtensionOfTheTypeChosenInIt() {
  MainWindowHarness harness;
  FileDialogRequest request;
  request.caption = "Speichern unter";
  request.start_folder = harness.folder().string();
  request.filters = {{"Korvex 3 (komprimiert)", {"*.mvc"}}, {"Korvex 3 (standard)", {"*.mvs"}}};
  request.default_extension = "mvc";
  QtFileDialogs dialogs;
  // The user picks the second type in the dialog's list and types a name without extension.
  const auto choose_second_type = [&](const QString& name) {
    QTimer::singleShot(0, [name] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(types && edit);
      types->setFocus();
      QTest::keyClick(types, Qt::Key_Down);
      QCOMPARE(types->currentIndex(), 1);
      edit->setText(name);
      QMetaObject::invokeMethod(dialog, "accept");
    });
  };
  choose_second_type(QStringLiteral("test2"));
  const std::optional<FileChoice> plain = dialogs.ChooseFileToSave(request);
  QVERIFY(plain);
  QCOMPARE(plain->filter_index, 2);
  QCOMPARE(fs::path(plain->path).filename().string(), std::string("test2.mvs"));

  // Without a change of type the first type's extension is added.
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("test1"));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const std::optional<FileChoice> packed = dialogs.ChooseFileToSave(request);
  QVERIFY(packed);
  QCOMPARE(packed->filter_index, 1);
  QCOMPARE(fs::path(packed->path).filename().string(), std::string("test1.mvc"));
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::SaveAsTest)
#include "saveas_test.moc"
