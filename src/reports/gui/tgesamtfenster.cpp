#include "reports/gui/tgesamtfenster.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "dialogs/windowplaces.h"
#include "platform/messages.h"
#include "reports/gui/printerchoice.h"
#include "reports/printpage.h"
#include "reports/statisticsprintout.h"

namespace korvex::gui {
namespace {

constexpr int kColumns = 6;
constexpr int kDesignWidth = 720;
constexpr int kPanelHeight = 64;
constexpr int kRowHeight = 22;
// Texts keep this distance from the cell border they are aligned to.
constexpr int kTextInset = 4;

// Heading cells (row 0 and column 0) are raised buttons with bold, left-aligned text; figure
// cells are white with right-aligned figures.
class StatistikZellen final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect cell = option.rect;
    const bool heading = index.row() == 0 || index.column() == 0;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(cell, heading ? palette.color(QPalette::Button) : QColor(Qt::white));
    QFont font = option.font;
    font.setBold(heading);
    painter->setFont(font);
    painter->setPen(heading ? palette.color(QPalette::ButtonText) : QColor(Qt::black));
    const QString text = index.data().toString();
    if (heading) {
      painter->drawText(cell.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
      painter->setPen(Qt::white);
      painter->drawLine(cell.topLeft(), cell.topRight());
      painter->drawLine(cell.topLeft(), cell.bottomLeft());
      painter->setPen(palette.color(QPalette::Shadow));
      painter->drawLine(cell.bottomLeft(), cell.bottomRight());
      painter->drawLine(cell.topRight(), cell.bottomRight());
    } else {
      painter->drawText(cell.adjusted(0, 0, -kTextInset, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter->restore();
  }
};

QString Text(const std::string& win1252) { return PrintText(win1252); }

QLabel* TotalLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

TGesamtfenster::TGesamtfenster(const CollectionDocument& document, const FormatSettings& format,
                               int print_font_size, WindowPlaces& places, PrinterChoice& printers,
                               MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      document_(document),
      format_(format),
      print_font_size_(print_font_size),
      places_(places),
      printers_(printers),
      messages_(messages) {
  setObjectName(QStringLiteral("Gesamtfenster"));
  setWindowTitle(QStringLiteral("Korvex - Statistik"));
  setMinimumSize(640, 250);

  GesamtGrid = new QTableWidget(this);
  GesamtGrid->setObjectName(QStringLiteral("GesamtGrid"));
  GesamtGrid->setColumnCount(kColumns);
  GesamtGrid->horizontalHeader()->hide();
  GesamtGrid->verticalHeader()->hide();
  GesamtGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  GesamtGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GesamtGrid->setSelectionMode(QAbstractItemView::NoSelection);
  GesamtGrid->setFocusPolicy(Qt::NoFocus);
  GesamtGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  GesamtGrid->setItemDelegate(new StatistikZellen(GesamtGrid));
  CreatePanel();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(GesamtGrid, 1);
  layout->addWidget(Panel1);

  connect(ButtonDrucken, &QPushButton::clicked, this, &TGesamtfenster::ButtonDruckenClick);
  connect(ButtonOk, &QPushButton::clicked, this, &TGesamtfenster::accept);
  PlaceOnScreen();
}

void TGesamtfenster::CreatePanel() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(kPanelHeight);
  Label1 = TotalLabel("Label1", Panel1);
  Label1->setText(Text(StatisticsTotalCaption()));
  LabelStueck = TotalLabel("LabelStueck", Panel1);
  Labelpreis = TotalLabel("Labelpreis", Panel1);
  Labelkaufpreis = TotalLabel("Labelkaufpreis", Panel1);
  LabelSchaetzwert = TotalLabel("LabelSchaetzwert", Panel1);
  LabelWertst = TotalLabel("LabelWertst", Panel1);
  for (QLabel* total : {LabelStueck, Labelpreis, Labelkaufpreis, LabelSchaetzwert, LabelWertst}) {
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  LabelPositionen = new QLabel(Panel1);
  LabelPositionen->setObjectName(QStringLiteral("LabelPositionen"));
  ButtonDrucken = new QPushButton(QStringLiteral("&Drucken"), Panel1);
  ButtonDrucken->setObjectName(QStringLiteral("ButtonDrucken"));
  ButtonOk = new QPushButton(QStringLiteral("&Ok"), Panel1);
  ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
  ButtonOk->setDefault(true);
}

void TGesamtfenster::PlaceOnScreen() {
  int height = places_.Gesamt_Hoehe;
  const QPoint place(places_.Gesamt_Links, places_.Gesamt_Oben);
  const QScreen* screen = QGuiApplication::screenAt(place);
  if (!screen) screen = QGuiApplication::primaryScreen();
  // A window taller than the screen would hide its buttons; the grid scrolls instead.
  if (screen && height > screen->availableGeometry().height() - 30) {
    height = screen->availableGeometry().height() - 30;
  }
  resize(kDesignWidth, std::max(height, minimumHeight()));
  // A place on a screen that is no longer attached would open the window out of reach.
  if (QGuiApplication::screenAt(place) != nullptr) move(place);
}

void TGesamtfenster::done(int result) {
  // A window closed before it was ever shown has no place of its own to remember.
  if (isVisible()) {
    places_.Gesamt_Links = x();
    places_.Gesamt_Oben = y();
    places_.Gesamt_Hoehe = height();
  }
  QDialog::done(result);
}

void TGesamtfenster::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!computed_) ComputeFigures();
  LayoutColumns();
}

void TGesamtfenster::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutColumns();
}

void TGesamtfenster::ComputeFigures() {
  computed_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const CollectionStatistics statistics = ComputeStatistics(document_);
  const int areas = static_cast<int>(statistics.areas.size());
  GesamtGrid->setRowCount(areas + 1);
  const auto set = [this](int row, int column, const std::string& text) {
    GesamtGrid->setItem(row, column, new QTableWidgetItem(Text(text)));
  };
  set(0, 0, {});
  for (int column = 1; column < kColumns; ++column) set(0, column, StatisticsHeadings()[column - 1]);
  const std::string& currency = document_.currency_symbol;
  for (int i = 0; i < areas; ++i) {
    set(i + 1, 0, statistics.area_names[i]);
    const auto texts = StatisticsRowTexts(statistics.areas[i], currency, format_);
    for (int column = 1; column < kColumns; ++column) set(i + 1, column, texts[column - 1]);
  }
  const auto totals = StatisticsRowTexts(statistics.total, currency, format_);
  const std::array<QLabel*, 5> labels = {LabelStueck, Labelpreis, Labelkaufpreis, LabelSchaetzwert, LabelWertst};
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(Text(totals[i]));
  LabelPositionen->setText(Text(StatisticsPositionsText(statistics.positions)));
  QApplication::restoreOverrideCursor();
}

void TGesamtfenster::LayoutColumns() {
  const int width = GesamtGrid->viewport()->width();
  const int share = width / 7;
  GesamtGrid->setColumnWidth(0, width - 5 * share);
  for (int column = 1; column < kColumns; ++column) GesamtGrid->setColumnWidth(column, share);

  const int grid_left = GesamtGrid->viewport()->mapTo(this, QPoint(0, 0)).x();
  const std::array<QLabel*, kColumns> labels = {Label1,         LabelStueck,      Labelpreis,
                                                Labelkaufpreis, LabelSchaetzwert, LabelWertst};
  for (int column = 0; column < kColumns; ++column) {
    const int left = grid_left + GesamtGrid->columnViewportPosition(column);
    const int inset = column == 0 ? kTextInset : 0;
    labels[column]->setGeometry(left + inset, 6, GesamtGrid->columnWidth(column) - kTextInset, 20);
  }
  LabelPositionen->setGeometry(grid_left + kTextInset, 36, Panel1->width() / 2, 20);
  const QSize button(90, 26);
  ButtonOk->setGeometry(Panel1->width() - button.width() - 8, 33, button.width(), button.height());
  ButtonDrucken->setGeometry(ButtonOk->x() - button.width() - 8, 33, button.width(), button.height());
}

void TGesamtfenster::ButtonDruckenClick() {
  QPrinter* printer = printers_.Choose(true, QString::fromLatin1(kStatisticsJobTitle));
  if (!printer) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const PrintOutcome outcome =
      PrintStatistics(*printer, MakeStatisticsPrintout(document_, format_, print_font_size_));
  QApplication::restoreOverrideCursor();
  if (outcome == PrintOutcome::kFailed) messages_.Error(kPrintFailedMessage);
}

}  // namespace korvex::gui
