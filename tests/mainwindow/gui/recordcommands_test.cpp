// The record commands through the real main window: the entry and price dialogs are worked by
// scripts while they are shown, questions are answered by the scripted message service.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <nlohmann/json.hpp>

#include "cli/clirunner.h"
#include "common/tempdir.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "dialogs/programsettings.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/tpreisfenster.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "model/codepage.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

using gui::TFensterEingabeFenster;
using nlohmann::json;

TFensterEingabeFenster& Entry(QDialog& dialog) { return dynamic_cast<TFensterEingabeFenster&>(dialog); }
TPreisfenster& Price(QDialog& dialog) { return dynamic_cast<TPreisfenster&>(dialog); }

// A started window on the sample collection (areas Deutschland 1-3, Österreich 4-5, Schweiz 6),
// showing area 1.
class Session {
 public:
  explicit Session(PictureCopy pictures = PictureCopy::kNever) {
    ProgramSettings settings;
    settings.Graphik_Copy = pictures;
    WriteSettings(harness.store(), settings);
    path = harness.WriteSample("Sammlung.mvc");
    harness.Start({path.string()});
  }
  THauptfenster& window() { return harness.window(); }
  CollectionDocument& doc() { return harness.window().Document(); }
  TDaten* Find(const std::string& item) {
    for (TDaten* c = doc().first_coin; c; c = c->next) {
      if (c->item == item) return c;
    }
    return nullptr;
  }
  void Select(const std::string& item) {
    TDaten* coin = Find(item);
    if (coin && !InView(*coin)) window().ShowView(coin->category);
    window().SelectCoin(coin);
  }
  bool InView(const TDaten& coin) {
    return doc().current_view == kAllCoinsView || coin.category == doc().current_view;
  }
  void Script(std::function<void(QDialog&)> script) { harness.dialogs.modal_scripts.push_back(std::move(script)); }
  void Run(const char* command) {
    Trigger(window(), command);
    QVERIFY(harness.dialogs.modal_scripts.empty());
    QCOMPARE(harness.dialogs.unscripted_dialogs, 0);
    QCOMPARE(harness.dialogs.unclosed_dialogs, 0);
    QVERIFY(harness.messages.AllAnswersUsed());
  }
  std::string Selected() {
    const TDaten* coin = window().CoinOfRow();
    return coin ? coin->item : std::string("-");
  }

  MainWindowHarness harness;
  std::filesystem::path path;
};

// Entry dialog scripts.
std::function<void(QDialog&)> TypeAndOk(std::function<void(TFensterEingabeFenster&)> type) {
  return [type](QDialog& dialog) {
    TFensterEingabeFenster& entry = Entry(dialog);
    if (type) type(entry);
    entry.EingabeOk->click();
  };
}
std::function<void(QDialog&)> Cancel() {
  return [](QDialog& dialog) { Entry(dialog).EingabeAbbruch->click(); };
}
std::function<void(QDialog&)> SwitchArea(int area_id) {
  return [area_id](QDialog& dialog) {
    TFensterEingabeFenster& entry = Entry(dialog);
    entry.Kategoriewahl->setCurrentIndex(area_id - 1);
    emit entry.Kategoriewahl->activated(area_id - 1);
  };
}

json Dump(const std::filesystem::path& path) {
  const CliResult result = RunCli({"dump", path.string()});
  if (result.exit_code != 0) return json();
  return json::parse(result.out);
}

int CountOf(const json& dump) { return dump.is_object() ? dump["coin_count"].get<int>() : -1; }

}  // namespace

class RecordCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void NewProposesTheNextNumberAndSelectsTheNewCoin();
  void WeitereMuenzeEntersOneMoreCoin();
  void NewCoinSwitchedToAnotherArea();
  void ChangeTakesOverAndMovesTheCoinToTheHead();
  void ChangeWithAreaSwitchLetsTheViewFollow();
  void ChangeContinuesThroughTheFilterOrSaysNotFound();
  void DeleteIsConfirmedByTheDialog();
  void CopyAndPasteInTheSameArea();
  void PasteFromAnotherAreaAsks();
  void PasteIntoAnAreaThatDoesNotExist();
  void PastedPicturesFollowTheOption();
  void CutThenAbbruchKeepsTheCoinAndTheClipboard();
  void PasteOfTwoCoinsAndOfNoCoinData();
  void QuickPriceChange();
  void MenuButtonsAndContextMenuAgree();
  void EverySavedChangeReopensEqual();
};

