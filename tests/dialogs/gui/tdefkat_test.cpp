// The area definition dialog's suite: one Qt Test class whose cases share the scripted name,
// picture and progress services, so they stay together in one file.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "common/guitesthelpers.h"
#include "common/tempdir.h"
#include "dialogs/areadocument.h"
#include "dialogs/gui/tdefkat.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

using gui::TDefKat;
using test::AddArea;
using test::AddCoin;
using test::ItemsOfArea;
using test::LeaveField;

QStringList ListItems(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

void ReplaceText(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  test::TypeText(edit, text);
}

}  // namespace

class TDefKatTest : public QObject {
  Q_OBJECT

 private:
  test::ScriptedNameAsker names_{"Krause"};
  test::ScriptedIconChooser icons_;
  NoProgress quiet_;

  gui::AreaDialogServices Services() { return {&names_, &icons_, &quiet_}; }

 private slots:
  void init() {
    names_.asked.clear();
    icons_ = {};
  }

  void newCollectionGetsItsFirstAreaAndCurrency() {
    CollectionDocument document("\x80");
    document.currency_symbol = "DM";
    TDefKat dialog(document, nullptr, Services());
    QCOMPARE(ListItems(dialog.KategorieListe), QStringList{"Neues Sammelgebiet"});
    QCOMPARE(dialog.KatKurz->text(), QString("1"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog.ButtonAbbrechen->isHidden());
    QVERIFY(!dialog.WahlWaehrung->isHidden());
    QCOMPARE(dialog.WahlWaehrung->currentText(), QString::fromUtf8("€"));
    QCOMPARE(dialog.WahlWaehrung->findText("EUR") >= 0, true);
    QVERIFY(!dialog.KatAuf->isEnabled());
    QVERIFY(!dialog.KatAb->isEnabled());
    QVERIFY(!dialog.KatLoesch->isEnabled());

    dialog.show();
    ReplaceText(dialog.KatName, "Deutschland");
    QCOMPARE(dialog.KategorieListe->item(0)->text(), QString("Deutschland"));
    LeaveField(dialog.KatName);
    QCOMPARE(dialog.KatKurz->text(), QString("1"));
    QVERIFY(dialog.Buttonerz->isChecked());

    // Without an area the dialog cannot be left but with OK.
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QVERIFY(document.areas.empty());

    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(document.AreaCount(), 1);
    QCOMPARE(document.Area(1)->name, std::string("Deutschland"));
    QCOMPARE(document.Area(1)->short_, std::string("1"));
    QVERIFY(document.Area(1)->icon_button);
    QCOMPARE(document.currency_symbol, std::string("\x80"));
    QVERIFY(document.modified());
  }

  void newCollectionTakesAChangedCurrency() {
    CollectionDocument document("$");
    TDefKat dialog(document, nullptr, Services());
    // The system's symbol is offered first; the box still starts with the euro sign.
    QCOMPARE(dialog.WahlWaehrung->itemText(0), QString("$"));
    QCOMPARE(dialog.WahlWaehrung->currentText(), QString::fromUtf8("€"));
    dialog.WahlWaehrung->setCurrentText("EUR");
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.currency_symbol, std::string("EUR"));
  }

