#pragma once

#include <QHash>
#include <QKeySequence>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace korvex {

// Every command of the main window as a QAction named after its component: the items of the menu
// bar `Hauptmenu`, the buttons of the six toolbars, the grid's context menu `DatenPopUpMenu` and
// the toolbar menu `DockMenu`. A toolbar button is an action of its own (it has its own enabled
// state), connected by the window to the same handler as its menu item.
class MainWindowCommands {
 public:
  static constexpr std::array<const char*, 6> kToolbarNames = {
      "Datei", "Datensatz", "Zwischenablage", "Extras", "Kategorie", "Filter"};

  explicit MainWindowCommands(QMainWindow* window);

  // The action with the given component name; aborts on a name that does not exist, because
  // that is a programming error.
  QAction* Action(const QString& name) const;
  bool Has(const QString& name) const { return actions_.contains(name); }
  QList<QString> Names() const { return actions_.keys(); }

  QMenu* Menu(const QString& name) const;
  QToolBar* Toolbar(const QString& name) const;
  QMenu* DatenPopUpMenu() const { return popup_; }
  QMenu* DockMenu() const { return dock_menu_; }

  QActionGroup* ViewGroup() const { return view_group_; }
  QActionGroup* FilterGroup() const { return filter_group_; }
  // The separator after "&Alle Münzen"; area items follow it.
  QAction* AreaSeparator() const { return area_separator_; }

 private:
  QAction* Add(const QString& name, const QString& caption, const QKeySequence& key = {},
               const QString& hint = {});
  QMenu* AddMenu(const QString& name, const QString& caption, QMenu* parent = nullptr);
  void BuildMenuBar();
  void BuildToolbars();
  void BuildPopups();
  QToolBar* AddToolbar(const QString& name, const QStringList& buttons);

  QMainWindow* window_;
  QHash<QString, QAction*> actions_;
  QHash<QString, QMenu*> menus_;
  QHash<QString, QToolBar*> toolbars_;
  QMenu* popup_ = nullptr;
  QMenu* dock_menu_ = nullptr;
  QActionGroup* view_group_ = nullptr;
  QActionGroup* filter_group_ = nullptr;
  QAction* area_separator_ = nullptr;
};

// Splits a hint "tooltip|message panel text" into the action's tooltip and status tip.
void SetHint(QAction* action, const QString& hint);

}  // namespace korvex