void RecordCommandsTest::NewProposesTheNextNumberAndSelectsTheNewCoin() {
  Session s;
  s.Find("3")->item = "41";
  s.doc().RecomputeHighestItem();
  QString proposed;
  s.Script(TypeAndOk([&proposed](TFensterEingabeFenster& entry) {
    proposed = entry.EingabeInventarnr->text();
    entry.EingabeInventarnr->setText("100a");
    entry.EingabePraegezahl->setText("5");
  }));
  s.Run("MenuBearbeitenNeu");
  QCOMPARE(proposed, QString("42"));
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Eingabe einer Münze - Deutschland"));
  QCOMPARE(s.doc().coin_count, 7);
  QCOMPARE(s.doc().highest_item, 100);
  QCOMPARE(s.Selected(), std::string("100a"));
  QCOMPARE(s.Find("100a")->numeral, std::string("5"));
  QCOMPARE(s.Find("100a")->category, 1);
  QVERIFY(s.doc().modified());
  QCOMPARE(Panel(s.window(), 4), QString::fromUtf8("Geändert"));

  s.Script(TypeAndOk([&proposed](TFensterEingabeFenster& entry) { proposed = entry.EingabeInventarnr->text(); }));
  s.Run("SpeedNeu");
  QCOMPARE(proposed, QString("101"));
  QCOMPARE(s.doc().coin_count, 8);
  // Abbruch discards the new coin.
  s.Script(Cancel());
  s.Run("DatenPopUpNeu");
  QCOMPARE(s.doc().coin_count, 8);
  QCOMPARE(s.doc().highest_item, 101);
}

void RecordCommandsTest::WeitereMuenzeEntersOneMoreCoin() {
  Session s;
  QStringList proposals;
  s.Script([&proposals](QDialog& dialog) {
    proposals << Entry(dialog).EingabeInventarnr->text();
    Entry(dialog).EingabeNaechster->click();
  });
  s.Script(TypeAndOk([&proposals](TFensterEingabeFenster& entry) {
    proposals << entry.EingabeInventarnr->text();
  }));
  s.Run("MenuBearbeitenNeu");
  QCOMPARE(proposals, QStringList({"7", "8"}));
  QCOMPARE(s.doc().coin_count, 8);
  QCOMPARE(s.Selected(), std::string("8"));
  QVERIFY(s.Find("7") && s.Find("8"));
}

void RecordCommandsTest::NewCoinSwitchedToAnotherArea() {
  Session s;
  s.Script(SwitchArea(2));
  s.Script(TypeAndOk({}));
  s.Run("MenuBearbeitenNeu");
  QCOMPARE(s.harness.dialogs.modal_titles.size(), size_t(2));
  QCOMPARE(s.harness.dialogs.modal_titles[1], QString::fromUtf8("Eingabe einer Münze - Österreich"));
  QVERIFY(s.Find("7"));
  QCOMPARE(s.Find("7")->category, 2);
  QCOMPARE(s.doc().current_view, 1);
}

void RecordCommandsTest::ChangeTakesOverAndMovesTheCoinToTheHead() {
  Session s;
  s.Select("2");
  QString shown;
  s.Script(TypeAndOk([&shown](TFensterEingabeFenster& entry) {
    shown = entry.EingabeInventarnr->text();
    entry.EingabePraegezahl->setText("10");
  }));
  s.Run("MenuBearbeitenAendern");
  QCOMPARE(shown, QString("2"));
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Ändern einer Münze - Deutschland"));
  TDaten* coin = s.Find("2");
  QCOMPARE(coin->numeral, std::string("10"));
  QCOMPARE(coin->change_count, 1);
  QCOMPARE(s.Selected(), std::string("2"));
  QVERIFY(s.doc().modified());
  QCOMPARE(s.doc().coin_count, 6);
  int in_order = 0;
  for (TDaten* c = s.doc().first_coin; c; c = c->next) in_order += c == coin ? 1 : 0;
  QCOMPARE(in_order, 1);

  // Abbruch changes nothing.
  s.window().SetModified(false);
  s.Script(Cancel());
  s.Run("SpeedAendern");
  QCOMPARE(coin->change_count, 1);
  QVERIFY(!s.doc().modified());
}

