#include "mainwindow/gui/mainwindowcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "mainwindow/gui/toolbaricons.h"

namespace korvex {

void SetHint(QAction* action, const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  const QString tip = bar < 0 ? hint : hint.left(bar);
  const QString message = bar < 0 ? hint : hint.mid(bar + 1);
  action->setToolTip(tip.isEmpty() ? action->text().remove('&') : tip);
  action->setStatusTip(message);
}

MainWindowCommands::MainWindowCommands(QMainWindow* window) : window_(window) {
  BuildMenuBar();
  BuildToolbars();
  BuildPopups();
}

QAction* MainWindowCommands::Action(const QString& name) const {
  QAction* action = actions_.value(name);
  Q_ASSERT_X(action, "MainWindowCommands::Action", qPrintable(name));
  return action;
}

QMenu* MainWindowCommands::Menu(const QString& name) const { return menus_.value(name); }

QToolBar* MainWindowCommands::Toolbar(const QString& name) const { return toolbars_.value(name); }

QAction* MainWindowCommands::Add(const QString& name, const QString& caption, const QKeySequence& key,
                                 const QString& hint) {
  auto* action = new QAction(caption, window_);
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  if (!hint.isEmpty()) SetHint(action, hint);
  const QIcon icon = ToolbarIcon(name);
  if (!icon.isNull()) action->setIcon(icon);
  actions_.insert(name, action);
  window_->addAction(action);
  return action;
}

QMenu* MainWindowCommands::AddMenu(const QString& name, const QString& caption, QMenu* parent) {
  QMenu* menu = parent ? parent->addMenu(caption) : window_->menuBar()->addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  menus_.insert(name, menu);
  actions_.insert(name, menu->menuAction());
  return menu;
}

void MainWindowCommands::BuildMenuBar() {
  window_->menuBar()->setObjectName(QStringLiteral("Hauptmenu"));

  QMenu* datei = AddMenu("MenuDatei", "&Datei");
  datei->addAction(Add("MenuDateiNeu", "&Neu", QKeySequence(Qt::CTRL | Qt::Key_N)));
  datei->addAction(Add("MenuDateiNeuVorlage", "Neu nach &Vorlage"));
  datei->addAction(Add("MenuDateiOeffnen", "&Öffnen...", QKeySequence(Qt::CTRL | Qt::Key_O)));
  datei->addAction(Add("MenuDateiSpeichern", "&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S)));
  datei->addAction(Add("MenuDateiSpeichernunter", "Speichern &unter..."));
  datei->addSeparator();
  datei->addAction(Add("MenuDateiImportieren", "&Importieren..."));
  QMenu* exportieren = AddMenu("MenuDateiExportieren", "&Exportieren...", datei);
  exportieren->addAction(Add("MenuDateiExportierenAlles", "Alle Daten..."));
  exportieren->addAction(Add("MenuDateiExportierenKategorie", "Angezeigte Kategorie..."));
  exportieren->addAction(Add("MenuDateiExportierenArtikel", "Markierter Artikel..."));
  datei->addAction(Add("MenuDateiDatensicherung", "Datensicherung"));
  datei->addSeparator();
  datei->addAction(Add("Pawort1", "&Passwort...", QKeySequence(Qt::CTRL | Qt::Key_P)));
  datei->addSeparator();
  datei->addAction(Add("MenuDateiDrucken", "&Drucken...", QKeySequence(Qt::CTRL | Qt::Key_D)));
  datei->addSeparator();
  datei->addAction(Add("MenuDateiBeenden", "&Beenden"));

  QMenu* bearbeiten = AddMenu("MenuBearbeiten", "&Bearbeiten");
  // The window names the step in the captions of both items while there is one.
  bearbeiten->addAction(Add("MenuBearbeitenRueckgaengig", "&Rückgängig", QKeySequence(Qt::CTRL | Qt::Key_Z)));
  bearbeiten->addAction(Add("MenuBearbeitenWiederholen", "&Wiederholen", QKeySequence(Qt::CTRL | Qt::Key_Y)));
  bearbeiten->addSeparator();
  bearbeiten->addAction(Add("MenuBearbeitenNeu", "&Neue Münze...", QKeySequence(Qt::Key_Insert)));
  bearbeiten->addAction(Add("MenuBearbeitenAendern", "&Ändern...", QKeySequence(Qt::Key_F12)));
  bearbeiten->addAction(Add("MenuBearbeitenPreisaendern", "Schnelle Preisänderung...", QKeySequence(Qt::Key_F11)));
  bearbeiten->addAction(Add("MenuBearbeitenLoeschen", "&Löschen...", QKeySequence(Qt::Key_Delete)));
  bearbeiten->addSeparator();
  bearbeiten->addAction(Add("MenuBearbeitenAusschneiden", "&Ausschneiden...", QKeySequence(Qt::CTRL | Qt::Key_X)));
  bearbeiten->addAction(Add("MenuBearbeitenKopieren", "&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C)));
  bearbeiten->addAction(Add("MenuBearbeitenEinfuegen", "&Einfügen", QKeySequence(Qt::CTRL | Qt::Key_V)));

  QMenu* kategorie = AddMenu("MenuKategorie", "&Kategorie");
  view_group_ = new QActionGroup(window_);
  view_group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  QAction* alle = Add("MenuKategorieAlleartikel", "&Alle Münzen", QKeySequence(Qt::CTRL | Qt::Key_A),
                      "Zeigt alle vorhandenen Artikel an");
  alle->setCheckable(true);
  kategorie->addAction(alle);
  area_separator_ = kategorie->addSeparator();

  QMenu* ansicht = AddMenu("MenuAnsicht", "&Ansicht");
  ansicht->addAction(Add("MenuAnsichtOeffnen", "Münze öffnen... (&Detailansicht)", QKeySequence(Qt::Key_F8)));
  ansicht->addSeparator();
  ansicht->addAction(Add("MenuAnsichtSortierung", "&Sortierung...", QKeySequence(Qt::Key_F9)));
  ansicht->addAction(Add("MenuAnsichtFelder", "Angezeigte Felder..."));
  ansicht->addAction(Add("MenuAnsichtGesamt", "&Gesamtstatistik...", QKeySequence(Qt::CTRL | Qt::Key_G)));
  ansicht->addSeparator();
  QMenu* leisten = AddMenu("MenuAnsichtSymbolleisten", "&Symbolleisten", ansicht);
  for (const char* bar : kToolbarNames) {
    QAction* item = Add(QStringLiteral("MenuDock") + bar, QString::fromLatin1(bar));
    item->setCheckable(true);
    leisten->addAction(item);
  }

  QMenu* extras = AddMenu("MenuExtras", "&Extras");
  extras->addAction(Add("MenuExtrasSuchen", "Su&chen...", QKeySequence(Qt::CTRL | Qt::Key_F)));
  extras->addAction(Add("MenuExtrasWeitersuchen", "&Weitersuchen", QKeySequence(Qt::Key_F3)));
  QMenu* filter = AddMenu("MenuExtrasFilter", "&Filter", extras);
  filter->addAction(Add("MenuExtrasFilterKeiner", "&Keinen Filter verwenden"));
  filter->addAction(Add("MenuExtrasFilterDoubletten", "Nur &Doubletten anzeigen"));
  filter->addAction(Add("MenuExtrasFilterFehlbestand", "Nur &Fehlbestand anzeigen"));
  filter->addAction(Add("MenuExtrasFilterBestand", "Nur &Bestand anzeigen"));
  filter->addAction(Add("MenuExtrasFilterDefinieren", "F&ilter definieren...", QKeySequence(Qt::CTRL | Qt::Key_I)));
  // Exactly one filter item is checked, "&Keinen Filter verwenden" while no filter is active.
  auto* filter_items = new QActionGroup(window_);
  for (QAction* item : filter->actions()) {
    item->setCheckable(true);
    filter_items->addAction(item);
  }
  Action("MenuExtrasFilterKeiner")->setChecked(true);
  extras->addSeparator();
  extras->addAction(Add("MenuExtrasOptionen", "&Einstellungen..."));
  extras->addAction(Add("MenuExtrasHilfsDB", "&Hilfsdatenbanken bearbeiten..."));
  extras->addAction(Add("MenuExtrasKategorien", "&Kategorien definieren...", QKeySequence(Qt::CTRL | Qt::Key_K)));
  QMenu* sonder = AddMenu("MenuExtrasSonder", "Sonderfunktionen", extras);
  sonder->addAction(Add("MenuExtrasSonderNummernkreise", "Nummernkreise neu zuordnen"));

  QMenu* tools = AddMenu("MenuTools", "&Tools");
  tools->menuAction()->setVisible(false);

  QMenu* online = AddMenu("MenuOnline", "&Online");
  QMenu* email = AddMenu("MenuOnlineEmail", "&Email an den Autor senden", online);
  email->addAction(Add("MenuOnlineEmailFeedback", "&Frage oder Feedback"));
  email->addAction(Add("MenuOnlineEmailVorschlag", "&Verbesserungsvorschlag"));
  online->addAction(Add("MenuOnlineInternet", "Internet-Serviceseite laden"));
  online->addAction(Add("MenuOnlineCheckUpdates", "Auf Updates überprüfen"));
  online->addAction(Add("MenuOnlineFAQ", "Häufig gestellte Fragen"));
  online->addAction(Add("MenuOnlineForum", "Hilfe- und Diskussionsforum"));
  Action("MenuOnlineForum")->setVisible(false);

  QMenu* hilfe = AddMenu("MenuHilfe", "&Hilfe");
  hilfe->addAction(Add("MenuHilfeHilfethemen", "&Hilfethemen", QKeySequence(Qt::Key_F1)));
  hilfe->addAction(Add("MenuHilfeFAQ", "&Online-FAQ (Häufig gestellte Fragen)"));
  hilfe->addAction(Add("MenuHilfeForum", "Hilfe- und Diskussionsforum"));
  Action("MenuHilfeForum")->setVisible(false);
  hilfe->addSeparator();
  hilfe->addAction(Add("MenuHilfeUeber", "&Informationen..."));
}

QToolBar* MainWindowCommands::AddToolbar(const QString& name, const QStringList& buttons) {
  auto* bar = new QToolBar(name, window_);
  bar->setObjectName(name);
  bar->setMovable(true);
  bar->setFloatable(true);
  bar->setIconSize(QSize(16, 16));
  for (const QString& button : buttons) bar->addAction(Action(button));
  toolbars_.insert(name, bar);
  return bar;
}

void MainWindowCommands::BuildToolbars() {
  Add("SpeedNeueDatei", "Neue Datei", {}, "Neue Datei|Erstellt eine neue Datei");
  Add("SpeedNeuVorlage", "Neu nach Vorlage", {}, "Neu nach Vorlage|Erzeugt eine leere Datei mit vorgefertigten Kategorien");
  Add("SpeedLaden", "Öffnen", {}, "Öffnen|Öffnet eine bestehende Datei");
  Add("SpeedSpeichern", "Speichern", {}, "Speichern|Speichert die Datei");
  Add("SpeedKey", "Passwort", {}, "Passwort|Datei mit einem Paßwort vor Fremdzugriff schützen");
  Add("SpeedDruck", "Drucken", {}, "Drucken|Gibt die Datenliste auf den Drucker aus");
  Add("SpeedRueckgaengig", "Rückgängig", {}, "Rückgängig|Nimmt die letzte Änderung zurück");
  Add("SpeedWiederholen", "Wiederholen", {}, "Wiederholen|Führt die zurückgenommene Änderung erneut aus");
  Add("SpeedNeu", "Neu", {}, "Neu|Erzeugt eine neue Münze");
  Add("SpeedAendern", "Ändern", {}, "Ändern|Ändert die markierte Münze");
  Add("SpeedLoeschen", "Löschen", {}, "Löschen|Löscht die markierte Münze");
  Add("SpeedAusschneiden", "Ausschneiden", {}, "Ausschneiden|Schneidet den markierten Artikel aus");
  Add("SpeedKopieren", "Kopieren", {}, "Kopieren|Kopiert den markierten Artikel in die Zwischenablage");
  Add("SpeedEinfuegen", "Einfuegen", {}, "Einfuegen|Fügt den Artikel aus der Zwischenablage ein");
  Add("SpeedSuchen", "Suchen", {}, "Suchen|Einen Artikel suchen");
  Add("SpeedSuchenWeiter", "Weitersuchen", {}, "Weitersuchen|Weitersuchen");
  // The sort button has no hint of its own; the tooltip falls back to its caption.
  SetHint(Add("SpeedSortierung", "Sortierung"), QString());
  Add("SpeedGesamt", "Statistik", {}, "Statistik|Zeigt die Aufrechnung an");
  QAction* alles = Add("SpeedAlles", "Alle Münzen", {}, "Alle Münzen|Alle Münzen anzeigen");
  alles->setCheckable(true);
  Add("SpeedFilterNone", "Filter aus", {}, "Filter aus|Keine Filter anwenden");
  Add("SpeedFilterFehlbestand", "Fehlbestand", {}, "Fehlbestand|Nur Fehlbestand anzeigen");
  Add("SpeedFilterBestand", "Bestand", {}, "Bestand|Nur Bestand anzeigen");
  Add("SpeedFilterDubletten", "Dubletten", {}, "Dubletten|Nur Dubletten anzeigen");
  Add("SpeedFilterFrei", "Filter definieren", {}, "Filter definieren|Freien Filter definieren");

  view_group_->addAction(Action("MenuKategorieAlleartikel"));
  // `SpeedAlles` and the area buttons form a group of their own beside the menu's check marks.
  auto* button_group = new QActionGroup(window_);
  button_group->setObjectName(QStringLiteral("KategorieButtons"));
  button_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  button_group->addAction(alles);
  filter_group_ = new QActionGroup(window_);
  filter_group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const char* name : {"SpeedFilterNone", "SpeedFilterFehlbestand", "SpeedFilterBestand",
                           "SpeedFilterDubletten", "SpeedFilterFrei"}) {
    Action(name)->setCheckable(true);
    filter_group_->addAction(Action(name));
  }

  QToolBar* datei = AddToolbar("Datei", {"SpeedNeueDatei", "SpeedNeuVorlage", "SpeedLaden", "SpeedSpeichern",
                                         "SpeedKey", "SpeedDruck"});
  QToolBar* datensatz = AddToolbar("Datensatz", {"SpeedNeu", "SpeedAendern", "SpeedLoeschen",
                                                   "SpeedRueckgaengig", "SpeedWiederholen"});
  QToolBar* zwischenablage = AddToolbar("Zwischenablage", {"SpeedAusschneiden", "SpeedKopieren", "SpeedEinfuegen"});
  QToolBar* extras = AddToolbar("Extras", {"SpeedSuchen", "SpeedSuchenWeiter", "SpeedSortierung", "SpeedGesamt"});
  QToolBar* filter = AddToolbar("Filter", {"SpeedFilterNone", "SpeedFilterFehlbestand", "SpeedFilterBestand",
                                           "SpeedFilterDubletten", "SpeedFilterFrei"});
  QToolBar* kategorie = AddToolbar("Kategorie", {"SpeedAlles"});
  kategorie->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  // The initial layout: five bars in the first row of the top dock, the area bar in the second.
  for (QToolBar* bar : {datei, datensatz, zwischenablage, extras, filter}) {
    window_->addToolBar(Qt::TopToolBarArea, bar);
  }
  window_->addToolBarBreak(Qt::TopToolBarArea);
  window_->addToolBar(Qt::TopToolBarArea, kategorie);
}

void MainWindowCommands::BuildPopups() {
  popup_ = new QMenu(window_);
  popup_->setObjectName(QStringLiteral("DatenPopUpMenu"));
  QAction* oeffnen = Add("DatenPopUpOeffnen", "&Öffnen");
  popup_->addAction(oeffnen);
  popup_->setDefaultAction(oeffnen);
  popup_->addAction(Add("DatenPopUpAendern", "&Ändern"));
  popup_->addAction(Add("DatenPopUpLoeschen", "&Entfernen"));
  popup_->addAction(Add("DatenPopUpNeu", "&Neu"));
  popup_->addSeparator();
  popup_->addAction(Add("DatenPopUpExportierenArtikel", "Diese Münze exportieren..."));
  popup_->addAction(Add("DatenPopUpExportierenKategorie", "Diese Kategorie exportieren..."));

  dock_menu_ = new QMenu(window_);
  dock_menu_->setObjectName(QStringLiteral("DockMenu"));
  for (const char* bar : kToolbarNames) {
    QAction* item = Add(QStringLiteral("DockMenu") + bar, QString::fromLatin1(bar));
    item->setCheckable(true);
    dock_menu_->addAction(item);
  }
}

}  // namespace korvex
