#include "reports/gui/tansicht.h"

#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "dialogs/lookuplists.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "model/collectiondocument.h"
#include "model/numbertext.h"
#include "platform/widetext.h"
#include "reports/gui/tbildfenster.h"
#include "reports/picturelimits.h"
#include "reports/pictureloader.h"

namespace korvex::gui {
namespace {

constexpr int kPreviewSize = 160;
constexpr int kControlInterval = 500;

// The locale puts the currency symbol before the amount ("$1.00", "€ 1,00"). A machine with only
// the C locale gets German conventions, as everywhere else in the program.
bool CurrencyBeforeAmount() {
  const QLocale locale;
  if (locale.language() == QLocale::C) return false;
  return locale.toCurrencyString(1.0).startsWith(locale.currencySymbol());
}

}  // namespace

struct TAnsicht::Pair {
  QLabel* caption = nullptr;
  QLabel* value = nullptr;
  DetailColumn column = DetailColumn::kLeft;
};

TAnsicht::TAnsicht(Use use, DetailViewServices services, QWidget* parent)
    : QDialog(parent), use_(use), services_(std::move(services)) {
  setObjectName("Ansicht");
  setWindowTitle(QStringLiteral("Übersicht über Münze"));
  if (!services_.settings) {
    own_settings_ = std::make_unique<ProgramSettings>();
    services_.settings = own_settings_.get();
  }
  if (!services_.places) {
    own_places_ = std::make_unique<WindowPlaces>();
    services_.places = own_places_.get();
  }
  bildfenster1_ = std::make_unique<TBildfenster>(false, *services_.settings, *services_.places, this);
  bildfenster2_ = std::make_unique<TBildfenster>(true, *services_.settings, *services_.places, this);
  BuildPairs();
  BuildLayout();
  BuildMenu();
  KontrollTimer.setInterval(kControlInterval);
  connect(&KontrollTimer, &QTimer::timeout, this, [this] {
    if (!bildfenster1_->isVisible() && !bildfenster2_->isVisible()) RememberPicturePlaces();
  });
}

TAnsicht::~TAnsicht() = default;

const TKategorie& TAnsicht::Area() const {
  static const TKategorie kDefaultArea;
  const TKategorie* area = services_.document->Area(area_number_);
  return area ? *area : kDefaultArea;
}

DetailViewFormat TAnsicht::ViewFormat() const {
  DetailViewFormat format;
  format.format = *services_.format;
  format.currency_symbol = services_.document->currency_symbol;
  format.currency_before_amount = CurrencyBeforeAmount();
  if (services_.lookups) format.qualities = (*services_.lookups)[LookupList::kQualitaet];
  return format;
}

int TAnsicht::PrintFontSize() const { return services_.settings->Printer_Font_Size; }

const std::string& TAnsicht::PictureFolder() const { return services_.document->picture_folder(); }

void TAnsicht::BuildPairs() {
  // The pairs and their order come from the content of an empty coin.
  for (const DetailField& field : MakeDetailViewContent(TDaten{}, TKategorie{}, {}).fields) {
    Pair pair;
    pair.caption = new QLabel(FromWin1252(field.caption), this);
    pair.caption->setObjectName(QString::fromStdString(field.caption_name));
    pair.value = new QLabel(this);
    pair.value->setObjectName(QString::fromStdString(field.value_name));
    pair.value->setTextFormat(Qt::PlainText);
    pair.column = field.column;
    pairs_.push_back(pair);
  }
}

void TAnsicht::BuildLayout() {
  auto* top = new QGridLayout;
  auto* left = new QGridLayout;
  auto* right = new QGridLayout;
  for (const Pair& pair : pairs_) {
    QGridLayout* grid = pair.column == DetailColumn::kFullWidth ? top
                        : pair.column == DetailColumn::kLeft    ? left
                                                                : right;
    const int row = grid->rowCount();
    grid->addWidget(pair.caption, row, 0, Qt::AlignTop);
    grid->addWidget(pair.value, row, 1, Qt::AlignTop);
    pair.value->setWordWrap(pair.column == DetailColumn::kFullWidth);
  }
  for (QGridLayout* grid : {top, left, right}) {
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(1, 140);
  }

  auto icon = [this](const char* name, QStyle::StandardPixmap pixmap, const char* hint) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(style()->standardIcon(pixmap).pixmap(24, 24));
    label->setToolTip(QString::fromUtf8(hint));
    return label;
  };
  AEtui = icon("AEtui", QStyle::SP_DirClosedIcon, "Etui vorhanden");
  AZertifikat = icon("AZertifikat", QStyle::SP_FileIcon, "Zertifikat vorhanden");
  auto hidden = [this](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->hide();
    return label;
  };
  AAEtui = hidden("AAEtui");
  AAZertifikat = hidden("AAZertifikat");
  Inventarnr = hidden("Inventarnr");
  auto* icons = new QHBoxLayout;
  icons->addWidget(AEtui);
  icons->addWidget(AZertifikat);
  icons->addStretch();

