#include "reports/gui/tansicht.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "dialogs/entryfields.h"
#include "dialogs/lookuplists.h"
#include "dialogs/windowplaces.h"
#include "model/collectiondocument.h"
#include "model/datetime.h"
#include "model/numberformat.h"
#include "model/numbertext.h"
#include "model/paths.h"
#include "platform/widetext.h"
#include "reports/detailviewtexts.h"

namespace korvex::gui {
namespace {

constexpr int kPreviewSize = 160;

// Where a pair stands: the full-width lines at the top, or the left or right column.
enum class Place { kTop, kLeft, kRight };

}  // namespace

struct TAnsicht::Pair {
  QLabel* caption = nullptr;
  QLabel* value = nullptr;
  Place place = Place::kLeft;
  std::function<bool(const TKategorie&)> used;
  std::function<std::string(const TDaten&, const TKategorie&)> text;
};

TAnsicht::TAnsicht(Use use, DetailViewServices services, QWidget* parent)
    : QDialog(parent), use_(use), services_(services) {
  setObjectName("Ansicht");
  setWindowTitle(QStringLiteral("Übersicht über Münze"));
  BuildPairs();
  BuildLayout();
}

TAnsicht::~TAnsicht() = default;

const TKategorie& TAnsicht::Area() const {
  static const TKategorie kDefaultArea;
  const TKategorie* area = services_.document->Area(area_number_);
  return area ? *area : kDefaultArea;
}

void TAnsicht::BuildPairs() {
  const FormatSettings& format = *services_.format;
  auto money = [this, &format](double value) {
    return FormatMoney(value, services_.document->currency_symbol, format);
  };
  auto add = [this](const char* caption_name, const char* caption, const char* value_name,
                    Place place, std::function<bool(const TKategorie&)> used,
                    std::function<std::string(const TDaten&, const TKategorie&)> text) {
    Pair pair;
    pair.caption = new QLabel(QString::fromUtf8(caption), this);
    pair.caption->setObjectName(caption_name);
    pair.value = new QLabel(this);
    pair.value->setObjectName(value_name);
    pair.value->setTextFormat(Qt::PlainText);
    pair.place = place;
    pair.used = std::move(used);
    pair.text = std::move(text);
    pairs_.push_back(std::move(pair));
  };
  auto always = [](const TKategorie&) { return true; };

  add("SammelgebietT", "Sammelgebiet:", "Sammelgebiet", Place::kTop, always,
      [](const TDaten&, const TKategorie& a) { return a.name; });
  add("Motiv1T", "Motiv Avers:", "Motiv1", Place::kTop,
      [](const TKategorie& a) { return a.av_motive; },
      [](const TDaten& c, const TKategorie&) { return c.av_motive; });
  add("Motiv2T", "Motiv Revers:", "Motiv2", Place::kTop,
      [](const TKategorie& a) { return a.rv_motive; },
      [](const TDaten& c, const TKategorie&) { return c.rv_motive; });
  add("ARandT", "Rand:", "ARand", Place::kTop, [](const TKategorie& a) { return a.border; },
      [](const TDaten& c, const TKategorie&) { return c.border; });

  add("AStadtT", "Stadt:", "AStadt", Place::kLeft, [](const TKategorie& a) { return a.city; },
      [](const TDaten& c, const TKategorie&) { return c.city; });
  add("AMuenzmeisterT", "Münzmeister:", "AMuenzmeister", Place::kLeft,
      [](const TKategorie& a) { return a.master; },
      [](const TDaten& c, const TKategorie&) { return c.master; });
  add("PraegestaetteT", "Prägestätte:", "Praegestaette", Place::kLeft,
      [](const TKategorie& a) { return a.mintlocation; },
      [](const TDaten& c, const TKategorie&) { return c.mintlocation; });
  add("AAusgabedatumT", "Ausgabedatum:", "AAusgabedatum", Place::kLeft,
      [](const TKategorie& a) { return a.date; },
      [](const TDaten& c, const TKategorie&) { return c.date; });
  add("AGueltigbisT", "Gültig bis:", "AGueltigBis", Place::kLeft,
      [](const TKategorie& a) { return a.validtil; },
      [](const TDaten& c, const TKategorie&) { return c.validtil; });
  add("QualitaetT", "Qualität:", "Qualitaet", Place::kLeft,
      [](const TKategorie& a) { return a.quality; },
      [this](const TDaten& c, const TKategorie&) {
        return c.quality + "  -  " +
               QualityLongNameOf((*services_.lookups)[LookupList::kQualitaet], c.quality);
      });
  for (int slot = 1; slot <= 3; ++slot) {
    const std::string caption = "ANummer" + std::to_string(slot) + "T";
    const std::string value = "ANummer" + std::to_string(slot);
    add(caption.c_str(), "", value.c_str(), Place::kLeft,
        [slot](const TKategorie& a) { return a.number_active[slot - 1]; },
        [slot](const TDaten& c, const TKategorie& a) {
          return CatalogueNumberText(c, a.number_kind[slot - 1]);
        });
  }
  add("AnzahlT", "Stückzahl:", "Anzahl", Place::kLeft, [](const TKategorie& a) { return a.count; },
      [](const TDaten& c, const TKategorie&) { return FormatD(c.count); });
  add("KatalogwertT", "Katalogwert:", "Katalogwert", Place::kLeft,
      [](const TKategorie& a) { return a.catalogue; },
      [money](const TDaten& c, const TKategorie&) { return money(c.catalogue); });
  add("GesamtwertT", "Gesamtwert:", "Gesamtwert", Place::kLeft,
      [](const TKategorie& a) { return a.catalogue; },
      [money](const TDaten& c, const TKategorie&) {
        return money(static_cast<double>(c.CatalogueSum()));
      });
  add("ASchaetzwertT", "Schätzwert:", "ASchaetzwert", Place::kLeft,
      [](const TKategorie& a) { return a.estimate; },
      [money](const TDaten& c, const TKategorie&) { return money(c.estimate); });
  add("KaufpreisT", "Kaufpreis:", "Kaufpreis", Place::kLeft,
      [](const TKategorie& a) { return a.purchaseprice; },
      [money](const TDaten& c, const TKategorie&) { return money(c.purchaseprice); });
  add("WertsteigerungT", "Wertsteigerung:", "Wertsteigerung", Place::kLeft,
      [](const TKategorie& a) { return a.catalogue && a.purchaseprice; },
      [&format](const TDaten& c, const TKategorie&) {
        return FormatN(ValueIncrease(c.catalogue, c.purchaseprice), 2, format) + "%";
      });
  add("KaufdatumT", "Kaufdatum:", "Kaufdatum", Place::kLeft,
      [](const TKategorie& a) { return a.purchasedate; },
      [&format](const TDaten& c, const TKategorie&) {
        return c.purchasedate == kNoDate ? std::string("?")
                                         : FormatDate(c.purchasedate, format.short_date_format);
      });
  add("AKuenstlerAversT", "Künstler Avers:", "AKuenstlerAvers", Place::kLeft,
      [](const TKategorie& a) { return a.av_artist; },
      [](const TDaten& c, const TKategorie&) { return c.av_artist; });
  add("AKuenstlerReversT", "Künstler Revers:", "AKuenstlerRevers", Place::kLeft,
      [](const TKategorie& a) { return a.rv_artist; },
      [](const TDaten& c, const TKategorie&) { return c.rv_artist; });

  add("AGewichtT", "Gewicht:", "AGewicht", Place::kRight,
      [](const TKategorie& a) { return a.weight; },
      [&format](const TDaten& c, const TKategorie&) { return FormatN(c.weight, 3, format) + " g"; });
  add("AFeingehaltT", "Feingehalt:", "AFeingehalt", Place::kRight,
      [](const TKategorie& a) { return a.standard; },
      [](const TDaten& c, const TKategorie&) { return c.standard; });
  add("FeingewichtT", "Feingewicht:", "Feingewicht", Place::kRight,
      [](const TKategorie& a) { return a.fine; },
      [&format](const TDaten& c, const TKategorie&) { return FormatN(c.fine, 3, format) + " g"; });
  add("AMuenzdickeT", "Dicke/Stärke:", "AMuenzdicke", Place::kRight,
      [](const TKategorie& a) { return a.width; },
      [&format](const TDaten& c, const TKategorie&) { return FormatN(c.width, 2, format) + " mm"; });
  add("DurchmesserT", "Durchmesser:", "Durchmesser", Place::kRight,
      [](const TKategorie& a) { return a.diameter_minimum; },
      [&format](const TDaten& c, const TKategorie& a) {
        std::string text = FormatN(c.diameter_minimum, 2, format);
        if (a.diameter_maximum && c.diameter_maximum > 0) {
          text += " - " + FormatN(c.diameter_maximum, 2, format);
        }
        return text + " mm";
      });
  add("AuflageT", "Auflage:", "Auflage", Place::kRight,
      [](const TKategorie& a) { return a.circulation; },
      [](const TDaten& c, const TKategorie&) { return CirculationText(c.circulation); });
  add("LegierungT", "Legierung:", "Legierung", Place::kRight,
      [](const TKategorie& a) { return a.alloy; },
      [](const TDaten& c, const TKategorie&) { return c.alloy; });
  add("HaendlerT", "Händler:", "Haendler", Place::kRight,
      [](const TKategorie& a) { return a.dealer; },
      [](const TDaten& c, const TKategorie&) { return c.dealer; });
  add("OrtT", "Aufbewahrungsort:", "Ort", Place::kRight,
      [](const TKategorie& a) { return a.location; },
      [](const TDaten& c, const TKategorie&) { return c.location; });
  add("AnzLandT", "Land:", "AnzLand", Place::kRight, [](const TKategorie& a) { return a.country; },
      [](const TDaten& c, const TKategorie&) { return c.country; });
  for (int n = 1; n <= 5; ++n) {
    const std::string caption = "Zusatz" + std::to_string(n) + "T";
    const std::string value = "Zusatz" + std::to_string(n);
    add(caption.c_str(), "", value.c_str(), Place::kRight,
        [n](const TKategorie& a) { return a.z_active[n - 1]; },
        [n](const TDaten& c, const TKategorie&) { return c.Z(n); });
  }
}

void TAnsicht::BuildLayout() {
  auto* top = new QGridLayout;
  auto* left = new QGridLayout;
  auto* right = new QGridLayout;
  for (const Pair& pair : pairs_) {
    QGridLayout* grid = pair.place == Place::kTop ? top : pair.place == Place::kLeft ? left : right;
    const int row = grid->rowCount();
    grid->addWidget(pair.caption, row, 0, Qt::AlignTop);
    grid->addWidget(pair.value, row, 1, Qt::AlignTop);
    pair.value->setWordWrap(pair.place == Place::kTop);
  }
  for (QGridLayout* grid : {top, left, right}) {
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(1, 140);
  }

  Bild1 = new QLabel(this);
  Bild1->setObjectName("Bild1");
  Bild2 = new QLabel(this);
  Bild2->setObjectName("Bild2");
  auto* previews = new QVBoxLayout;
  for (QLabel* preview : {Bild1, Bild2}) {
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setAutoFillBackground(true);
    previews->addWidget(preview);
  }
  previews->addStretch();

  AnsichtText = new QPlainTextEdit(this);
  AnsichtText->setObjectName("AnsichtText");
  AnsichtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  AnsichtText->setMinimumHeight(110);
  const bool editor = use_ == Use::kTextEditor;
  AnsichtText->setReadOnly(!editor);
  // In the note editor Tab is typed into the note; in the detail view it moves on.
  AnsichtText->setTabChangesFocus(!editor);

  DatumLabel = new QLabel(this);
  DatumLabel->setObjectName("DatumLabel");
  QFont small(QStringLiteral("Arial"));
  small.setPointSizeF(font().pointSizeF() * 0.85);
  DatumLabel->setFont(small);

  auto button = [this](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  DruckenOhneBild = button("DruckenOhneBild", "ohne Bild");
  DruckenMitBild = button("DruckenMitBild", "mit Bild");
  Prev = button("Prev", "<");
  Next = button("Next", ">");
  Ok = button("Ok", "&Ok");
  Ok->setDefault(true);
  Abbruch = button("Abbruch", "Abbruch");
  // Printing the sheet comes with the print commands; the note editor never prints.
  for (QPushButton* print : {DruckenOhneBild, DruckenMitBild}) {
    print->setVisible(false);
    print->setEnabled(false);
  }
  Prev->setVisible(!editor);
  Next->setVisible(!editor);
  Abbruch->setVisible(editor);
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
  connect(Next, &QPushButton::clicked, this, [this] {
    next_pressed_ = true;
    accept();
  });
  connect(Prev, &QPushButton::clicked, this, [this] {
    prev_pressed_ = true;
    accept();
  });

  auto* columns = new QHBoxLayout;
  columns->setSpacing(16);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  auto* fields = new QVBoxLayout;
  fields->addLayout(top);
  fields->addLayout(columns);
  fields->addStretch();
  auto* body = new QHBoxLayout;
  body->addLayout(fields, 1);
  body->addLayout(previews);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {DruckenOhneBild, DruckenMitBild}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {Prev, Next, Ok, Abbruch}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(AnsichtText, 1);
  layout->addWidget(DatumLabel);
  layout->addLayout(buttons);
}

void TAnsicht::SetPicturePaths(const std::string& obverse, const std::string& reverse) {
  obverse_path_ = obverse;
  reverse_path_ = reverse;
}

std::string TAnsicht::PictureFile(const std::string& reference) const {
  if (HasNoDirectory(reference)) return services_.document->picture_folder() + reference;
  return reference;
}

void TAnsicht::ShowPreview(QLabel* preview, const std::string& path) {
  preview->clear();
  if (TrimBlanks(path).empty()) {
    preview->hide();
    return;
  }
  QImageReader reader(FromWin1252(PictureFile(path)));
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    preview->hide();
    return;
  }
  // Pictures are shrunk to the preview, never enlarged.
  const double scale = std::max({1.0, double(image.width()) / preview->width(),
                                 double(image.height()) / preview->height()});
  preview->setPixmap(QPixmap::fromImage(image.scaled(int(image.width() / scale),
                                                     int(image.height() / scale),
                                                     Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation)));
  preview->show();
}

void TAnsicht::Fill(const TDaten& coin) {
  const TKategorie& area = Area();
  setWindowTitle(FromWin1252(DetailViewCaption(coin)));
  for (const Pair& pair : pairs_) {
    const bool shown = pair.used(area);
    pair.caption->setVisible(shown);
    pair.value->setVisible(shown);
    const QString text = FromWin1252(pair.text(coin, area));
    pair.value->setText(text);
    pair.value->setToolTip(text);
  }
  for (int slot = 1; slot <= 3; ++slot) {
    CaptionLabel(QStringLiteral("ANummer%1").arg(slot))
        ->setText(FromWin1252(CatalogueSlotCaption(area, slot)));
  }
  for (int n = 1; n <= 5; ++n) {
    CaptionLabel(QStringLiteral("Zusatz%1").arg(n))->setText(FromWin1252(area.ExtraName(n)));
  }
  QLabel* increase = ValueLabel(QStringLiteral("Wertsteigerung"));
  increase->setStyleSheet(ValueIncrease(coin.catalogue, coin.purchaseprice) >= 0
                              ? QStringLiteral("color: blue")
                              : QStringLiteral("color: red"));
  DatumLabel->setText(FromWin1252(HistoryLine(coin, area, *services_.format)));
  SetNoteText(coin.description ? coin.description->text : std::string());
  ShowPreview(Bild1, obverse_path_);
  ShowPreview(Bild2, reverse_path_);
}

void TAnsicht::SetNoteText(const std::string& text) {
  QString note = FromWin1252(text);
  note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  AnsichtText->setPlainText(note);
}

std::string TAnsicht::NoteText() const {
  QString note = AnsichtText->toPlainText();
  note.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToWin1252(note);
}

QLabel* TAnsicht::ValueLabel(const QString& value_name) const {
  for (const Pair& pair : pairs_) {
    if (pair.value->objectName() == value_name) return pair.value;
  }
  return nullptr;
}

QLabel* TAnsicht::CaptionLabel(const QString& value_name) const {
  for (const Pair& pair : pairs_) {
    if (pair.value->objectName() == value_name) return pair.caption;
  }
  return nullptr;
}

void TAnsicht::showEvent(QShowEvent* event) {
  next_pressed_ = false;
  prev_pressed_ = false;
  if (services_.places) move(services_.places->WdLinksAnzeige, services_.places->WdObenAnzeige);
  QDialog::showEvent(event);
  (use_ == Use::kTextEditor ? static_cast<QWidget*>(AnsichtText) : Ok)->setFocus();
}

void TAnsicht::done(int result) {
  if (services_.places) {
    services_.places->WdLinksAnzeige = pos().x();
    services_.places->WdObenAnzeige = pos().y();
  }
  QDialog::done(result);
}

}  // namespace korvex::gui