void RecordCommandsTest::ChangeWithAreaSwitchLetsTheViewFollow() {
  Session s;
  s.Select("1");
  s.Script(SwitchArea(3));
  s.Script(Cancel());
  s.Run("MenuBearbeitenAendern");
  QCOMPARE(s.Find("1")->category, 1);
  QCOMPARE(s.doc().current_view, 1);

  s.Script(SwitchArea(3));
  s.Script(TypeAndOk({}));
  s.Run("MenuBearbeitenAendern");
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Ändern einer Münze - Schweiz"));
  QCOMPARE(s.Find("1")->category, 3);
  QCOMPARE(s.doc().current_view, 3);
  QCOMPARE(s.Selected(), std::string("1"));

  // In the all-coins view the view stays.
  s.window().ShowView(kAllCoinsView);
  s.Select("4");
  s.Script(SwitchArea(1));
  s.Script(TypeAndOk({}));
  s.Run("MenuBearbeitenAendern");
  QCOMPARE(s.Find("4")->category, 1);
  QCOMPARE(s.doc().current_view, kAllCoinsView);
}

void RecordCommandsTest::ChangeContinuesThroughTheFilterOrSaysNotFound() {
  Session s;
  // "Nur Bestand": coin 2 (count 0) is skipped.
  Trigger(s.window(), "MenuExtrasFilterBestand");
  s.Select("1");
  QString second;
  s.Script([](QDialog& dialog) { Entry(dialog).EingabeNaechster->click(); });
  s.Script([&second](QDialog& dialog) {
    second = Entry(dialog).EingabeInventarnr->text();
    Entry(dialog).EingabeNaechster->click();
  });
  s.Run("MenuBearbeitenAendern");
  QCOMPARE(second, QString("3"));
  QCOMPARE(s.Find("1")->change_count, 1);
  QCOMPARE(s.Find("3")->change_count, 1);
  QCOMPARE(s.Find("2")->change_count, 0);
  // After coin 3 area 1 has no further coin in stock.
  QCOMPARE(s.harness.messages.texts().back(), std::string("Artikel nicht gefunden"));
  QCOMPARE(s.harness.messages.shown().back().kind, MessageKind::kWarning);
}

void RecordCommandsTest::DeleteIsConfirmedByTheDialog() {
  Session s;
  s.Select("6");
  s.Script(Cancel());
  s.Run("MenuBearbeitenLoeschen");
  QCOMPARE(s.doc().coin_count, 6);
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Löschen einer Münze - Schweiz"));
  QVERIFY(!s.doc().modified());

  s.Script([](QDialog& dialog) {
    QCOMPARE(Entry(dialog).EingabeOk->text(), QString::fromUtf8("Löschen"));
    Entry(dialog).EingabeOk->click();
  });
  s.Run("SpeedLoeschen");
  QCOMPARE(s.doc().coin_count, 5);
  QVERIFY(!s.Find("6"));
  QCOMPARE(s.doc().highest_item, 5);
  QVERIFY(s.doc().modified());
  QString proposed;
  s.Script(TypeAndOk([&proposed](TFensterEingabeFenster& entry) { proposed = entry.EingabeInventarnr->text(); }));
  s.Run("MenuBearbeitenNeu");
  QCOMPARE(proposed, QString("6"));
}

