// The help window on the shipped pages: topics, contents, history, search in the page, the
// missing help; the host that opens it over the asking window; F1 in a dialog.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "common/tempdir.h"
#include "help/gui/contexthelp.h"
#include "help/gui/helpwindowhost.h"
#include "help/gui/thilfefenster.h"
#include "help/helppages.h"
#include "help/helptopics.h"

using korvex::gui::HelpWindowHost;
using korvex::gui::THilfefenster;

namespace {

QString PageName(const THilfefenster& window) { return window.Seite->source().fileName(); }

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void topicOpensItsPageAtItsAnchor() {
    THilfefenster window(korvex::HelpFolder());
    window.ShowTopic(1021);
    QCOMPARE(PageName(window), QStringLiteral("eingabe.html"));
    QCOMPARE(window.Seite->source().fragment(), QStringLiteral("kaufdatum"));
    QVERIFY(window.Seite->toPlainText().contains(QStringLiteral("Kaufdatum")));
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvex-Hilfe"));
    // The contents mark the page shown, or its section when the anchor heads one.
    QVERIFY(window.Inhalt->currentItem());
    QCOMPARE(window.Inhalt->currentItem()->text(0), QString::fromUtf8("Münzen eingeben"));
    window.ShowTopic(korvex::kHelpNumberRanges);
    QTreeWidgetItem* section = window.Inhalt->currentItem();
    QVERIFY(section && section->parent());
    QCOMPARE(section->text(0), QStringLiteral("Nummernkreise neu zuordnen"));
    QCOMPARE(section->parent()->text(0), QStringLiteral("Sammelgebiete"));
  }

  void contentsListEveryPageWithItsSections() {
    THilfefenster window(korvex::HelpFolder());
    const auto& pages = korvex::HelpContentsPages();
    QCOMPARE(window.Inhalt->topLevelItemCount(), static_cast<int>(pages.size()));
    QCOMPARE(window.Inhalt->topLevelItem(0)->text(0), QString::fromUtf8(pages[0].title.data()));
    int sections = 0;
    for (int i = 0; i < window.Inhalt->topLevelItemCount(); ++i) sections += window.Inhalt->topLevelItem(i)->childCount();
    QVERIFY(sections >= 20);
    // Choosing a page in the contents shows it.
    QTreeWidgetItem* statistics = window.Inhalt->findItems(QStringLiteral("Statistik"), Qt::MatchExactly).value(0);
    QVERIFY(statistics);
    emit window.Inhalt->itemActivated(statistics, 0);
    QCOMPARE(PageName(window), QStringLiteral("statistik.html"));
  }

  void backAndForwardWalkTheHistory() {
    THilfefenster window(korvex::HelpFolder());
    window.ShowTopic(korvex::kHelpContents);
    QVERIFY(!window.Zurueck->isEnabled());
    window.ShowTopic(korvex::kHelpNumberRanges);
    QCOMPARE(PageName(window), QStringLiteral("sammelgebiete.html"));
    QVERIFY(window.Zurueck->isEnabled());
    window.Zurueck->trigger();
    QCOMPARE(PageName(window), QStringLiteral("index.html"));
    QVERIFY(window.Vor->isEnabled());
    window.Vor->trigger();
    QCOMPARE(PageName(window), QStringLiteral("sammelgebiete.html"));
    window.Startseite->trigger();
    QCOMPARE(PageName(window), QStringLiteral("index.html"));
  }

  void searchFindsTextInThePageAndSaysWhenItDoesNot() {
    THilfefenster window(korvex::HelpFolder());
    window.ShowTopic(korvex::kHelpEntryDialog);
    window.Suchtext->setText(QStringLiteral("kaufpreis"));
    QVERIFY(window.FindInPage());
    const int first = window.Seite->textCursor().selectionStart();
    QCOMPARE(window.Seite->textCursor().selectedText().toLower(), QStringLiteral("kaufpreis"));
    QVERIFY(window.FindInPage());
    QVERIFY(window.Seite->textCursor().selectionStart() > first);
    QVERIFY(window.Suchergebnis->text().isEmpty());
    // Backwards from the second hit comes the first one again.
    QVERIFY(window.FindInPage(true));
    QCOMPARE(window.Seite->textCursor().selectionStart(), first);

    window.Suchtext->setText(QStringLiteral("Quetzalcoatl"));
    QVERIFY(!window.FindInPage());
    QVERIFY(window.Suchergebnis->text().contains(QStringLiteral("steht nicht auf dieser Seite")));
  }

  void missingPagesOpenTheStartPageAndMissingHelpSaysSo() {
    korvex::test::TempDir folder;
    korvex::test::WriteFileBytes(folder / "index.html",
                                 "<html><head><title>Start</title></head><body><h1>Startseite</h1></body></html>");
    THilfefenster partial(folder.path());
    partial.ShowTopic(1021);
    QCOMPARE(PageName(partial), QStringLiteral("index.html"));
    QVERIFY(partial.Seite->toPlainText().contains(QStringLiteral("Startseite")));

    THilfefenster none(folder / "fehlt");
    none.ShowTopic(1021);
    QVERIFY(none.Seite->toPlainText().contains(QStringLiteral("Die Hilfe wurde nicht gefunden")));
    QVERIFY(none.Seite->toPlainText().contains(QString::fromStdString((folder / "fehlt" / "index.html").string())));
  }

  void hostOpensOneWindowOverTheMainWindow() {
    QWidget main;
    HelpWindowHost host(&main, korvex::HelpFolder());
    QVERIFY(!HelpWindowHost::WindowOf(&main));
    host.Handler()(korvex::kHelpContents);
    THilfefenster* window = HelpWindowHost::WindowOf(&main);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QCOMPARE(PageName(*window), QStringLiteral("index.html"));
    host.Show(1033);
    QCOMPARE(HelpWindowHost::WindowOf(&main), window);
    QCOMPARE(window->Seite->source().fragment(), QStringLiteral("auflage"));
  }

  void hostOpensTheHelpOverTheModalDialogThatAsks() {
    QWidget main;
    HelpWindowHost host(&main, korvex::HelpFolder());
    QDialog dialog(&main);
    THilfefenster* seen = nullptr;
    QTimer::singleShot(0, [&] {
      // A window that belongs to the modal dialog takes input beside it.
      host.Show(1021);
      seen = HelpWindowHost::WindowOf(&dialog);
      dialog.reject();
    });
    dialog.exec();
    QVERIFY(seen);
    QVERIFY(seen->isWindow());
    QCOMPARE(PageName(*seen), QStringLiteral("eingabe.html"));
    QVERIFY(!HelpWindowHost::WindowOf(&main));
  }

  void f1AsksForTheFocusedControlsContext() {
    QDialog dialog;
    dialog.setProperty("helpContext", 1000);
    auto* with = new QLineEdit(&dialog);
    with->setProperty("helpContext", 1021);
    auto* without = new QPushButton(QStringLiteral("Ohne"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(with);
    layout->addWidget(without);
    std::vector<int> asked;
    korvex::gui::InstallContextHelp(dialog, [&](int context) { asked.push_back(context); });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    with->setFocus();
    QTest::keyClick(with, Qt::Key_F1);
    without->setFocus();
    QTest::keyClick(without, Qt::Key_F1);
    QCOMPARE(asked, (std::vector<int>{1021, 1000}));
    QCOMPARE(korvex::gui::FocusedHelpContext(dialog), 1000);
  }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
