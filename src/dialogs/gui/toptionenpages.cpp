// The controls of the settings dialog, page by page. The behaviour is in toptionen.cpp.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/gui/toptionen.h"
#include "dialogs/gui/updown.h"
#include "dialogs/programsettings.h"

namespace korvex::gui {
namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QCheckBox* CheckBox(const char* name, const char* caption, QWidget* parent) {
  return Named(new QCheckBox(Text(caption), parent), name);
}

QRadioButton* RadioButton(const char* name, const char* caption, QWidget* parent) {
  return Named(new QRadioButton(Text(caption), parent), name);
}

QLineEdit* Edit(const char* name, QWidget* parent) { return Named(new QLineEdit(parent), name); }

struct RadioChoice {
  QRadioButton** button;
  const char* name;
  const char* caption;
};

// A group box holding the radio buttons one below the other; being children of the same box
// makes them exclusive.
QGroupBox* RadioGroup(const char* caption, std::initializer_list<RadioChoice> buttons,
                      QWidget* parent) {
  auto* group = new QGroupBox(Text(caption), parent);
  auto* layout = new QVBoxLayout(group);
  for (const RadioChoice& choice : buttons) {
    *choice.button = RadioButton(choice.name, choice.caption, group);
    layout->addWidget(*choice.button);
  }
  return group;
}

}  // namespace

QWidget* TOptionen::CreateGeneralPage() {
  auto* page = new QWidget;
  auto* file = new QGroupBox(Text("&Datei"), page);
  AutoSave = CheckBox("AutoSave", "Automatisches Speichern alle", file);
  AutoSaveTime = Edit("AutoSaveTime", file);
  AutoSaveTime->setReadOnly(true);
  AutoSaveTime->setMaximumWidth(40);
  AutoSaveTimeUpdown = Named(new UpDown(AutoSaveTime, 5, 100, /*wraps=*/true, file),
                             "AutoSaveTimeUpdown");
  AutoSaveEnd = CheckBox("AutoSaveEnd", "Automatisches Speichern bei Programmende", file);
  auto* interval = new QHBoxLayout;
  interval->addWidget(AutoSave);
  interval->addWidget(AutoSaveTime);
  interval->addWidget(AutoSaveTimeUpdown);
  interval->addWidget(new QLabel(Text("Minuten"), file));
  interval->addStretch();
  auto* fileLayout = new QVBoxLayout(file);
  fileLayout->addLayout(interval);
  fileLayout->addWidget(AutoSaveEnd);

  auto* other = new QGroupBox(Text("Sonstiges"), page);
  AnfrageProgrammEnde = CheckBox("AnfrageProgrammEnde", "&Rückfrage bei Programmende", other);
  KategorienGleich =
      CheckBox("KategorienGleich", "Datenansicht in allen Kategorien gleich", other);
  KategorienGleichFrage = CheckBox("KategorienGleichFrage", "Rückfrage, wenn nicht", other);
  auto* otherLayout = new QVBoxLayout(other);
  otherLayout->addWidget(AnfrageProgrammEnde);
  otherLayout->addWidget(KategorienGleich);
  otherLayout->addWidget(KategorienGleichFrage);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(file);
  layout->addWidget(other);
  layout->addStretch();
  return page;
}

QWidget* TOptionen::CreatePicturePage() {
  auto* page = new QWidget;
  QGroupBox* display =
      RadioGroup("&Anzeige der Münzenbilder",
                 {{&GraphikZeigeManuell, "GraphikZeigeManuell", "&Nach Aufforderung"},
                  {&GraphikZeigeAutomatisch, "GraphikZeigeAutomatisch", "&Bei Artikeldatenanzeige"},
                  {&GraphikZeigeImmer, "GraphikZeigeImmer", "&Automatisch (immer)"},
                  {&GraphikZeigeListe, "GraphikZeigeListe", "Im &Listenmodus"}},
                 page);
  QGroupBox* place =
      RadioGroup("&Ort der Anzeige",
                 {{&GraphikObenLinks, "GraphikObenLinks", "Linke, &obere Ecke"},
                  {&GraphikAnzFrei, "GraphikAnzFrei", "&Wie letztes Mal"},
                  {&GraphikAnzRechts, "GraphikAnzRechts", "&Rechts des Datenfensters"},
                  {&GraphikAnzLinks, "GraphikAnzLinks", "&Links des Datenfensters"},
                  {&GraphikAnzOben, "GraphikAnzOben", "Ü&ber dem Datenfenster"},
                  {&GraphikAnzUnten, "GraphikAnzUnten", "&Unter dem Datenfenster"}},
                 page);
  QGroupBox* copy =
      RadioGroup("&Graphiken mitspeichern",
                 {{&GraphikKopierenImmer, "GraphikKopierenImmer", "&Immer"},
                  {&GraphikKopierenNie, "GraphikKopierenNie", "&Nie"},
                  {&GraphikKopierenAufforderung, "GraphikKopierenAufforderung", "Nach&fragen"}},
                 page);
  GraphikAnzAutoGroesse =
      CheckBox("GraphikAnzAutoGroesse", "Fenster&größe der Bildgröße anpassen", page);
  GraphikFocusInAnzeige =
      CheckBox("GraphikFocusInAnzeige", "&Eingabefokus auf Datenfenster", page);

  auto* layout = new QGridLayout(page);
  layout->addWidget(display, 0, 0);
  layout->addWidget(copy, 1, 0);
  layout->addWidget(place, 0, 1, 2, 1);
  layout->addWidget(GraphikAnzAutoGroesse, 2, 0, 1, 2);
  layout->addWidget(GraphikFocusInAnzeige, 3, 0, 1, 2);
  layout->setRowStretch(4, 1);
  return page;
}