void RecordCommandsTest::CopyAndPasteInTheSameArea() {
  Session s;
  s.Select("3");
  s.Find("3")->av_motive = Utf8ToWin1252("Adler über Köln");
  Trigger(s.window(), "SpeedKopieren");
  QVERIFY(QGuiApplication::clipboard()->text().startsWith("<deduvidarov><mintlist><mint "));
  Trigger(s.window(), "MenuBearbeitenEinfuegen");
  QCOMPARE(s.doc().coin_count, 7);
  TDaten* copy = s.Find("7");
  QVERIFY(copy);
  QCOMPARE(copy->category, 1);
  QCOMPARE(copy->av_motive, Utf8ToWin1252("Adler über Köln"));
  QCOMPARE(copy->schoen, s.Find("3")->schoen);
  QCOMPARE(copy->catalogue, s.Find("3")->catalogue);
  QCOMPARE(s.Selected(), std::string("7"));
  QVERIFY(s.doc().modified());
  QVERIFY(s.harness.messages.texts().empty());
}

void RecordCommandsTest::PasteFromAnotherAreaAsks() {
  Session s;
  s.Select("4");
  Trigger(s.window(), "MenuBearbeitenKopieren");
  s.window().ShowView(1);
  s.harness.messages.Answer(MessageAnswer::kYes);
  s.Run("SpeedEinfuegen");
  QCOMPARE(s.harness.messages.texts().back(), std::string(kPasteAreaQuestion));
  QCOMPARE(s.Find("7")->category, 1);
  QCOMPARE(s.doc().current_view, 1);

  s.harness.messages.Answer(MessageAnswer::kNo);
  s.Run("SpeedEinfuegen");
  QCOMPARE(s.Find("8")->category, 2);
  QCOMPARE(s.doc().current_view, 2);
  QCOMPARE(s.Selected(), std::string("8"));
  QCOMPARE(s.doc().coin_count, 8);
}

void RecordCommandsTest::PasteIntoAnAreaThatDoesNotExist() {
  Session s;
  std::string text = CoinClipboardText(*s.Find("4"), s.doc());
  text.replace(text.find("category=\"2\""), 12, "category=\"7\"");
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  s.Run("MenuBearbeitenEinfuegen");
  QCOMPARE(s.Find("7")->category, 1);
  s.window().ShowView(kAllCoinsView);
  s.Run("MenuBearbeitenEinfuegen");
  QCOMPARE(s.Find("8")->category, 1);
  QCOMPARE(s.doc().current_view, 1);
  QVERIFY(s.harness.messages.texts().empty());
}

void RecordCommandsTest::PastedPicturesFollowTheOption() {
  TempDir pictures;
  const std::string picture = PathText(pictures / "a.jpg");
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  QVERIFY(image.save(QString::fromStdString(picture), "JPG"));
  for (PictureCopy option : {PictureCopy::kNever, PictureCopy::kAlways}) {
    Session s(option);
    s.Find("1")->av_picture = picture;
    s.Select("1");
    Trigger(s.window(), "MenuBearbeitenKopieren");
    s.Run("MenuBearbeitenEinfuegen");
    const std::string reference = s.Find("7")->av_picture;
    const std::filesystem::path copied = NativePath(s.doc().picture_folder()) / "a.jpg";
    if (option == PictureCopy::kNever) {
      QCOMPARE(reference, picture);
      QVERIFY(!std::filesystem::exists(copied));
    } else {
      QCOMPARE(reference, std::string("a.jpg"));
      QVERIFY(QImage(QString::fromStdString(copied.string())).size() == QSize(8, 8));
    }
  }
}

void RecordCommandsTest::CutThenAbbruchKeepsTheCoinAndTheClipboard() {
  Session s;
  s.Select("2");
  s.Script([](QDialog& dialog) {
    QCOMPARE(Entry(dialog).EingabeOk->text(), QString("Ausschneiden"));
    Entry(dialog).EingabeAbbruch->click();
  });
  s.Run("MenuBearbeitenAusschneiden");
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Ausschneiden einer Münze - Deutschland"));
  QVERIFY(s.Find("2"));
  QCOMPARE(s.doc().coin_count, 6);
  s.Run("MenuBearbeitenEinfuegen");
  QCOMPARE(s.doc().coin_count, 7);
  QCOMPARE(s.Find("7")->schoen, std::string("S2"));

  // Confirmed, the cut removes the coin, which can then be pasted back.
  s.Select("1");
  s.Script(TypeAndOk({}));
  s.Run("SpeedAusschneiden");
  QVERIFY(!s.Find("1"));
  s.Run("MenuBearbeitenEinfuegen");
  QCOMPARE(s.Find("8")->schoen, std::string("S1"));
}