  Bild1 = new QLabel(this);
  Bild1->setObjectName("Bild1");
  Bild2 = new QLabel(this);
  Bild2->setObjectName("Bild2");
  auto* previews = new QVBoxLayout;
  for (QLabel* preview : {Bild1, Bild2}) {
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setAutoFillBackground(true);
    preview->setBackgroundRole(QPalette::Button);
    preview->setCursor(Qt::PointingHandCursor);
    preview->installEventFilter(this);
    previews->addWidget(preview);
  }
  previews->addLayout(BuildPictureButtons());
  previews->addStretch();

  AnsichtText = new QPlainTextEdit(this);
  AnsichtText->setObjectName("AnsichtText");
  AnsichtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  AnsichtText->setMinimumHeight(60);
  AnsichtText->setFixedHeight(110);
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
  DruckenOhneBild->setVisible(!editor);
  DruckenMitBild->setVisible(!editor);
  Prev->setVisible(!editor);
  Next->setVisible(!editor);
  Abbruch->setVisible(editor);
  connect(DruckenOhneBild, &QPushButton::clicked, this, [this] { PrintSheet(false); });
  connect(DruckenMitBild, &QPushButton::clicked, this, [this] { PrintSheet(true); });
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
  fields->addLayout(icons);
  fields->addStretch();
  auto* body = new QHBoxLayout;
  body->addLayout(fields, 1);
  body->addLayout(previews);
  auto* buttons = new QHBoxLayout;
  auto* drucken = new QLabel(QStringLiteral("Drucken:"), this);
  drucken->setVisible(!editor);
  buttons->addWidget(drucken);
  for (QPushButton* b : {DruckenOhneBild, DruckenMitBild}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {Prev, Next, Ok, Abbruch}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(AnsichtText, 1);
  layout->addWidget(DatumLabel);
  layout->addLayout(buttons);
}

QLayout* TAnsicht::BuildPictureButtons() {
  auto* caption = new QLabel(QStringLiteral("Bilder in Original-\ngröße anzeigen:"), this);
  caption->setObjectName("ZeigeBildText");
  auto button = [this](const char* name, const char* text, bool toggle) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setCheckable(toggle);
    return b;
  };
  ZeigeBild1 = button("ZeigeBild1", "Bild 1", true);
  ZeigeBild2 = button("ZeigeBild2", "Bild 2", true);
  ZeigeBildAlle = button("ZeigeBildAlle", "Alle", false);
  ZeigeBildKeins = button("ZeigeBildKeins", "Keines", false);
  connect(ZeigeBild1, &QPushButton::clicked, this, [this] { ApplyPictureToggle(false); });
  connect(ZeigeBild2, &QPushButton::clicked, this, [this] { ApplyPictureToggle(true); });
  connect(ZeigeBildAlle, &QPushButton::clicked, this, &TAnsicht::ShowAllPictures);
  connect(ZeigeBildKeins, &QPushButton::clicked, this, &TAnsicht::ShowNoPictures);
  auto* grid = new QGridLayout;
  grid->addWidget(caption, 0, 0, 1, 2);
  grid->addWidget(ZeigeBild1, 1, 0);
  grid->addWidget(ZeigeBild2, 1, 1);
  grid->addWidget(ZeigeBildAlle, 2, 0);
  grid->addWidget(ZeigeBildKeins, 2, 1);
  return grid;
}

