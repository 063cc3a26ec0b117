#include "dialogs/gui/tfenstereingabefenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

#include "dialogs/gui/picturechooser.h"
#include "dialogs/gui/updown.h"
#include "help/gui/contexthelp.h"
#include "platform/widetext.h"
#include "model/collectiondocument.h"

namespace korvex::gui {
namespace {

// The help context number of each control; F1 looks a control's number up in the property
// "helpContext" set from this table (the help's topic table turns it into a page).
struct HelpEntry {
  const char* control;
  int context;
};
constexpr HelpEntry kHelpContexts[] = {
    {"Kategoriewahl", 1001},       {"EingabeInventarnr", 1002},
    {"EingabeQualitaet", 1003},    {"EingabeQualitaetLang", 1003},
    {"ENummer2", 1004},            {"ENummer1", 1004},
    {"ENummer3", 1004},            {"EingabeStueck", 1007},
    {"UpDown1", 1007},             {"EingabeLand", 1005},
    {"EingabeStadt", 1006},        {"EingabeMuenzmeister", 1008},
    {"EingabeHerstellung", 1009},  {"EingabePraegezahl", 1010},
    {"EingabeWaehrung", 1011},     {"EingabeMotiv1", 1012},
    {"EingabeMotiv2", 1013},       {"EingabeRand", 1014},
    {"EingabePraegejahr", 1015},   {"EAusgabeDatum", 1016},
    {"EAusgabeDatumWahl", 1016},   {"EGueltigBis", 1017},
    {"EGueltigBisWahl", 1017},     {"EingabePreis", 1018},
    {"EingabeSchaetzwert", 1019},  {"EingabeKaufpreis", 1020},
    {"EingabeDatum", 1021},        {"EingabeDatumWahl", 1021},
    {"EingabeGewicht", 1022},      {"EingabeFeingehalt", 1023},
    {"EingabeFeingewicht", 1024},  {"EingabeLegierung", 1026},
    {"EingabeHaendler", 1025},     {"EEtui", 1027},
    {"EZertifikat", 1028},         {"EingabeThema", 1029},
    {"EingabeDurchmesser", 1030},  {"EingabeMaxDurchmesser", 1031},
    {"EMuenzdicke", 1032},         {"EingabeAuflage", 1033},
    {"EingabeAufbewahrungsort", 1034}, {"EKuenstlerAvers", 1035},
    {"EKuenstlerRevers", 1036},    {"EingabeBild1", 1037},
    {"BildOeffnen1", 1037},        {"EingabeBild2", 1038},
    {"BildOeffnen2", 1038},        {"EingabeTextButton", 1039},
    {"EingabeNaechster", 1040},    {"EingabeOk", 1041},
    {"EingabeAbbruch", 1042},      {"Kategoriefrei", 1101},
    {"IstGleich", 1102},           {"IstGross", 1103},
    {"IstODER", 1104},             {"IstUND", 1105},
};

// The rows of the left column end with the purchase date; the picture rows span both columns.
constexpr const char* kLastLeftRow = "EingabeDatum";

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TFensterEingabeFenster::TFensterEingabeFenster(EntryDialogServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setObjectName("FensterEingabeFenster");
  // Only the system menu and the help button, no minimise or maximise.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
  if (!services_.pictures) {
    own_pictures_ = std::make_unique<FileDialogPictureChooser>(this);
    services_.pictures = own_pictures_.get();
  }

  panel_ = Named(new QWidget, "FeldPanel");
  BuildControls();
  BuildTemplateOptions();
  BuildButtons();
  ArrangeRows();
  SetTabOrder();
  ConnectRules();
  ApplyHelpContexts();
  InstallContextHelp(*this, services_.show_help);

  for (const auto& area : services_.document->areas) Kategoriewahl->addItem(FromWin1252(area->name));
}

TFensterEingabeFenster::~TFensterEingabeFenster() = default;

TFensterEingabeFenster::Row& TFensterEingabeFenster::AddRow(
    const char* caption, QWidget* control, std::vector<QWidget*> companions,
    std::function<bool(const TKategorie&)> used) {
  Row row;
  if (caption != nullptr) {
    row.label = Named(new QLabel(Utf8(caption), panel_),
                      (control->objectName() + "T").toUtf8().constData());
    row.label->setBuddy(control);
  }
  row.control = control;
  row.companions = std::move(companions);
  row.used = std::move(used);
  rows_.push_back(std::move(row));
  return rows_.back();
}

void TFensterEingabeFenster::BuildControls() {
  auto edit = [this](const char* name) { return Named(new QLineEdit(panel_), name); };
  auto combo = [this](const char* name, std::optional<LookupList> list) {
    auto* box = Named(new QComboBox(panel_), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    // Completes a typed text inline from the items, without regard to case.
    box->completer()->setCompletionMode(QCompleter::InlineCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    if (list) lookup_boxes_.push_back({box, *list});
    return box;
  };
  auto ellipsis = [this](const char* name, const char* hint) {
    auto* button = Named(new QToolButton(panel_), name);
    button->setText(QStringLiteral("..."));
    if (hint != nullptr) button->setToolTip(Utf8(hint));
    return button;
  };
  auto unit = [this](const char* name, const char* text) {
    return Named(new QLabel(Utf8(text), panel_), name);
  };

  Kategoriewahl = Named(new QComboBox(panel_), "Kategoriewahl");
  AddRow("&Sammelgebiet:", Kategoriewahl, {}, [](const TKategorie&) { return true; });
  EingabeInventarnr = edit("EingabeInventarnr");
  AddRow("Inventarnr.:", EingabeInventarnr, {}, [](const TKategorie& a) { return a.item; });

  EingabeQualitaet = combo("EingabeQualitaet", std::nullopt);
  EingabeQualitaetLang = combo("EingabeQualitaetLang", std::nullopt);
  for (QComboBox* box : {EingabeQualitaet, EingabeQualitaetLang}) box->setCompleter(nullptr);
  EingabeQualitaet->setMaximumWidth(70);
  AddRow("&Qualität:", EingabeQualitaet, {EingabeQualitaetLang},
         [](const TKategorie& a) { return a.quality; });

  ENummer2 = edit("ENummer2");
  ENummer2T = AddRow("&Jäger-Nr.:", ENummer2, {}, [](const TKategorie& a) {
                return a.number_active[1];
              }).label;
  ENummer1 = edit("ENummer1");
  ENummer1T = AddRow("Katalog&nummer:", ENummer1, {}, [](const TKategorie& a) {
                return a.number_active[0];
              }).label;
  ENummer3 = edit("ENummer3");
  ENummer3T = AddRow("&YEOMAN-Nummer:", ENummer3, {}, [](const TKategorie& a) {
                return a.number_active[2];
              }).label;

  EingabeStueck = edit("EingabeStueck");
  EingabeStueck->setText(QStringLiteral("0"));
  UpDown1 = Named(new UpDown(EingabeStueck, 0, 9999, false, panel_), "UpDown1");
  AddRow("S&tückzahl:", EingabeStueck, {UpDown1}, [](const TKategorie& a) { return a.count; });

  EingabeLand = combo("EingabeLand", LookupList::kLaender);
  AddRow("&Land:", EingabeLand, {}, [](const TKategorie& a) { return a.country; });
  EingabeStadt = combo("EingabeStadt", LookupList::kStaedte);
  AddRow("Stadt:", EingabeStadt, {}, [](const TKategorie& a) { return a.city; });
  EingabeMuenzmeister = combo("EingabeMuenzmeister", LookupList::kMuenzmeister);
  AddRow("Münzmeister:", EingabeMuenzmeister, {}, [](const TKategorie& a) { return a.master; });
  EingabeHerstellung = combo("EingabeHerstellung", LookupList::kPraegestaetten);
  AddRow("&Prägestätte:", EingabeHerstellung, {},
         [](const TKategorie& a) { return a.mintlocation; });
  EingabePraegezahl = edit("EingabePraegezahl");
  AddRow("Zahl / Wertzahl:", EingabePraegezahl, {}, [](const TKategorie& a) { return a.numeral; });
  EingabeWaehrung = combo("EingabeWaehrung", LookupList::kWaehrungen);
  AddRow("&Währung:", EingabeWaehrung, {}, [](const TKategorie& a) { return a.currency; });
  EingabeMotiv1 = combo("EingabeMotiv1", LookupList::kVorderseiten);
  EingabeMotiv1->setToolTip(Utf8("Vorderseite der Münze"));
  AddRow("Motiv &Avers:", EingabeMotiv1, {}, [](const TKategorie& a) { return a.av_motive; });
  EingabeMotiv2 = combo("EingabeMotiv2", LookupList::kRueckseiten);
  EingabeMotiv2->setToolTip(Utf8("Rückseite der Münze"));
  AddRow("Motiv &Revers:", EingabeMotiv2, {}, [](const TKategorie& a) { return a.rv_motive; });
  EingabeRand = combo("EingabeRand", LookupList::kRaender);
  AddRow("&Rand:", EingabeRand, {}, [](const TKategorie& a) { return a.border; });
  EingabePraegejahr = edit("EingabePraegejahr");
  AddRow("Prägeja&hr:", EingabePraegejahr, {}, [](const TKategorie& a) { return a.year; });
  EAusgabeDatum = edit("EAusgabeDatum");
  EAusgabeDatumWahl = ellipsis("EAusgabeDatumWahl", nullptr);
  AddRow("Ausgabedatum:", EAusgabeDatum, {EAusgabeDatumWahl},
         [](const TKategorie& a) { return a.date; });
  EGueltigBis = edit("EGueltigBis");
  EGueltigBisWahl = ellipsis("EGueltigBisWahl", nullptr);
  AddRow("Gültig bis:", EGueltigBis, {EGueltigBisWahl},
         [](const TKategorie& a) { return a.validtil; });

  EingabePreis = edit("EingabePreis");
  Currency2Text = unit("Currency2Text", "Currency");
  AddRow("&Katalogwert:", EingabePreis, {Currency2Text},
         [](const TKategorie& a) { return a.catalogue; });
  EingabeSchaetzwert = edit("EingabeSchaetzwert");
  EingabeSchaetzwertC = unit("EingabeSchaetzwertC", "Currency");
  AddRow("Schätzwert:", EingabeSchaetzwert, {EingabeSchaetzwertC},
         [](const TKategorie& a) { return a.estimate; });
  EingabeKaufpreis = edit("EingabeKaufpreis");
  Currency1Text = unit("Currency1Text", "Currency");
  AddRow("Ka&ufpreis:", EingabeKaufpreis, {Currency1Text},
         [](const TKategorie& a) { return a.purchaseprice; });
  EingabeDatum = edit("EingabeDatum");
  EingabeDatumWahl = ellipsis("EingabeDatumWahl", nullptr);
  AddRow("Kauf&datum:", EingabeDatum, {EingabeDatumWahl},
         [](const TKategorie& a) { return a.purchasedate; });

  EingabeGewicht = edit("EingabeGewicht");
  AddRow("(Brutto-) Gewicht:", EingabeGewicht, {unit("EingabeGewichtG", "g")},
         [](const TKategorie& a) { return a.weight; });
  EingabeFeingehalt = edit("EingabeFeingehalt");
  AddRow("Feingehalt:", EingabeFeingehalt, {}, [](const TKategorie& a) { return a.standard; });
  EingabeFeingewicht = edit("EingabeFeingewicht");
  AddRow("&Feingewicht:", EingabeFeingewicht, {unit("EingabeFeingewichtG", "g")},
         [](const TKategorie& a) { return a.fine; });
  EingabeLegierung = combo("EingabeLegierung", LookupList::kLegierungen);
  AddRow("L&egierung:", EingabeLegierung, {}, [](const TKategorie& a) { return a.alloy; });
  EingabeHaendler = combo("EingabeHaendler", LookupList::kHaendler);
  AddRow("&Händler:", EingabeHaendler, {}, [](const TKategorie& a) { return a.dealer; });
  EEtui = Named(new QCheckBox(QStringLiteral("Etui"), panel_), "EEtui");
  AddRow(nullptr, EEtui, {}, [](const TKategorie& a) { return a.case_; });
  EZertifikat = Named(new QCheckBox(QStringLiteral("Echtheitszertifikat"), panel_), "EZertifikat");
  AddRow(nullptr, EZertifikat, {}, [](const TKategorie& a) { return a.certificate; });
  EingabeThema = combo("EingabeThema", LookupList::kThemen);
  AddRow("Münzthema:", EingabeThema, {}, [](const TKategorie& a) { return a.theme; });
  EingabeDurchmesser = edit("EingabeDurchmesser");
  AddRow("Dur&chmesser (mm):", EingabeDurchmesser, {},
         [](const TKategorie& a) { return a.diameter_minimum; });
  EingabeMaxDurchmesser = edit("EingabeMaxDurchmesser");
  AddRow("Max. Durchm. (mm):", EingabeMaxDurchmesser, {},
         [](const TKategorie& a) { return a.diameter_maximum; });
  EMuenzdicke = edit("EMuenzdicke");
  AddRow("Münzdicke (mm):", EMuenzdicke, {}, [](const TKategorie& a) { return a.width; });
  EingabeAuflage = edit("EingabeAuflage");
  AddRow("&Auflage:", EingabeAuflage, {}, [](const TKategorie& a) { return a.circulation; });
  EingabeAufbewahrungsort = combo("EingabeAufbewahrungsort", LookupList::kAufbewahrung);
  AddRow("Auf&bewahrungsort:", EingabeAufbewahrungsort, {},
         [](const TKategorie& a) { return a.location; });
  EKuenstlerAvers = edit("EKuenstlerAvers");
  AddRow("Künstler Avers:", EKuenstlerAvers, {}, [](const TKategorie& a) { return a.av_artist; });
  EKuenstlerRevers = edit("EKuenstlerRevers");
  AddRow("Künstler Revers:", EKuenstlerRevers, {},
         [](const TKategorie& a) { return a.rv_artist; });
  static const char* const kExtraNames[] = {"EingabeZusatz1", "EingabeZusatz2", "EingabeZusatz3",
                                            "EingabeZusatz4", "EingabeZusatz5"};
  static const char* const kExtraCaptions[] = {"Frei Definierbar 1", "Frei Definierbar 2",
                                               "Frei Definierbar 3", "Frei Definierbar 4",
                                               "Frei Definierbar 5"};
  for (int i = 0; i < 5; ++i) {
    EingabeZusatz[i] = edit(kExtraNames[i]);
    EingabeZusatzT[i] = AddRow(kExtraCaptions[i], EingabeZusatz[i], {}, [i](const TKategorie& a) {
                          return a.z_active[i];
                        }).label;
  }

  EingabeBild1 = edit("EingabeBild1");
  BildOeffnen1 = ellipsis("BildOeffnen1", "Bild Vorderseite auswählen");
  AddRow("Bild Avers:", EingabeBild1, {BildOeffnen1},
         [](const TKategorie& a) { return a.av_picture; });
  EingabeBild2 = edit("EingabeBild2");
  BildOeffnen2 = ellipsis("BildOeffnen2", "Bild Rückseite auswählen");
  AddRow("Bild Revers:", EingabeBild2, {BildOeffnen2},
         [](const TKategorie& a) { return a.rv_picture; });
}

void TFensterEingabeFenster::BuildTemplateOptions() {
  template_options_ = Named(new QWidget(panel_), "Suchoptionen");
  IstODER = Named(new QRadioButton(Utf8("ODER: Eine Eigenschaft muss übereinstimmen"),
                                   template_options_), "IstODER");
  IstUND = Named(new QRadioButton(Utf8("UND: Alle Eigenschaften müssen übereinstimmen"),
                                  template_options_), "IstUND");
  IstUND->setChecked(true);
  Kategoriefrei = Named(new QCheckBox(Utf8("In allen &Sammelgebieten suchen"), template_options_),
                        "Kategoriefrei");
  Kategoriefrei->setChecked(true);
  IstGleich = Named(new QCheckBox(Utf8("Nur exakte Übereinstimmungen"), template_options_),
                    "IstGleich");
  IstGross = Named(new QCheckBox(Utf8("Groß- und Kleinschreibung beachten"), template_options_),
                   "IstGross");
  auto* layout = new QGridLayout(template_options_);
  layout->setContentsMargins(0, 8, 0, 0);
  layout->addWidget(IstODER, 0, 0);
  layout->addWidget(IstUND, 1, 0);
  layout->addWidget(Kategoriefrei, 0, 1);
  layout->addWidget(IstGleich, 1, 1);
  layout->addWidget(IstGross, 2, 1);
  layout->setColumnStretch(2, 1);
  template_options_->hide();
}

void TFensterEingabeFenster::BuildButtons() {
  EingabeTextButton = Named(new QPushButton(Utf8("Te&xt eingeben"), this), "EingabeTextButton");
  EingabeTextButton->setToolTip(Utf8("Einen begleitenden Text eingeben (Bemerkungen)"));
  EingabeNaechster = Named(new QPushButton(Utf8("Weitere Münze"), this), "EingabeNaechster");
  EingabeNaechster->setToolTip(Utf8("Eingaben übernehmen und eine weitere Münze eingeben"));
  EingabeOk = Named(new QPushButton(Utf8("&Ok"), this), "EingabeOk");
  EingabeOk->setToolTip(Utf8("Eingaben übernehmen"));
  EingabeOk->setDefault(true);
  EingabeAbbruch = Named(new QPushButton(Utf8("Abbruch"), this), "EingabeAbbruch");
  EingabeAbbruch->setToolTip(Utf8("Eingaben verwerfen"));
  for (QPushButton* button : {EingabeTextButton, EingabeNaechster, EingabeOk, EingabeAbbruch}) {
    button->setAutoDefault(false);
  }
}

void TFensterEingabeFenster::ArrangeRows() {
  auto* left = new QGridLayout;
  auto* right = new QGridLayout;
  auto* pictures = new QGridLayout;
  QGridLayout* grid = left;
  for (Row& row : rows_) {
    const bool picture_row = row.control == EingabeBild1 || row.control == EingabeBild2;
    QGridLayout* target = picture_row ? pictures : grid;
    const int line = target->rowCount();
    if (row.label) target->addWidget(row.label, line, 0);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(4);
    cell->addWidget(row.control, 1);
    for (QWidget* companion : row.companions) cell->addWidget(companion);
    target->addLayout(cell, line, 1);
    if (row.control->objectName() == kLastLeftRow) grid = right;
  }
  for (QGridLayout* column : {left, right, pictures}) {
    // The shorter column keeps its rows at the top.
    column->setRowStretch(column->rowCount(), 1);
    column->setColumnStretch(1, 1);
    column->setVerticalSpacing(4);
    column->setColumnMinimumWidth(1, 230);
  }
  auto* columns = new QHBoxLayout;
  columns->setSpacing(18);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  auto* panel_layout = new QVBoxLayout(panel_);
  panel_layout->addLayout(columns);
  panel_layout->addLayout(pictures);
  panel_layout->addWidget(template_options_);
  panel_layout->addStretch();

  scroll_ = Named(new QScrollArea(this), "ScrollBox");
  scroll_->setWidget(panel_);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(EingabeTextButton);
  buttons->addStretch();
  for (QPushButton* button : {EingabeNaechster, EingabeOk, EingabeAbbruch}) {
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(scroll_, 1);
  layout->addLayout(buttons);
}

void TFensterEingabeFenster::SetTabOrder() {
  std::vector<QWidget*> order;
  for (const Row& row : rows_) {
    order.push_back(row.control);
    for (QWidget* companion : row.companions) {
      if (companion->focusPolicy() != Qt::NoFocus) order.push_back(companion);
    }
  }
  for (QWidget* widget : std::initializer_list<QWidget*>{
           IstODER, IstUND, EingabeTextButton, EingabeNaechster, EingabeOk, EingabeAbbruch,
           Kategoriefrei, IstGleich, IstGross}) {
    order.push_back(widget);
  }
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TFensterEingabeFenster::ApplyHelpContexts() {
  setProperty("helpContext", kHelpContext);
  for (const HelpEntry& entry : kHelpContexts) {
    if (QWidget* control = findChild<QWidget*>(QString::fromLatin1(entry.control))) {
      control->setProperty("helpContext", entry.context);
    }
  }
}

int TFensterEingabeFenster::HelpContextOf(const QWidget* control) {
  for (const HelpEntry& entry : kHelpContexts) {
    if (control->objectName() == QLatin1String(entry.control)) return entry.context;
  }
  return 0;
}

QLabel* TFensterEingabeFenster::LabelOf(const QWidget* control) const {
  for (const Row& row : rows_) {
    if (row.control == control) return row.label;
  }
  return nullptr;
}

bool TFensterEingabeFenster::Shown(const QWidget* control) const { return !control->isHidden(); }

void TFensterEingabeFenster::ConnectRules() {
  // Entering and leaving fields: the event filter calls the rules.
  for (QWidget* field : std::initializer_list<QWidget*>{
           EingabeStueck, EingabePreis, EingabeKaufpreis, EingabeSchaetzwert, EingabeGewicht,
           EingabeFeingehalt, EingabeFeingewicht, EingabeDatum, EingabeQualitaet,
           EingabeQualitaetLang}) {
    field->installEventFilter(this);
  }
  for (const LookupBox& lookup : lookup_boxes_) lookup.box->installEventFilter(this);

  connect(EingabeQualitaet, &QComboBox::editTextChanged, this,
          &TFensterEingabeFenster::EingabeQualitaetChange);
  connect(EingabeQualitaetLang, &QComboBox::editTextChanged, this,
          &TFensterEingabeFenster::EingabeQualitaetLangChange);
  connect(EingabeDatumWahl, &QToolButton::clicked, this, [this] { PickDate(EingabeDatum); });
  connect(EAusgabeDatumWahl, &QToolButton::clicked, this, [this] { PickDate(EAusgabeDatum); });
  connect(EGueltigBisWahl, &QToolButton::clicked, this, [this] { PickDate(EGueltigBis); });
  connect(BildOeffnen1, &QToolButton::clicked, this, [this] { ChoosePicture(EingabeBild1); });
  connect(BildOeffnen2, &QToolButton::clicked, this, [this] { ChoosePicture(EingabeBild2); });
  connect(Kategoriewahl, &QComboBox::activated, this,
          &TFensterEingabeFenster::KategoriewahlChange);
  connect(EingabeOk, &QPushButton::clicked, this, &TFensterEingabeFenster::EingabeOkClick);
  connect(EingabeNaechster, &QPushButton::clicked, this,
          &TFensterEingabeFenster::EingabeNaechsterClick);
  connect(EingabeAbbruch, &QPushButton::clicked, this,
          &TFensterEingabeFenster::EingabeAbbruchClick);
  connect(EingabeTextButton, &QPushButton::clicked, this,
          &TFensterEingabeFenster::EingabeTextButtonClick);
}

bool TFensterEingabeFenster::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched == EingabeStueck) {
    EingabeStueckEnter();
  } else if (event->type() == QEvent::FocusOut) {
    // A popup of the field itself or another window in front is no leaving of the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      RunLeaveRule(watched);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFensterEingabeFenster::RunLeaveRule(QObject* control) {
  if (control == EingabeStueck) EingabeStueckExit();
  else if (control == EingabePreis) EingabePreisExit();
  else if (control == EingabeKaufpreis || control == EingabeSchaetzwert) {
    PriceExit(static_cast<QLineEdit*>(control));
  } else if (control == EingabeGewicht) WeightExit(WeightField::kWeight);
  else if (control == EingabeFeingehalt) WeightExit(WeightField::kFineness);
  else if (control == EingabeFeingewicht) WeightExit(WeightField::kFine);
  else if (control == EingabeDatum) EingabeDatumExit();
  else if (control == EingabeQualitaet) EingabeQualitaetExit();
  else if (control == EingabeQualitaetLang) EingabeQualitaetLangExit();
  else if (auto* box = qobject_cast<QComboBox*>(control)) LookupBoxExit(box);
}

void TFensterEingabeFenster::LeaveFocusedField() {
  QWidget* focused = focusWidget();
  if (focused == nullptr) return;
  // The line edit of a combo box stands for its box.
  if (auto* box = qobject_cast<QComboBox*>(focused->parentWidget()); box && box->lineEdit() == focused) {
    focused = box;
  }
  RunLeaveRule(focused);
}

}  // namespace korvex::gui