void RecordCommandsTest::PasteOfTwoCoinsAndOfNoCoinData() {
  Session s;
  const std::string one = CoinClipboardText(*s.Find("1"), s.doc());
  const size_t begin = one.find("<mint ");
  const size_t end = one.find("</mintlist>");
  const std::string two = one.substr(0, end) + one.substr(begin, end - begin) + one.substr(end);
  // Another program may hand the text over in Windows-1252.
  auto* data = new QMimeData;
  data->setData("text/plain", QByteArray::fromStdString(Utf8ToWin1252(two)));
  QGuiApplication::clipboard()->setMimeData(data);
  s.Run("MenuBearbeitenEinfuegen");
  QCOMPARE(s.doc().coin_count, 8);
  QVERIFY(s.Find("7") && s.Find("8"));

  for (const char* text : {"", "Hallo", "<deduvidarov/>"}) {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
    s.Run("MenuBearbeitenEinfuegen");
    QCOMPARE(s.harness.messages.texts().back(), std::string(kNoCoinsOnClipboard));
    QCOMPARE(s.harness.messages.shown().back().kind, MessageKind::kError);
  }
  QCOMPARE(s.doc().coin_count, 8);
}

void RecordCommandsTest::QuickPriceChange() {
  Session s;
  TDaten* coin = s.Find("1");
  coin->catalogue = 12.5;
  s.Select("1");
  QString shown;
  s.Script([&shown](QDialog& dialog) {
    shown = Price(dialog).Preis->text();
    QVERIFY(Price(dialog).Naechste->isEnabled());
    QCOMPARE(Price(dialog).Preis->selectedText(), shown);
    Price(dialog).OK->click();
  });
  s.Run("MenuBearbeitenPreisaendern");
  QCOMPARE(shown, QString("12,50"));
  QCOMPARE(s.harness.dialogs.modal_titles.back(), QString::fromUtf8("Preis ändern"));
  QCOMPARE(coin->catalogue, 12.5);
  QVERIFY(s.doc().modified());

  QString next_price;
  s.Script([](QDialog& dialog) {
    Price(dialog).Preis->setText("1.234,5");
    Price(dialog).Naechste->click();
  });
  s.Script([&next_price](QDialog& dialog) {
    next_price = Price(dialog).Preis->text();
    Price(dialog).Schaetzwert->setText("7,25");
    Price(dialog).Abbruch->click();
  });
  s.Run("MenuBearbeitenPreisaendern");
  QCOMPARE(coin->catalogue, 1234.5);
  QCOMPARE(next_price, QString("4,00"));  // coin 2
  QCOMPARE(s.Find("2")->estimate, 0.0);    // Abbruch kept it
  QCOMPARE(s.Selected(), std::string("2"));

  // Coin 6 is the last of the collection order.
  s.Select("6");
  bool next_enabled = true;
  s.Script([&next_enabled](QDialog& dialog) {
    next_enabled = Price(dialog).Naechste->isEnabled();
    Price(dialog).Schaetzwert->setText("3'5");
    Price(dialog).OK->click();
  });
  s.Run("MenuBearbeitenPreisaendern");
  QVERIFY(!next_enabled);
  QCOMPARE(s.Find("6")->estimate, 3.5);
}

