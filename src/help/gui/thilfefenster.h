#pragma once

#include <QMainWindow>
#include <QUrl>
#include <filesystem>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvex::gui {

// The help window "Korvex-Hilfe": the contents of the help on the left (pages and their
// sections), the page on the right, and a tool bar with back, forward, start page and a search
// in the shown page. It reads the pages from one help folder.
class THilfefenster : public QMainWindow {
  Q_OBJECT

 public:
  explicit THilfefenster(std::filesystem::path folder, QWidget* parent = nullptr);

  // Shows the topic of a help context number (the start page for an unknown one or a missing
  // page); a missing help says so in the window.
  void ShowTopic(int context);

  // Looks for the search text in the page from the cursor on (backwards: towards the top),
  // starting again at the other end; false when the page does not hold it.
  bool FindInPage(bool backwards = false);

  QTreeWidget* Inhalt = nullptr;
  QTextBrowser* Seite = nullptr;
  QAction* Zurueck = nullptr;
  QAction* Vor = nullptr;
  QAction* Startseite = nullptr;
  QLineEdit* Suchtext = nullptr;
  QAction* Weitersuchen = nullptr;
  QAction* Rueckwaertssuchen = nullptr;
  QLabel* Suchergebnis = nullptr;

 private:
  void BuildContents();
  void BuildToolbar();
  void OpenUrl(const QUrl& url);
  void ShowMissingHelp(const std::filesystem::path& start_page);
  void MarkCurrentPage(const QUrl& url);
  QUrl UrlOf(const std::filesystem::path& file, const std::string& anchor) const;

  std::filesystem::path folder_;
};

}  // namespace korvex::gui
