#include "help/gui/thilfefenster.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>

#include "help/helppages.h"
#include "help/helptopics.h"

namespace korvex::gui {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// The item's target: a page URL with or without fragment.
constexpr int kUrlRole = Qt::UserRole;

}  // namespace

THilfefenster::THilfefenster(std::filesystem::path folder, QWidget* parent)
    : QMainWindow(parent), folder_(std::move(folder)) {
  setObjectName("Hilfefenster");
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("Korvex-Hilfe"));

  Seite = new QTextBrowser;
  Seite->setObjectName("Seite");
  Seite->setOpenExternalLinks(true);
  Seite->setSearchPaths({PathText(folder_)});
  Inhalt = new QTreeWidget;
  Inhalt->setObjectName("Inhalt");
  Inhalt->setHeaderLabel(QStringLiteral("Inhalt"));
  Inhalt->header()->setVisible(false);

  auto* splitter = new QSplitter;
  splitter->addWidget(Inhalt);
  splitter->addWidget(Seite);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});
  setCentralWidget(splitter);

  BuildToolbar();
  BuildContents();
  connect(Inhalt, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { OpenUrl(item->data(0, kUrlRole).toUrl()); });
  connect(Inhalt, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { OpenUrl(item->data(0, kUrlRole).toUrl()); });
  connect(Seite, &QTextBrowser::sourceChanged, this, &THilfefenster::MarkCurrentPage);
  resize(920, 640);
}

void THilfefenster::BuildToolbar() {
  QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
  bar->setObjectName("Navigation");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  Zurueck = bar->addAction(QString::fromUtf8("Zurück"), Seite, &QTextBrowser::backward);
  Zurueck->setShortcut(QKeySequence::Back);
  Zurueck->setToolTip(QString::fromUtf8("Zur vorigen Seite (Alt+Links)"));
  Vor = bar->addAction(QStringLiteral("Vor"), Seite, &QTextBrowser::forward);
  Vor->setShortcut(QKeySequence::Forward);
  Vor->setToolTip(QString::fromUtf8("Zur nächsten Seite (Alt+Rechts)"));
  Startseite = bar->addAction(QStringLiteral("Startseite"), this, [this] { ShowTopic(kHelpContents); });
  Startseite->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  Zurueck->setEnabled(false);
  Vor->setEnabled(false);
  connect(Seite, &QTextBrowser::backwardAvailable, Zurueck, &QAction::setEnabled);
  connect(Seite, &QTextBrowser::forwardAvailable, Vor, &QAction::setEnabled);

  bar->addSeparator();
  auto* label = new QLabel(QStringLiteral("&Suchen: "));
  Suchtext = new QLineEdit;
  Suchtext->setObjectName("Suchtext");
  Suchtext->setPlaceholderText(QStringLiteral("Text auf dieser Seite"));
  Suchtext->setClearButtonEnabled(true);
  Suchtext->setMaximumWidth(240);
  label->setBuddy(Suchtext);
  bar->addWidget(label);
  bar->addWidget(Suchtext);
  Weitersuchen = bar->addAction(QStringLiteral("Weitersuchen"), this, [this] { FindInPage(false); });
  Weitersuchen->setShortcut(QKeySequence::FindNext);
  Rueckwaertssuchen = bar->addAction(QString::fromUtf8("Rückwärts"), this, [this] { FindInPage(true); });
  Rueckwaertssuchen->setShortcut(QKeySequence::FindPrevious);
  Suchergebnis = new QLabel;
  Suchergebnis->setObjectName("Suchergebnis");
  Suchergebnis->setContentsMargins(8, 0, 0, 0);
  bar->addWidget(Suchergebnis);
  connect(Suchtext, &QLineEdit::returnPressed, this, [this] { FindInPage(false); });
  connect(Suchtext, &QLineEdit::textChanged, Suchergebnis, &QLabel::clear);

  auto* find = new QAction(this);
  find->setShortcut(QKeySequence::Find);
  connect(find, &QAction::triggered, this, [this] {
    Suchtext->setFocus();
    Suchtext->selectAll();
  });
  addAction(find);
}

void THilfefenster::BuildContents() {
  for (const HelpPageEntry& page : HelpContentsPages()) {
    const std::filesystem::path file = folder_ / page.page;
    auto* item = new QTreeWidgetItem(Inhalt, {Utf8(page.title)});
    item->setData(0, kUrlRole, UrlOf(file, {}));
    for (const HtmlHeading& section : ReadHtmlOutlineOf(file).sections) {
      auto* child = new QTreeWidgetItem(item, {QString::fromStdString(section.text)});
      child->setData(0, kUrlRole, UrlOf(file, section.anchor));
    }
  }
}

QUrl THilfefenster::UrlOf(const std::filesystem::path& file, const std::string& anchor) const {
  QUrl url = QUrl::fromLocalFile(PathText(file));
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return url;
}

void THilfefenster::ShowTopic(int context) {
  const HelpLocation location = LocateHelpTopic(folder_, context);
  if (!location.found) {
    ShowMissingHelp(location.file);
    return;
  }
  OpenUrl(UrlOf(location.file, location.anchor));
}

void THilfefenster::OpenUrl(const QUrl& url) {
  if (url.isEmpty()) return;
  // The same page again with another anchor only scrolls; QTextBrowser then keeps the history.
  Seite->setSource(url);
  if (url.hasFragment()) Seite->scrollToAnchor(url.fragment());
}

void THilfefenster::ShowMissingHelp(const std::filesystem::path& start_page) {
  Seite->setHtml(QString::fromUtf8(
                     "<h2>Die Hilfe wurde nicht gefunden</h2><p>Die Hilfeseiten fehlen: <tt>%1</tt></p>"
                     "<p>Bitte installieren Sie Korvex neu; die Hilfe gehört zum Programm.</p>")
                     .arg(PathText(start_page).toHtmlEscaped()));
}

void THilfefenster::MarkCurrentPage(const QUrl& url) {
  const QUrl page = url.adjusted(QUrl::RemoveFragment);
  QTreeWidgetItem* best = nullptr;
  for (int i = 0; i < Inhalt->topLevelItemCount() && !best; ++i) {
    QTreeWidgetItem* top = Inhalt->topLevelItem(i);
    if (top->data(0, kUrlRole).toUrl() != page) continue;
    best = top;
    for (int j = 0; j < top->childCount(); ++j) {
      if (top->child(j)->data(0, kUrlRole).toUrl() == url) best = top->child(j);
    }
  }
  if (!best) return;
  const QSignalBlocker quiet(Inhalt);
  Inhalt->setCurrentItem(best);
  if (best->parent()) best->parent()->setExpanded(true);
}

bool THilfefenster::FindInPage(bool backwards) {
  const QString text = Suchtext->text();
  if (text.isEmpty()) {
    Suchergebnis->clear();
    return false;
  }
  QTextDocument::FindFlags flags;
  if (backwards) flags |= QTextDocument::FindBackward;
  bool found = Seite->find(text, flags);
  if (!found) {
    // Once more from the other end of the page.
    QTextCursor cursor = Seite->textCursor();
    cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    Seite->setTextCursor(cursor);
    found = Seite->find(text, flags);
  }
  Suchergebnis->setText(found ? QString() : QString::fromUtf8("„%1“ steht nicht auf dieser Seite.").arg(text));
  return found;
}

}  // namespace korvex::gui