void TAnsicht::BuildMenu() {
  auto* bar = new QMenuBar(this);
  AnsichtMenuDatei = bar->addMenu(QStringLiteral("Datei"));
  AnsichtMenuDatei->setObjectName("AnsichtMenuDatei");
  QAction* drucken = AnsichtMenuDatei->addAction(QStringLiteral("Drucken"), this, [this] { PrintSheet(false); });
  drucken->setObjectName("AnsichtmenuDateiDrucken");
  drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  QMenu* karte = AnsichtMenuDatei->addMenu(QStringLiteral("Karteikarte"));
  karte->setObjectName("AnsichtMenuKarteikarte");
  AnsichtKarteikartendrucken = karte->addAction(QStringLiteral("&Drucken"), this, &TAnsicht::PrintCard);
  AnsichtKarteikartendrucken->setObjectName("AnsichtKarteikartendrucken");
  AnsichtKarteikartendrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  AnsichtKarteikartendrucken->setEnabled(!services_.settings->Printer_Kartei_Drucker.empty());
  QAction* einrichten = karte->addAction(QStringLiteral("Einrichten"), this, &TAnsicht::SetUpCards);
  einrichten->setObjectName("AnsichtKarteikarteneinrichten");
  QAction* ende = AnsichtMenuDatei->addAction(QStringLiteral("Ende"), this, &QDialog::reject);
  ende->setObjectName("AnsichtMenuDateiEnde");
  ende->setShortcut(QKeySequence(Qt::Key_Escape));
  // The shortcuts work while the menu is disabled only through the actions added to the view.
  addActions(AnsichtMenuDatei->actions());
  addAction(AnsichtKarteikartendrucken);
  SetFileMenuEnabled(false);
  layout()->setMenuBar(bar);
}

void TAnsicht::SetFileMenuEnabled(bool enabled) {
  AnsichtMenuDatei->setEnabled(enabled);
  for (QAction* action : AnsichtMenuDatei->actions()) {
    if (action->objectName() != "AnsichtMenuDateiEnde") action->setEnabled(enabled);
  }
  AnsichtKarteikartendrucken->setEnabled(enabled && !services_.settings->Printer_Kartei_Drucker.empty());
}

void TAnsicht::SetPicturePaths(const std::string& obverse, const std::string& reverse) {
  obverse_path_ = obverse;
  reverse_path_ = reverse;
}

