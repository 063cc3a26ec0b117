#pragma once

#include <QDialog>
#include <QPrinter>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "reports/detailviewcontent.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace korvex {
class CardPrinterCatalogue;
class CollectionDocument;
class MessageService;
class TBildfenster;
class TDaten;
class TKategorie;
struct FormatSettings;
struct LookupLists;
struct ProgramSettings;
struct WindowPlaces;
}  // namespace korvex

namespace korvex::gui {

// Asks the user to confirm a print job on `printer` (the print dialog `DialogDrucker`); false
// when cancelled. Tests answer without a dialog, by pointing the printer at a PDF file.
using PrintConfirmation = std::function<bool(QPrinter& printer, QWidget* parent)>;

// What the view reads besides the coin.
struct DetailViewServices {
  const CollectionDocument* document = nullptr;  // areas, currency symbol, picture folder
  const LookupLists* lookups = nullptr;          // the long names of the qualities
  const FormatSettings* format = nullptr;
  WindowPlaces* places = nullptr;                // the view's and its picture windows' places
  // The picture display, the print font size and the card printer; the card set-up changes the
  // latter. Without it the view works with the defaults of a first start.
  ProgramSettings* settings = nullptr;
  MessageService* messages = nullptr;            // the card set-up's messages
  const CardPrinterCatalogue* printers = nullptr;  // the card set-up's printers and papers
  PrintConfirmation confirm_print;               // the print dialog; QPrintDialog when empty
};

// "Übersicht über Münze": one coin with every field its area uses, the obverse and reverse
// previews with two picture windows of its own, the coin's note and its history line; it prints
// the coin sheet (with or without the pictures) and the coin's index card.
//
// Two uses share the class. As the note editor of the entry dialog (`kTextEditor`) the note is
// editable, Tab is typed into it, the print buttons are hidden and "&Ok" hands the note back:
//   TAnsicht view(TAnsicht::Use::kTextEditor, services, entry_dialog);
//   view.SetAreaNumber(area); view.SetPicturePaths(obverse, {}); view.Fill(coin);
//   view.SetNoteText(note);
//   if (view.exec() == QDialog::Accepted) note = view.NoteText();
// As the read-only detail view of the main window (`kDetailView`) the note is read-only and
// "<" and ">" close the view so that the main window shows the neighbouring coin (ShowDetailView).
class TAnsicht : public QDialog {
  Q_OBJECT

 public:
  enum class Use { kDetailView, kTextEditor };

  TAnsicht(Use use, DetailViewServices services, QWidget* parent = nullptr);
  ~TAnsicht() override;

  Use use() const { return use_; }

  // The 1-based number of the collecting area whose switches and captions the view follows.
  void SetAreaNumber(int area) { area_number_ = area; }
  int AreaNumber() const { return area_number_; }
  // Picture references of the coin: bare names lie in the collection's picture folder.
  void SetPicturePaths(const std::string& obverse, const std::string& reverse);

  // Caption, value labels, slot and extra-field captions, icons, previews, picture toggles and
  // history line from a coin.
  void Fill(const TDaten& coin);

  // The note with CR LF line ends, as `TText` holds it.
  void SetNoteText(const std::string& text);
  std::string NoteText() const;

  // The menu "Datei" with the print and card commands, enabled by the main window.
  void SetFileMenuEnabled(bool enabled);

  // What the printouts print: the filled content with the note as the text box holds it.
  DetailViewContent PrintedContent() const;
  // The coin sheet ("ohne Bild", "mit Bild") and the index card, each after the print dialog.
  void PrintSheet(bool with_pictures);
  void PrintCard();
  // "Einrichten": the card set-up dialog.
  void SetUpCards();

  // The caption and value label of a pair, by the value label's name ("Kaufpreis").
  QLabel* CaptionLabel(const QString& value_name) const;
  QLabel* ValueLabel(const QString& value_name) const;

  TBildfenster& Bildfenster1() const { return *bildfenster1_; }
  TBildfenster& Bildfenster2() const { return *bildfenster2_; }
  // The printer of the print dialog, with the settings the last job left in it.
  QPrinter& Printer() { return printer_; }

  QLabel* DatumLabel = nullptr;
  QLabel* AEtui = nullptr;
  QLabel* AZertifikat = nullptr;
  QLabel* AAEtui = nullptr;
  QLabel* AAZertifikat = nullptr;
  QLabel* Inventarnr = nullptr;
  QPlainTextEdit* AnsichtText = nullptr;
  QLabel* Bild1 = nullptr;
  QLabel* Bild2 = nullptr;
  QPushButton* ZeigeBild1 = nullptr;
  QPushButton* ZeigeBild2 = nullptr;
  QPushButton* ZeigeBildAlle = nullptr;
  QPushButton* ZeigeBildKeins = nullptr;
  QPushButton* DruckenOhneBild = nullptr;
  QPushButton* DruckenMitBild = nullptr;
  QPushButton* Ok = nullptr;
  QPushButton* Abbruch = nullptr;
  QPushButton* Prev = nullptr;
  QPushButton* Next = nullptr;
  QMenu* AnsichtMenuDatei = nullptr;
  QAction* AnsichtKarteikartendrucken = nullptr;
  QTimer KontrollTimer;

  // "<" or ">" closed the view.
  bool NextPressed() const { return next_pressed_; }
  bool PrevPressed() const { return prev_pressed_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Pair;

  void BuildPairs();
  void BuildLayout();
  QLayout* BuildPictureButtons();
  void BuildMenu();
  void ShowPreview(QLabel* preview, const std::string& path);
  void ApplyPictureToggle(bool second);
  void ShowAllPictures();
  void ShowNoPictures();
  void FitToScreen();
  void RememberPicturePlaces();
  bool ConfirmPrint();
  const TKategorie& Area() const;
  DetailViewFormat ViewFormat() const;
  int PrintFontSize() const;
  const std::string& PictureFolder() const;

  Use use_;
  DetailViewServices services_;
  std::unique_ptr<ProgramSettings> own_settings_;
  std::unique_ptr<WindowPlaces> own_places_;
  std::vector<Pair> pairs_;
  DetailViewContent content_;
  std::unique_ptr<TBildfenster> bildfenster1_;
  std::unique_ptr<TBildfenster> bildfenster2_;
  QPrinter printer_;
  int area_number_ = 1;
  std::string obverse_path_;
  std::string reverse_path_;
  bool next_pressed_ = false;
  bool prev_pressed_ = false;
};

}  // namespace korvex::gui
