#include "mainwindow/gui/recordcommands.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalBlocker>

#include "dialogs/gui/tfenstereingabefenster.h"
#include "files/picturefiles.h"
#include "help/gui/helpwindowhost.h"
#include "mainwindow/coinclipboard.h"
#include "mainwindow/coinpaste.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/gui/tpreisfenster.h"
#include "mainwindow/quickprice.h"
#include "mainwindow/recordbookkeeping.h"
#include "mainwindow/stepcaptions.h"
#include "model/datetime.h"
#include "platform/messages.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

PictureCopyOption PictureOption(PictureCopy setting) {
  switch (setting) {
    case PictureCopy::kAlways: return PictureCopyOption::kAlways;
    case PictureCopy::kNever: return PictureCopyOption::kNever;
    case PictureCopy::kAsk: break;
  }
  return PictureCopyOption::kAsk;
}

// The clipboard's plain text as the bytes another program put there; Qt's own decoding when
// there are none.
std::string ClipboardBytes() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return {};
  const QByteArray raw = data->data(QStringLiteral("text/plain"));
  if (!raw.isEmpty()) return raw.toStdString();
  return data->text().toStdString();
}

// A step that may move coins (every command here sorts afterwards) and change `coin`'s values.
StepScope CoinScope(TDaten* coin = nullptr) {
  StepScope scope;
  scope.order = true;
  if (coin) scope.coins = {coin};
  return scope;
}

}  // namespace

RecordCommands::RecordCommands(THauptfenster& window) : window_(window) {
  Connect("MenuBearbeitenNeu", &RecordCommands::MenuBearbeitenNeuClick);
  Connect("SpeedNeu", &RecordCommands::MenuBearbeitenNeuClick);
  Connect("DatenPopUpNeu", &RecordCommands::MenuBearbeitenNeuClick);
  Connect("MenuBearbeitenAendern", &RecordCommands::MenuBearbeitenAendernClick);
  Connect("SpeedAendern", &RecordCommands::MenuBearbeitenAendernClick);
  Connect("DatenPopUpAendern", &RecordCommands::MenuBearbeitenAendernClick);
  Connect("MenuBearbeitenPreisaendern", &RecordCommands::MenuBearbeitenPreisaendernClick);
  Connect("MenuBearbeitenLoeschen", &RecordCommands::MenuBearbeitenLoeschenClick);
  Connect("SpeedLoeschen", &RecordCommands::MenuBearbeitenLoeschenClick);
  Connect("DatenPopUpLoeschen", &RecordCommands::MenuBearbeitenLoeschenClick);
  Connect("MenuBearbeitenAusschneiden", &RecordCommands::MenuBearbeitenAusschneidenClick);
  Connect("SpeedAusschneiden", &RecordCommands::MenuBearbeitenAusschneidenClick);
  Connect("MenuBearbeitenKopieren", &RecordCommands::MenuBearbeitenKopierenClick);
  Connect("SpeedKopieren", &RecordCommands::MenuBearbeitenKopierenClick);
  Connect("MenuBearbeitenEinfuegen", &RecordCommands::MenuBearbeitenEinfuegenClick);
  Connect("SpeedEinfuegen", &RecordCommands::MenuBearbeitenEinfuegenClick);
}

RecordCommands::~RecordCommands() = default;

void RecordCommands::Connect(const char* name, void (RecordCommands::*handler)()) {
  QObject::connect(window_.Action(QString::fromLatin1(name)), &QAction::triggered, &window_,
                   [this, handler] { (this->*handler)(); });
}

int RecordCommands::Exec(QDialog& dialog) const { return window_.Dialogs().ExecModal(dialog); }

std::unique_ptr<gui::TFensterEingabeFenster> RecordCommands::CreateEntryDialog() const {
  gui::EntryDialogServices services;
  services.document = &window_.Document();
  services.lookups = &window_.EditableLookups();
  services.format = &window_.Format();
  services.places = &window_.Places();
  services.messages = &window_.Messages();
  TStatuszeile* status = window_.Statuszeile();
  services.clear_status_message = [status] { status->SetPanelText(0, QString()); };
  services.show_help = window_.Help().Handler();
  return std::make_unique<gui::TFensterEingabeFenster>(std::move(services), &window_);
}

void RecordCommands::ShowEntryDialog(gui::TFensterEingabeFenster& dialog, EntryPurpose purpose) {
  dialog.setWindowTitle(FromWin1252(EntryDialogTitle(purpose, window_.AreaName(dialog.AreaIndex))));
  dialog.EingabeOkPressed = false;
  Exec(dialog);
}