void TAnsicht::ShowPreview(QLabel* preview, const std::string& path) {
  preview->clear();
  if (TrimBlanks(path).empty()) {
    preview->hide();
    return;
  }
  std::optional<LoadedPicture> picture;
  try {
    picture = LoadPicture(path, PictureFolder(), preview->size());
  } catch (const EPictureError&) {
  }
  if (!picture || picture->image.isNull()) {
    preview->hide();
    return;
  }
  const QImage& image = picture->image;
  // Pictures are shrunk to the preview, never enlarged; the scale follows the picture's own size.
  const QSize size = picture->original_size;
  const double scale = std::max({1.0, double(size.width()) / preview->width(),
                                 double(size.height()) / preview->height()});
  const QSize drawn(int(size.width() / scale), int(size.height() / scale));
  preview->setPixmap(QPixmap::fromImage(
      image.size() == drawn ? image : image.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  preview->show();
}

void TAnsicht::Fill(const TDaten& coin) {
  ZeigeBild1->setChecked(false);
  ZeigeBild2->setChecked(false);
  ZeigeBild1->setEnabled(!obverse_path_.empty());
  ZeigeBild2->setEnabled(!reverse_path_.empty());
  ZeigeBildAlle->setEnabled(ZeigeBild1->isEnabled() || ZeigeBild2->isEnabled());
  ZeigeBildKeins->setEnabled(ZeigeBildAlle->isEnabled());

  content_ = MakeDetailViewContent(coin, Area(), ViewFormat());
  content_.obverse_picture = obverse_path_;
  content_.reverse_picture = reverse_path_;
  setWindowTitle(FromWin1252(content_.caption));
  for (std::size_t i = 0; i < pairs_.size(); ++i) {
    const DetailField& field = content_.fields[i];
    const Pair& pair = pairs_[i];
    pair.caption->setVisible(field.shown);
    pair.value->setVisible(field.shown);
    pair.caption->setText(FromWin1252(field.caption));
    const QString text = FromWin1252(field.value);
    pair.value->setText(text);
    pair.value->setToolTip(text);
  }
  ValueLabel(QStringLiteral("Wertsteigerung"))
      ->setStyleSheet(content_.value_increase_negative ? QStringLiteral("color: red")
                                                       : QStringLiteral("color: blue"));
  AEtui->setVisible(content_.has_case && content_.area_uses_case);
  AZertifikat->setVisible(content_.has_certificate && content_.area_uses_certificate);
  AAEtui->setText(FromWin1252(DetailViewContent::PresenceText(content_.has_case)));
  AAZertifikat->setText(FromWin1252(DetailViewContent::PresenceText(content_.has_certificate)));
  Inventarnr->setText(FromWin1252(content_.item));
  DatumLabel->setText(FromWin1252(content_.history));
  SetNoteText(content_.note);
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

DetailViewContent TAnsicht::PrintedContent() const {
  DetailViewContent content = content_;
  content.note = NoteText();
  return content;
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

// --- picture windows ---

void TAnsicht::ApplyPictureToggle(bool second) {
  QPushButton* toggle = second ? ZeigeBild2 : ZeigeBild1;
  TBildfenster& window = second ? *bildfenster2_ : *bildfenster1_;
  if (toggle->isChecked()) {
    bool shown = false;
    try {
      shown = window.ShowPicture(second ? reverse_path_ : obverse_path_, PictureFolder(), windowTitle(),
                                 second ? bildfenster1_.get() : nullptr, frameGeometry());
    } catch (const EPictureError&) {
    }
    if (!shown) {
      toggle->setChecked(false);
      toggle->setEnabled(false);
    }
  } else {
    window.close();
  }
  // The second window keeps its place beside the first.
  if (!second && bildfenster2_->isVisible()) {
    try {
      bildfenster2_->ShowPicture(reverse_path_, PictureFolder(), windowTitle(), bildfenster1_.get(),
                                 frameGeometry());
    } catch (const EPictureError&) {
      bildfenster2_->close();
    }
  }
}

void TAnsicht::ShowAllPictures() {
  for (QPushButton* toggle : {ZeigeBild1, ZeigeBild2}) {
    if (toggle->isEnabled() && !toggle->isChecked()) {
      toggle->setChecked(true);
      ApplyPictureToggle(toggle == ZeigeBild2);
    }
  }
}

void TAnsicht::ShowNoPictures() {
  for (QPushButton* toggle : {ZeigeBild1, ZeigeBild2}) {
    if (toggle->isChecked()) {
      toggle->setChecked(false);
      ApplyPictureToggle(toggle == ZeigeBild2);
    }
  }
}

bool TAnsicht::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && (watched == Bild1 || watched == Bild2)) {
    QPushButton* toggle = watched == Bild1 ? ZeigeBild1 : ZeigeBild2;
    if (toggle->isEnabled()) toggle->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAnsicht::RememberPicturePlaces() {
  WindowPlaces& places = *services_.places;
  // A window that was never shown has no place of its own yet; it keeps the remembered one.
  if (bildfenster1_->windowHandle()) {
    places.Graphik_Links = bildfenster1_->x();
    places.Graphik_Oben = bildfenster1_->y();
  }
  if (bildfenster2_->windowHandle()) {
    places.Graphik2_Links = bildfenster2_->x();
    places.Graphik2_Oben = bildfenster2_->y();
  }
}

// --- showing and closing ---

void TAnsicht::FitToScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  adjustSize();
  // Lower text box, buttons moved up with it, until the view fits the screen height.
  while (frameGeometry().height() >= available.height() - 50 &&
         AnsichtText->height() - 10 >= AnsichtText->minimumHeight()) {
    AnsichtText->setFixedHeight(AnsichtText->height() - 10);
    adjustSize();
  }
  if (frameGeometry().width() >= available.width() - 25) resize(width() - 20, height());
}

void TAnsicht::showEvent(QShowEvent* event) {
  next_pressed_ = false;
  prev_pressed_ = false;
  move(services_.places->WdLinksAnzeige, services_.places->WdObenAnzeige);
  FitToScreen();
  QDialog::showEvent(event);
  const PictureDisplay display = services_.settings->Graphik_Auto;
  if (display == PictureDisplay::kWithRecord || display == PictureDisplay::kAlways) {
    bildfenster1_->hide();
    bildfenster2_->hide();
    ShowAllPictures();
  }
  KontrollTimer.start();
  (use_ == Use::kTextEditor ? static_cast<QWidget*>(AnsichtText) : Ok)->setFocus();
}

void TAnsicht::done(int result) {
  KontrollTimer.stop();
  RememberPicturePlaces();
  services_.places->WdLinksAnzeige = pos().x();
  services_.places->WdObenAnzeige = pos().y();
  bildfenster1_->close();
  bildfenster2_->close();
  QDialog::done(result);
}

}  // namespace korvex::gui