QWidget* TOptionen::CreateExtrasPage() {
  auto* page = new QWidget;
  auto* autoLoad = new QGroupBox(Text("Automatisches Laden einer Datei"), page);
  DateiAutoLaden = CheckBox("DateiAutoLaden", "Datei bei Programmstart laden", autoLoad);
  Dateiname = Edit("Dateiname", autoLoad);
  DateiNameWahl = Named(new QPushButton(Text("..."), autoLoad), "DateiNameWahl");
  DateiNameWahl->setMaximumWidth(32);
  auto* nameLabel = new QLabel(Text("Dateiname:"), autoLoad);
  nameLabel->setBuddy(Dateiname);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(Dateiname, 1);
  nameRow->addWidget(DateiNameWahl);
  auto* autoLoadLayout = new QVBoxLayout(autoLoad);
  autoLoadLayout->addWidget(DateiAutoLaden);
  autoLoadLayout->addLayout(nameRow);

  auto* dates = new QGroupBox(Text("Datumsformat"), page);
  DatumAusSystemsteuerung =
      CheckBox("DatumAusSystemsteuerung", "Aus Windows-Systemsteuerung", dates);
  DatumFormatBox = Named(new QComboBox(dates), "DatumFormatBox");
  for (const char* format : kDateFormatChoices) DatumFormatBox->addItem(Text(format));
  Datum_ErstbeiNeustart = Named(
      new QLabel(Text("Änderungen dieser Einstellung werden erst beim nächsten Programmstart "
                      "wirksam."),
                 dates),
      "Datum_ErstbeiNeustart");
  Datum_ErstbeiNeustart->setWordWrap(true);
  auto* datesLayout = new QVBoxLayout(dates);
  datesLayout->addWidget(DatumAusSystemsteuerung);
  datesLayout->addWidget(DatumFormatBox);
  datesLayout->addWidget(Datum_ErstbeiNeustart);

  auto* printer = new QGroupBox(Text("Drucker"), page);
  DruckerSchrift = Edit("DruckerSchrift", printer);
  DruckerSchrift->setMaximumWidth(40);
  DruckerSchriftUD = Named(
      new UpDown(DruckerSchrift, kMinPrintFontSize, kMaxPrintFontSize, /*wraps=*/false, printer),
      "DruckerSchriftUD");
  auto* fontLabel = new QLabel(Text("Standard-Schriftgröße:"), printer);
  fontLabel->setBuddy(DruckerSchrift);
  auto* printerLayout = new QHBoxLayout(printer);
  printerLayout->addWidget(fontLabel);
  printerLayout->addWidget(DruckerSchrift);
  printerLayout->addWidget(DruckerSchriftUD);
  printerLayout->addStretch();

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(autoLoad);
  layout->addWidget(dates);
  layout->addWidget(printer);
  layout->addStretch();
  return page;
}