void RecordCommands::TakeOverValues(gui::TFensterEingabeFenster& dialog, TDaten& record) const {
  dialog.StoreRecord();
  record.Assign(*dialog.EditedRecord());
  dialog.ReleaseRecord();
  CollectionDocument& doc = window_.Document();
  if (doc.has_name) {
    AdoptRecordPictures(record, doc, PictureOption(window_.Settings().Graphik_Copy), window_.Messages());
  }
}

// ---------------------------------------------------------------------------------------------
// New, change, delete

void RecordCommands::MenuBearbeitenNeuClick() {
  CollectionDocument& doc = window_.Document();
  if (!doc.writable() || doc.current_view == kAllCoinsView || !doc.Area(doc.current_view)) return;
  const auto dialog = CreateEntryDialog();
  dialog->SetPurpose(EntryPurpose::kNew);
  TDaten* taken = nullptr;
  do {
    std::unique_ptr<TDaten> record = NewRecordFor(doc);
    dialog->AreaIndex = doc.current_view;
    dialog->AreaChanged = false;
    for (;;) {
      dialog->IstAenderung = false;
      if (!dialog->AreaChanged) dialog->LoadRecord(*record);
      ShowEntryDialog(*dialog, EntryPurpose::kNew);
      if (!dialog->AreaChanged) break;
      record->category = dialog->AreaIndex;
    }
    if (!dialog->EingabeOkPressed) break;
    record->category = dialog->AreaIndex;
    TakeOverValues(*dialog, *record);
    // Each coin of a "Weitere Münze" run is a step; the sort after the run belongs to the last.
    StepRecorder& step = window_.BeginStep(CoinScope());
    taken = TakeOverNewCoin(doc, std::move(record), Now());
    step.SetCaption(CoinStepCaption(CoinStep::kNew, *taken));
    window_.SetModified(true);
    window_.BuildRows();
    window_.SelectCoin(taken);
  } while (dialog->IstNaechster);
  window_.SetNeedsResort();
  window_.BuildRows();
  if (taken) window_.SelectCoin(taken);
  window_.FinishStep();
}

TDaten* RecordCommands::ChangeOnce(gui::TFensterEingabeFenster& dialog, TDaten& coin, bool& changed) {
  CollectionDocument& doc = window_.Document();
  const bool all_coins = doc.current_view == kAllCoinsView;
  const int starting_area = coin.category;
  const int starting_view = doc.current_view;
  // The dialog reads the note; a coin without one gets it back without one, so that an undo
  // finds it as it was.
  const bool had_note = coin.description != nullptr;
  if (!had_note) coin.description = std::make_unique<TText>();
  dialog.AreaIndex = coin.category;
  dialog.AreaChanged = false;
  for (;;) {
    {
      const QSignalBlocker blocker(dialog.Kategoriewahl);
      dialog.Kategoriewahl->setCurrentIndex(dialog.AreaIndex - 1);
    }
    dialog.IstAenderung = true;
    if (!dialog.AreaChanged) dialog.LoadRecord(coin);
    ShowEntryDialog(dialog, EntryPurpose::kChange);
    if (!dialog.AreaChanged) break;
    coin.category = dialog.AreaIndex;
    if (!all_coins) doc.current_view = dialog.AreaIndex;
  }
  if (!had_note) coin.description.reset();
  TDaten* successor = nullptr;
  if (dialog.EingabeOkPressed) {
    // The area switches above changed the coin and the view while the dialog ran; the step starts
    // from the coin as it was.
    const int shown_view = doc.current_view;
    coin.category = starting_area;
    doc.current_view = starting_view;
    StepRecorder& step = window_.BeginStep(CoinScope(&coin));
    doc.current_view = shown_view;
    coin.category = dialog.AreaIndex;
    TakeOverValues(dialog, coin);
    successor = TakeOverChangedCoin(doc, &coin, Now());
    step.SetCaption(CoinStepCaption(CoinStep::kChange, coin));
    window_.ShowView(THauptfenster::kKeepView);
    window_.SetModified(true);
    changed = true;
  } else {
    coin.category = starting_area;
    if (!all_coins) doc.current_view = starting_area;
  }
  dialog.IstAenderung = false;
  return successor;
}