void RecordCommandsTest::MenuButtonsAndContextMenuAgree() {
  const std::vector<std::vector<const char*>> groups = {
      {"MenuBearbeitenNeu", "SpeedNeu", "DatenPopUpNeu"},
      {"MenuBearbeitenAendern", "SpeedAendern", "DatenPopUpAendern", "MenuBearbeitenPreisaendern"},
      {"MenuBearbeitenLoeschen", "SpeedLoeschen", "DatenPopUpLoeschen", "MenuBearbeitenAusschneiden",
       "SpeedAusschneiden"},
      {"MenuBearbeitenKopieren", "SpeedKopieren"},
      {"MenuBearbeitenEinfuegen", "SpeedEinfuegen"},
  };
  Session s;
  auto states = [&] {
    std::vector<bool> result;
    for (const auto& group : groups) {
      for (const char* name : group) {
        if (Enabled(s.window(), name) != Enabled(s.window(), group.front())) {
          qWarning("%s disagrees with %s", name, group.front());
        }
      }
      for (const char* name : group) result.push_back(Enabled(s.window(), name));
    }
    return result;
  };
  auto expect = [&](std::vector<bool> per_group) {
    std::vector<bool> expected;
    for (size_t g = 0; g < groups.size(); ++g) expected.insert(expected.end(), groups[g].size(), per_group[g]);
    QCOMPARE(states(), expected);
  };
  expect({true, true, true, true, true});
  s.window().ShowView(kAllCoinsView);
  expect({false, true, true, true, true});
  // An area without coins.
  s.Select("6");
  s.Script(TypeAndOk({}));
  s.Run("MenuBearbeitenLoeschen");
  s.window().ShowView(3);
  expect({true, false, false, false, true});
  // The same file opened read-only, the changes discarded.
  s.harness.messages.Answer(MessageAnswer::kNo);
  s.harness.files.Choose(FileChoice{s.path.string(), 1, true});
  Trigger(s.window(), "MenuDateiOeffnen");
  QVERIFY(!s.doc().writable());
  s.window().ShowView(1);
  expect({false, false, false, true, false});
}

void RecordCommandsTest::EverySavedChangeReopensEqual() {
  Session s;
  json saved;
  auto save_and_compare = [&](int expected_count) {
    s.window().MenuDateiSpeichernClick();
    saved = Dump(s.path);
    QCOMPARE(CountOf(saved), expected_count);
    QCOMPARE(int(saved["coins"].size()), expected_count);
    // Opened again and saved again, the file tells the same.
    s.harness.files.Choose(FileChoice{s.path.string(), 1, false});
    Trigger(s.window(), "MenuDateiOeffnen");
    QCOMPARE(s.doc().coin_count, expected_count);
    s.window().SetModified(true);
    s.window().MenuDateiSpeichernClick();
    QVERIFY(Dump(s.path) == saved);
  };
  s.Script(TypeAndOk([](TFensterEingabeFenster& entry) { entry.EingabePraegezahl->setText(QString::fromUtf8("5 Mark")); }));
  s.Run("MenuBearbeitenNeu");
  save_and_compare(7);
  bool found = false;
  for (const json& coin : saved["coins"]) found = found || coin["numeral"] == "5 Mark";
  QVERIFY(found);

  s.Select("2");
  s.Script(TypeAndOk([](TFensterEingabeFenster& entry) { entry.EingabePraegejahr->setText("1999"); }));
  s.Run("MenuBearbeitenAendern");
  save_and_compare(7);
  QCOMPARE(s.Find("2")->year, std::string("1999"));
  QCOMPARE(s.Find("2")->change_count, 1);

  s.Select("3");
  s.Script(TypeAndOk({}));
  s.Run("MenuBearbeitenLoeschen");
  save_and_compare(6);
  QVERIFY(!s.Find("3"));

  s.Select("1");
  Trigger(s.window(), "MenuBearbeitenKopieren");
  s.Run("MenuBearbeitenEinfuegen");
  save_and_compare(7);

  s.Select("1");
  s.Script([](QDialog& dialog) {
    Price(dialog).Preis->setText("99,95");
    Price(dialog).OK->click();
  });
  s.Run("MenuBearbeitenPreisaendern");
  save_and_compare(7);
  QCOMPARE(s.Find("1")->catalogue, 99.95);
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::RecordCommandsTest)
#include "recordcommands_test.moc"