  void emptiedShortNameIsFilledFromTheName() {
    CollectionDocument document;
    TDefKat dialog(document, nullptr, Services());
    dialog.show();
    dialog.KatKurz->selectAll();
    QTest::keyClick(dialog.KatKurz, Qt::Key_Backspace);
    // Without picture and short name there is nothing to show on a toolbar button.
    QVERIFY(!dialog.Buttonerz->isEnabled());
    QVERIFY(!dialog.Buttonerz->isChecked());
    ReplaceText(dialog.KatName, QString::fromUtf8("Österreich"));
    LeaveField(dialog.KatName);
    QCOMPARE(dialog.KatKurz->text(), QString::fromUtf8("Öst"));
    QVERIFY(dialog.Buttonerz->isEnabled());
    QVERIFY(dialog.Buttonerz->isChecked());
    // Only the first leaving counts: a later empty short name stays empty.
    dialog.KatKurz->selectAll();
    QTest::keyClick(dialog.KatKurz, Qt::Key_Backspace);
    LeaveField(dialog.KatName);
    QCOMPARE(dialog.KatKurz->text(), QString());
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->short_, std::string());
    QVERIFY(!document.Area(1)->icon_button);
  }

  void shortNameKeepsThreeCharacters() {
    CollectionDocument document;
    AddArea(document, "A");
    TDefKat dialog(document, nullptr, Services());
    ReplaceText(dialog.KatKurz, "ABCDE");
    QCOMPARE(dialog.KatKurz->text(), QString("ABC"));
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->short_, std::string("ABC"));
  }

  void movingBAboveALetsTheCoinsFollow() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    AddCoin(document, 1, "a1");
    AddCoin(document, 2, "b1");
    AddCoin(document, 2, "b2");
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(!dialog.ButtonAbbrechen->isHidden());
    QVERIFY(dialog.WahlWaehrung->isHidden());
    dialog.KategorieListe->setCurrentRow(1);
    QVERIFY(dialog.KatAuf->isEnabled());
    QVERIFY(!dialog.KatAb->isEnabled());
    QTest::mouseClick(dialog.KatAuf, Qt::LeftButton);
    QCOMPARE(ListItems(dialog.KategorieListe), (QStringList{"B", "A"}));
    QCOMPARE(dialog.KategorieListe->currentRow(), 0);
    QCOMPARE(dialog.KatName->text(), QString("B"));
    QVERIFY(!dialog.KatAuf->isEnabled());
    QVERIFY(dialog.KatAb->isEnabled());
    // A move past the top does nothing.
    dialog.KatAuf->click();
    QCOMPARE(ListItems(dialog.KategorieListe), (QStringList{"B", "A"}));
    QCOMPARE(document.Area(1)->name, std::string("A"));

    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->name, std::string("B"));
    QCOMPARE(document.Area(2)->name, std::string("A"));
    QCOMPARE(ItemsOfArea(document, 1), (std::vector<std::string>{"b1", "b2"}));
    QCOMPARE(ItemsOfArea(document, 2), (std::vector<std::string>{"a1"}));
    QCOMPARE(document.current_view, kAllCoinsView);
  }

  void deletingAnEmptyMiddleArea() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    AddArea(document, "C");
    AddCoin(document, 1, "a1");
    AddCoin(document, 3, "c1");
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(!dialog.KatLoesch->isEnabled());
    QCOMPARE(dialog.NichtloeschText->text(),
             QString::fromUtf8("Diese Kategorie enthält Daten und kann daher nicht gelöscht werden"));
    dialog.KategorieListe->setCurrentRow(1);
    QVERIFY(dialog.KatLoesch->isEnabled());
    QCOMPARE(dialog.NichtloeschText->text(), QString());
    QTest::mouseClick(dialog.KatLoesch, Qt::LeftButton);
    QCOMPARE(ListItems(dialog.KategorieListe), (QStringList{"A", "C"}));
    QCOMPARE(dialog.KategorieListe->currentRow(), 1);
    QCOMPARE(dialog.KatName->text(), QString("C"));
    QVERIFY(!dialog.KatLoesch->isEnabled());
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.AreaCount(), 2);
    QCOMPARE(ItemsOfArea(document, 2), (std::vector<std::string>{"c1"}));
    QCOMPARE(ItemsOfArea(document, 1), (std::vector<std::string>{"a1"}));
  }

  void theLastAreaCannotBeDeleted() {
    CollectionDocument document;
    AddArea(document, "Allein");
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(!dialog.KatLoesch->isEnabled());
    QCOMPARE(dialog.NichtloeschText->text(), QString());
    QTest::mouseClick(dialog.KatNeu, Qt::LeftButton);
    QVERIFY(dialog.KatLoesch->isEnabled());
    QTest::mouseClick(dialog.KatLoesch, Qt::LeftButton);
    QCOMPARE(ListItems(dialog.KategorieListe), QStringList{"Allein"});
    QVERIFY(!dialog.KatLoesch->isEnabled());
  }

  void newAreaShowsTheDefaults() {
    CollectionDocument document;
    TKategorie& area = AddArea(document, "A");
    area.city = true;
    area.quality = false;
    area.icon = "ICO/fehlt.bmp";
    area.SetNumberKind(1, 3);
    area.z_name[0] = "Erhaltung";
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(dialog.FieldBox("KStadt")->isChecked());
    QTest::mouseClick(dialog.KatNeu, Qt::LeftButton);
    QCOMPARE(ListItems(dialog.KategorieListe), (QStringList{"A", "Neues Sammelgebiet"}));
    QCOMPARE(dialog.KategorieListe->currentRow(), 1);
    QCOMPARE(dialog.KatName->text(), QString("Neues Sammelgebiet"));
    QCOMPARE(dialog.KatName->selectedText(), QString("Neues Sammelgebiet"));
    QCOMPARE(dialog.KatKurz->text(), QString("2"));
    QVERIFY(dialog.KatAuf->isEnabled());
    QVERIFY(!dialog.KatAb->isEnabled());
    QVERIFY(dialog.KatLoesch->isEnabled());
    QVERIFY(!dialog.FieldBox("KStadt")->isChecked());
    QVERIFY(dialog.FieldBox("Qualitaet")->isChecked());
    QVERIFY(dialog.Piktogramm->pixmap().isNull());
    QCOMPARE(dialog.NummerWahl[0]->currentIndex(), 0);
    QCOMPARE(dialog.NummerWahl[1]->currentIndex(), 2);
    QCOMPARE(dialog.NummerWahl[2]->currentIndex(), 1);
    QVERIFY(!dialog.NummerWahl[2]->isEnabled());
    QCOMPARE(dialog.ZusatzB[0]->text(), QString("Frei definierbar"));
    QVERIFY(dialog.Buttonerz->isChecked());

    test::TypeText(dialog.KatName, "Schweiz");
    QCOMPARE(dialog.KategorieListe->item(1)->text(), QString("Schweiz"));
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.AreaCount(), 2);
    QCOMPARE(document.Area(2)->name, std::string("Schweiz"));
    QCOMPARE(document.Area(2)->short_, std::string("2"));
    QCOMPARE(document.Area(2)->category, 2);
    QVERIFY(document.Area(2)->icon_button);
    QCOMPARE(document.Area(1)->icon, std::string("ICO/fehlt.bmp"));
  }

  void closingWithoutOkChangesNothing() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    AddCoin(document, 1, "a1");
    TDefKat dialog(document, nullptr, Services());
    dialog.show();
    ReplaceText(dialog.KatName, "Umbenannt");
    ReplaceText(dialog.KatKurz, "U");
    dialog.FieldBox("Qualitaet")->click();
    dialog.FieldBox("Zusatz1")->click();
    ReplaceText(dialog.ZusatzB[0], "Erhaltung");
    dialog.NummerWahl[0]->setCurrentIndex(3);
    emit dialog.NummerWahl[0]->activated(3);
    dialog.KatNeu->click();
    dialog.KategorieListe->setCurrentRow(1);
    dialog.KatAuf->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());

    QCOMPARE(document.AreaCount(), 2);
    const TKategorie& a = *document.Area(1);
    QCOMPARE(a.name, std::string("A"));
    QCOMPARE(a.short_, std::string());
    QVERIFY(a.quality);
    QVERIFY(!a.z_active[0]);
    QCOMPARE(a.z_name[0], std::string());
    QCOMPARE(a.number_kind[0], 0);
    QCOMPARE(document.Area(2)->name, std::string("B"));
    QCOMPARE(ItemsOfArea(document, 1), (std::vector<std::string>{"a1"}));
    QVERIFY(!document.modified());
  }

  void fieldBoxesSetTheAreaFlags() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    TDefKat dialog(document, nullptr, Services());
    dialog.FieldBox("KStadt")->click();
    dialog.FieldBox("Etui")->click();
    dialog.FieldBox("Nummer1")->click();
    QVERIFY(!dialog.NummerWahl[0]->isEnabled());
    dialog.FieldBox("Nummer3")->click();
    QVERIFY(dialog.NummerWahl[2]->isEnabled());
    // Showing another area and coming back shows each area's own flags.
    dialog.KategorieListe->setCurrentRow(1);
    QVERIFY(!dialog.FieldBox("KStadt")->isChecked());
    QVERIFY(dialog.FieldBox("Etui")->isChecked());
    dialog.KategorieListe->setCurrentRow(0);
    QVERIFY(dialog.FieldBox("KStadt")->isChecked());
    QVERIFY(!dialog.FieldBox("Etui")->isChecked());
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    const TKategorie& a = *document.Area(1);
    QVERIFY(a.city);
    QVERIFY(!a.case_);
    QVERIFY(!a.number_active[0]);
    QVERIFY(a.number_active[2]);
    // The kinds in use follow the slots at once: Schön is gone, Jäger (slot 3) is shown.
    QVERIFY(!a.FieldEnabled(kSchoen));
    QVERIFY(a.FieldEnabled(kJaeger));
    QVERIFY(!document.Area(2)->city);
  }

  void diameterPair() {
    CollectionDocument document;
    TKategorie& area = AddArea(document, "A");
    area.diameter_minimum = false;
    area.diameter_maximum = true;
    AddArea(document, "B");
    TDefKat dialog(document, nullptr, Services());
    QCheckBox* diameter = dialog.FieldBox("Durchmesser");
    QCheckBox* maximum = dialog.FieldBox("KDurchmesserMax");
    // A maximum without diameter is neither offered nor shown ticked.
    QVERIFY(!maximum->isEnabled());
    QVERIFY(!maximum->isChecked());

    dialog.KategorieListe->setCurrentRow(1);
    QVERIFY(maximum->isEnabled());
    QVERIFY(maximum->isChecked());
    diameter->click();
    QVERIFY(!maximum->isEnabled());
    QVERIFY(!maximum->isChecked());
    diameter->click();
    QVERIFY(maximum->isEnabled());
    QVERIFY(!maximum->isChecked());
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QVERIFY(document.Area(2)->diameter_minimum);
    QVERIFY(!document.Area(2)->diameter_maximum);
  }

  void captionEditsKeepTheirCaption() {
    CollectionDocument document;
    AddArea(document, "A");
    TDefKat dialog(document, nullptr, Services());
    QLineEdit* caption = dialog.ZusatzB[1];
    QCOMPARE(caption->text(), QString("Frei definierbar"));
    QVERIFY(!caption->isEnabled());
    dialog.FieldBox("Zusatz2")->click();
    QVERIFY(caption->isEnabled());
    ReplaceText(caption, "Wert");
    caption->selectAll();
    QTest::keyClick(caption, Qt::Key_Delete);
    QCOMPARE(caption->text(), QString("Frei definierbar"));
    QCOMPARE(caption->selectedText(), QString("Frei definierbar"));
    // Typing over the selected placeholder gives a new caption.
    test::TypeText(caption, QString::fromUtf8("Größe"));
    QCOMPARE(caption->text(), QString::fromUtf8("Größe"));
    // The caption of an unused extra field cannot be typed into.
    ReplaceText(dialog.ZusatzB[2], "X");
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->z_name[1], std::string("Gr\xF6\xDF" "e"));
    QVERIFY(document.Area(1)->z_active[1]);
    QCOMPARE(document.Area(1)->z_name[2], std::string());
    QVERIFY(!document.Area(1)->z_active[2]);
  }

  void clearedCaptionKeepsThePreviousOne() {
    CollectionDocument document;
    TKategorie& area = AddArea(document, "A");
    area.z_active[0] = true;
    area.z_name[0] = "Erhaltung";
    TDefKat dialog(document, nullptr, Services());
    QCOMPARE(dialog.ZusatzB[0]->text(), QString("Erhaltung"));
    dialog.ZusatzB[0]->selectAll();
    QTest::keyClick(dialog.ZusatzB[0], Qt::Key_Backspace);
    QCOMPARE(dialog.ZusatzB[0]->text(), QString("Frei definierbar"));
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->z_name[0], std::string("Erhaltung"));
  }

  void freeCatalogueNameReachesAllKindLists() {
    CollectionDocument document;
    TKategorie& area = AddArea(document, "A");
    area.number_active[2] = true;
    AddArea(document, "B");
    TDefKat dialog(document, nullptr, Services());
    for (QComboBox* list : dialog.NummerWahl) {
      QCOMPARE(list->count(), 6);
      QCOMPARE(list->itemText(0), QString::fromUtf8("Schön-Nr."));
      QCOMPARE(list->itemText(5), QString("(andere Katalognummer)"));
    }
    dialog.NummerWahl[1]->setCurrentIndex(5);
    emit dialog.NummerWahl[1]->activated(5);
    QCOMPARE(names_.asked, std::vector<std::string>{"(andere Katalognummer)"});
    for (QComboBox* list : dialog.NummerWahl) QCOMPARE(list->itemText(5), QString("Krause"));
    QCOMPARE(dialog.NummerWahl[0]->currentIndex(), 0);
    QCOMPARE(dialog.NummerWahl[1]->currentIndex(), 5);
    QCOMPARE(dialog.NummerWahl[2]->currentIndex(), 1);

    // Another area shows its own catalogue name.
    dialog.KategorieListe->setCurrentRow(1);
    QCOMPARE(dialog.NummerWahl[0]->itemText(5), QString("(andere Katalognummer)"));
    QCOMPARE(dialog.NummerWahl[1]->currentIndex(), 2);
    dialog.NummerWahl[0]->setCurrentIndex(3);
    emit dialog.NummerWahl[0]->activated(3);
    QCOMPARE(names_.asked.size(), std::size_t{1});

    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->other_name, std::string("Krause"));
    QCOMPARE(document.Area(1)->number_kind[1], 5);
    QVERIFY(document.Area(1)->kind_in_use[5]);
    QVERIFY(!document.Area(1)->kind_in_use[2]);
    QCOMPARE(document.Area(2)->number_kind[0], 3);
    QCOMPARE(document.Area(2)->other_name, std::string("(andere Katalognummer)"));
  }

  void iconIsStoredRelativeToTheProgramFolder() {
    test::TempDir program;
    std::filesystem::create_directories(program / "ICO");
    QImage flag(24, 24, QImage::Format_RGB32);
    flag.fill(Qt::red);
    QVERIFY(flag.save(QString::fromStdString((program / "ICO" / "de.bmp").string()), "BMP"));
    qputenv("KORVEX_PROGRAM_DIR", QByteArray::fromStdString(program.path().string()));

    CollectionDocument document;
    AddArea(document, "A");
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(!dialog.SpeedButton2->isEnabled());
    QCOMPARE(dialog.SpeedButton1->toolTip(), QString::fromUtf8("Graphik öffnen"));
    QCOMPARE(dialog.SpeedButton2->toolTip(), QString::fromUtf8("Graphik löschen"));

    // Cancelling the picture dialog changes nothing.
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
    QCOMPARE(icons_.folders, std::vector<std::filesystem::path>{program / "ICO"});
    QVERIFY(dialog.Piktogramm->pixmap().isNull());

    icons_.answer = program / "ICO" / "de.bmp";
    QTest::mouseClick(dialog.SymbolLabel, Qt::LeftButton);
    QCOMPARE(icons_.folders.size(), std::size_t{2});
    QVERIFY(!dialog.Piktogramm->pixmap().isNull());
    QVERIFY(dialog.SpeedButton2->isEnabled());
    QVERIFY(dialog.Buttonerz->isEnabled());
    // With a picture the button needs no short name.
    dialog.Buttonerz->click();
    QVERIFY(dialog.Buttonerz->isChecked());
    ReplaceText(dialog.KatKurz, "");
    QVERIFY(dialog.Buttonerz->isEnabled());
    QVERIFY(dialog.Buttonerz->isChecked());

    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    QVERIFY(dialog.Piktogramm->pixmap().isNull());
    QVERIFY(!dialog.SpeedButton2->isEnabled());
    QVERIFY(!dialog.Buttonerz->isEnabled());
    QVERIFY(!dialog.Buttonerz->isChecked());

    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(1)->icon, std::string("ICO/de.bmp"));
    QVERIFY(!document.Area(1)->icon_button);
    qunsetenv("KORVEX_PROGRAM_DIR");
  }

  void storedIconIsShownAndAMissingOneIsNot() {
    test::TempDir program;
    std::filesystem::create_directories(program / "ICO");
    QImage flag(64, 32, QImage::Format_RGB32);
    flag.fill(Qt::blue);
    QVERIFY(flag.save(QString::fromStdString((program / "ICO" / "at.bmp").string()), "BMP"));
    qputenv("KORVEX_PROGRAM_DIR", QByteArray::fromStdString(program.path().string()));

    CollectionDocument document;
    AddArea(document, "A").icon = "ICO\\at.bmp";
    TKategorie& missing = AddArea(document, "B");
    missing.icon = "ICO/fehlt.bmp";
    TDefKat dialog(document, nullptr, Services());
    QVERIFY(!dialog.Piktogramm->pixmap().isNull());
    // Large pictures are scaled into the picture box.
    QVERIFY(dialog.Piktogramm->pixmap().width() <= dialog.Piktogramm->width());
    dialog.KategorieListe->setCurrentRow(1);
    QVERIFY(dialog.Piktogramm->pixmap().isNull());
    // A stored name without picture still offers the button at first, and removing it is offered.
    QVERIFY(dialog.SpeedButton2->isEnabled());
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(document.Area(2)->icon, std::string("ICO/fehlt.bmp"));
    qunsetenv("KORVEX_PROGRAM_DIR");
  }

  void progressRunsWhileOpeningAndApplying() {
    CollectionDocument document;
    AddArea(document, "A");
    AddCoin(document, 1, "1");
    AddCoin(document, 1, "2");
    test::RecordingProgress progress;
    TDefKat dialog(document, nullptr, {&names_, &icons_, &progress});
    QCOMPARE(progress.texts, (std::vector<std::string>{"Arbeite. Bitte warten...", ""}));
    QCOMPARE(progress.total, 2 + 2);
    progress.position = 0;
    QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    QCOMPARE(progress.total, 1 + 2 + 1);
    QCOMPARE(progress.position, progress.total);
  }
};

}  // namespace korvex

QTEST_MAIN(korvex::TDefKatTest)
#include "tdefkat_test.moc"
