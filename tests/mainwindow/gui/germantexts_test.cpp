// With the program's application set-up, Qt's own texts are German: the key names in the menus,
// the standard buttons of message boxes and the file dialogs. The platform adds nothing to the
// window title.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "mainwindow/gui/applicationsetup.h"
#include "mainwindow/gui/qtmessageservice.h"
#include "mainwindow/gui/mainwindowharness.h"

namespace korvex::test {
namespace {

QString Shortcut(THauptfenster& window, const char* command) {
  return window.Action(command)->shortcut().toString(QKeySequence::NativeText);
}

// The texts of the buttons of `box`, without their mnemonic marks, in the order shown.
QStringList ButtonTexts(QDialogButtonBox* box) {
  QStringList texts;
  for (QAbstractButton* button : box->buttons()) texts << button->text().remove('&');
  texts.sort();
  return texts;
}

}  // namespace

class GermanTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*QCoreApplication::instance()); }
  void MenuShortcutsReadInGerman();
  void QuestionButtonsReadInGerman();
  void FileDialogsReadInGerman();
  void PlatformAddsNothingToTheWindowTitle();
};

void GermanTextsTest::MenuShortcutsReadInGerman() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  QCOMPARE(Shortcut(window, "MenuBearbeitenNeu"), QStringLiteral("Einfg"));
  QCOMPARE(Shortcut(window, "MenuBearbeitenLoeschen"), QStringLiteral("Entf"));
  QCOMPARE(Shortcut(window, "MenuBearbeitenAusschneiden"), QStringLiteral("Strg+X"));
  QCOMPARE(Shortcut(window, "MenuKategorieAlleartikel"), QStringLiteral("Strg+A"));
  QCOMPARE(Shortcut(window, "MenuBearbeitenAendern"), QStringLiteral("F12"));
}

void GermanTextsTest::QuestionButtonsReadInGerman() {
  QtMessageService messages;
  QStringList buttons;
  QTimer::singleShot(0, [&buttons] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    buttons = ButtonTexts(box->findChild<QDialogButtonBox*>());
    box->button(QMessageBox::No)->click();
  });
  const MessageAnswer answer = messages.Show(MessageKind::kQuestion, "Die Daten wurden geändert. Möchten Sie sie speichern?",
                                             MessageButtons::kYesNoCancel);
  QCOMPARE(answer, MessageAnswer::kNo);
  QCOMPARE(buttons, (QStringList{"Abbrechen", "Ja", "Nein"}));
}

void GermanTextsTest::FileDialogsReadInGerman() {
  MainWindowHarness harness;
  FileDialogRequest request;
  request.start_folder = harness.folder().string();
  request.filters = {{"Korvex 3", {"*.mvc", "*.mvs"}}};
  QtFileDialogs dialogs;
  const auto look = [](QStringList& buttons, QString& name_label) {
    QTimer::singleShot(0, [&buttons, &name_label] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      buttons = ButtonTexts(dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")));
      name_label = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text().remove('&');
      dialog->reject();
    });
  };
  QStringList buttons;
  QString name_label;
  look(buttons, name_label);
  QVERIFY(!dialogs.ChooseFileToOpen(request));
  QCOMPARE(buttons, (QStringList{"Abbrechen", "Öffnen"}));
  QCOMPARE(name_label, QStringLiteral("Dateiname:"));
  look(buttons, name_label);
  QVERIFY(!dialogs.ChooseFileToSave(request));
  QCOMPARE(buttons, (QStringList{"Abbrechen", "Speichern"}));
}

void GermanTextsTest::PlatformAddsNothingToTheWindowTitle() {
  // Window systems append the application's display name to every title when one is set; while
  // none is set, the display name follows the application name.
  const QString name = QCoreApplication::applicationName();
  QCOMPARE(name, QStringLiteral("Korvex"));
  QCoreApplication::setApplicationName(QStringLiteral("Anders"));
  const QString display_name = QGuiApplication::applicationDisplayName();
  QCoreApplication::setApplicationName(name);
  QCOMPARE(display_name, QStringLiteral("Anders"));

  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  QCOMPARE(window.windowTitle(), QStringLiteral("Korvex - Übersicht über Deutschland - Sammlung"));
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::GermanTextsTest)
#include "germantexts_test.moc"