void RecordCommands::MenuBearbeitenAendernClick() {
  TDaten* coin = window_.CoinOfRow();
  if (!coin || !window_.Document().writable()) return;
  const auto dialog = CreateEntryDialog();
  dialog->SetPurpose(EntryPurpose::kChange);
  bool changed = false;
  while (coin) {
    TDaten* from = ChangeOnce(*dialog, *coin, changed);
    if (!dialog->IstNaechster) break;
    TDaten* next = NextCoinInView(window_.Document(), from, &window_.Filter());
    if (!next) {
      window_.Messages().Warning("Artikel nicht gefunden");
      break;
    }
    coin = next;
  }
  window_.SetNeedsResort();
  // A view that followed the area switch of a cancelled change goes back with it.
  window_.ShowView(THauptfenster::kKeepView);
  if (coin) window_.SelectCoin(coin);
  window_.FinishStep();
}

void RecordCommands::Delete(bool cut) {
  CollectionDocument& doc = window_.Document();
  TDaten* coin = window_.CoinOfRow();
  if (!coin || !doc.writable()) return;
  const auto dialog = CreateEntryDialog();
  dialog->SetPurpose(cut ? EntryPurpose::kCut : EntryPurpose::kDelete);
  dialog->AreaIndex = coin->category;
  dialog->LoadRecord(*coin);
  {
    const QSignalBlocker blocker(dialog->Kategoriewahl);
    dialog->Kategoriewahl->setCurrentIndex(dialog->AreaIndex - 1);
  }
  ShowEntryDialog(*dialog, cut ? EntryPurpose::kCut : EntryPurpose::kDelete);
  if (!dialog->EingabeOkPressed) return;
  const int row = window_.Grid().RowOfCoin(coin);
  StepRecorder& step = window_.BeginStep(CoinScope(), CoinStepCaption(cut ? CoinStep::kCut : CoinStep::kDelete, *coin));
  step.KeepRemoved(DeleteCoin(doc, coin));
  window_.SetModified(true);
  window_.SetNeedsResort();
  window_.BuildRows();
  // The row below the deleted one moves up into its place.
  window_.SelectCoin(window_.Grid().CoinOfRow(std::min(row, window_.Grid().ShownCount())));
  window_.FinishStep();
}

void RecordCommands::MenuBearbeitenLoeschenClick() { Delete(false); }

// ---------------------------------------------------------------------------------------------
// Clipboard

void RecordCommands::MenuBearbeitenKopierenClick() {
  const TDaten* coin = window_.CoinOfRow();
  if (!coin) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(CoinClipboardText(*coin, window_.Document())));
}

void RecordCommands::MenuBearbeitenAusschneidenClick() {
  if (!window_.CoinOfRow() || !window_.Document().writable()) return;
  MenuBearbeitenKopierenClick();
  Delete(true);
}

void RecordCommands::MenuBearbeitenEinfuegenClick() {
  CollectionDocument& doc = window_.Document();
  if (!doc.writable() || doc.current_view == 0) return;
  StepRecorder& step = window_.BeginStep(CoinScope());
  const PasteOutcome outcome = PasteCoins(doc, ClipboardBytes(), window_.Format(),
                                          PictureOption(window_.Settings().Graphik_Copy), window_.Messages());
  if (outcome.pasted > 0) {
    step.SetCaption(PasteStepCaption(outcome.pasted));
    window_.SetModified(true);
    window_.ShowView(outcome.last->category);
    window_.SelectCoin(outcome.last);
  }
  window_.FinishStep();
  if (outcome.failed) window_.Messages().Error(kNoCoinsOnClipboard);
}

// ---------------------------------------------------------------------------------------------
// Quick price change

void RecordCommands::MenuBearbeitenPreisaendernClick() {
  CollectionDocument& doc = window_.Document();
  TDaten* coin = window_.CoinOfRow();
  if (!coin || !doc.writable()) return;
  TPreisfenster dialog(&window_);
  for (;;) {
    dialog.ShowCoin(QuickPriceTextsFor(*coin, doc, window_.Format()), coin->next != nullptr);
    const int result = Exec(dialog);
    if (result == QDialog::Rejected) break;
    // Each pass is a step; the sort after the last pass belongs to it.
    window_.BeginStep(CoinScope(coin), CoinStepCaption(CoinStep::kQuickPrice, *coin));
    StoreQuickPrices(*coin, ToWin1252(dialog.Preis->text()), ToWin1252(dialog.Schaetzwert->text()));
    window_.SetModified(true);
    if (result != TPreisfenster::kNaechste) break;
    TDaten* next = NextQuickPriceCoin(doc, *coin);
    if (!next) break;
    coin = next;
    window_.BuildRows();
    window_.SelectCoin(coin);
  }
  window_.BuildRows();
  if (doc.current_view != kAllCoinsView && coin->category != doc.current_view) window_.ShowView(coin->category);
  window_.SelectCoin(coin);
  window_.SetNeedsResort();
  window_.FinishStep();
}

}  // namespace korvex