QWidget* TOptionen::CreateOnlinePage() {
  auto* page = new QWidget;
  OnlineAutoCheckUpdates = CheckBox("OnlineAutoCheckUpdates",
                                    "Bei Start nach neuen Aktualisierungen suchen", page);
  OnlineAutoCheckUpdatesBeta =
      CheckBox("OnlineAutoCheckUpdatesBeta", "Auch Beta-Versionen", page);

  auto* proxy = new QGroupBox(
      Text("HTTP-Proxy-Server (Felder bitte leer lassen, falls kein Proxy verwendet wird)"), page);
  OnlineProxyServer = Edit("OnlineProxyServer", proxy);
  OnlineProxyPort = Edit("OnlineProxyPort", proxy);
  OnlineProxyPort->setMaxLength(5);
  OnlineProxyPort->setMaximumWidth(60);
  OnlineProxyUser = Edit("OnlineProxyUser", proxy);
  OnlineProxyPasswort = Edit("OnlineProxyPasswort", proxy);
  OnlineProxyPasswort->setEchoMode(QLineEdit::Password);
  auto* proxyLayout = new QGridLayout(proxy);
  const std::pair<const char*, QLineEdit*> rows[] = {{"Proxy:", OnlineProxyServer},
                                                     {"Port:", OnlineProxyPort},
                                                     {"Benutzername:", OnlineProxyUser},
                                                     {"Passwort:", OnlineProxyPasswort}};
  int row = 0;
  for (const auto& [caption, edit] : rows) {
    auto* label = new QLabel(Text(caption), proxy);
    label->setBuddy(edit);
    proxyLayout->addWidget(label, row, 0);
    proxyLayout->addWidget(edit, row, 1, Qt::AlignLeft);
    ++row;
  }
  proxyLayout->setColumnStretch(1, 1);
  OnlineProxyServer->setMinimumWidth(220);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(OnlineAutoCheckUpdates);
  layout->addWidget(OnlineAutoCheckUpdatesBeta);
  layout->addWidget(proxy);
  layout->addStretch();
  return page;
}

QWidget* TOptionen::CreateCurrencyPage() {
  WaehrungRegister = Named(new QWidget, "WaehrungRegister");
  QWidget* page = WaehrungRegister;
  auto* note = new QLabel(
      Text("HINWEIS: Die Einstellungen auf dieser Seite beziehen sich nur auf die aktuell "
           "geöffnete Datendatei (im Gegensatz zu den Einstellungen auf den Seiten Allgemein, "
           "Graphik und Extras, die global wirken)!"),
      page);
  note->setWordWrap(true);

  AlteWaehrungBox = Named(new QComboBox(page), "AlteWaehrungBox");
  WaehrungBox = Named(new QComboBox(page), "WaehrungBox");
  for (QComboBox* box : {AlteWaehrungBox, WaehrungBox}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(5);
  }
  AlteWaehrungBox->setEnabled(false);
  auto* oldLabel = new QLabel(Text("Alte Währung:"), page);
  oldLabel->setBuddy(AlteWaehrungBox);
  auto* newLabel = new QLabel(Text("&Neue Währung:"), page);
  newLabel->setBuddy(WaehrungBox);

  UmrechnungsGroup = Named(new QGroupBox(Text("&Umrechnung"), page), "UmrechnungsGroup");
  UmrAltBox = Edit("UmrAltBox", UmrechnungsGroup);
  UmrNeuBox = Edit("UmrNeuBox", UmrechnungsGroup);
  UmrAltWaehrung = Named(new QLabel(UmrechnungsGroup), "UmrAltWaehrung");
  UmrNeuWaehrung = Named(new QLabel(UmrechnungsGroup), "UmrNeuWaehrung");
  for (QLineEdit* amount : {UmrAltBox, UmrNeuBox}) amount->setMaximumWidth(90);
  for (QLabel* currency : {UmrAltWaehrung, UmrNeuWaehrung}) currency->setMinimumWidth(40);
  auto* rate = new QHBoxLayout(UmrechnungsGroup);
  rate->addWidget(new QLabel(Text("Umrechnungskurs:"), UmrechnungsGroup));
  rate->addWidget(UmrAltBox);
  rate->addWidget(UmrAltWaehrung);
  rate->addWidget(new QLabel(Text("entsprechen"), UmrechnungsGroup));
  rate->addWidget(UmrNeuBox);
  rate->addWidget(UmrNeuWaehrung);
  rate->addStretch();

  auto* boxes = new QGridLayout;
  boxes->addWidget(oldLabel, 0, 0);
  boxes->addWidget(AlteWaehrungBox, 0, 1);
  boxes->addWidget(newLabel, 1, 0);
  boxes->addWidget(WaehrungBox, 1, 1);
  boxes->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(note);
  layout->addLayout(boxes);
  layout->addWidget(UmrechnungsGroup);
  layout->addStretch();
  return page;
}

void TOptionen::CreateButtons() {
  OkBtn = Named(new QPushButton(Text("&OK"), this), "OkBtn");
  OkBtn->setDefault(true);
  CancelBtn = Named(new QPushButton(Text("&Abbruch"), this), "CancelBtn");
}

}  // namespace korvex::gui
