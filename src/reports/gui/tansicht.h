#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace korvex {
class CollectionDocument;
class TDaten;
class TKategorie;
struct FormatSettings;
struct LookupLists;
struct WindowPlaces;
}  // namespace korvex

namespace korvex::gui {

// What the view reads besides the coin.
struct DetailViewServices {
  const CollectionDocument* document = nullptr;  // areas, currency symbol, picture folder
  const LookupLists* lookups = nullptr;          // the long names of the qualities
  const FormatSettings* format = nullptr;
  WindowPlaces* places = nullptr;                // `WdLinksAnzeige` / `WdObenAnzeige`
};

// "Übersicht über Münze": one coin with every field its area uses, the obverse and reverse
// previews, the coin's note and its history line.
//
// Two uses share the class. As the note editor of the entry dialog (`kTextEditor`) the note is
// editable, Tab is typed into it, the print buttons are hidden and "&Ok" hands the note back:
//   TAnsicht view(TAnsicht::Use::kTextEditor, services, entry_dialog);
//   view.SetAreaNumber(area); view.SetPicturePaths(obverse, {}); view.Fill(coin);
//   view.SetNoteText(note);
//   if (view.exec() == QDialog::Accepted) note = view.NoteText();
// As the read-only detail view of the main window (`kDetailView`) the note is read-only and
// "<" and ">" step through the grid's rows; its printing and the full-size picture windows are
// added with those commands.
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

  // Caption, value labels, slot and extra-field captions, previews and history line from a coin.
  void Fill(const TDaten& coin);

  // The note with CR LF line ends, as `TText` holds it.
  void SetNoteText(const std::string& text);
  std::string NoteText() const;

  // The caption and value label of a pair, by the value label's name ("Kaufpreis").
  QLabel* CaptionLabel(const QString& value_name) const;
  QLabel* ValueLabel(const QString& value_name) const;

  QLabel* DatumLabel = nullptr;
  QPlainTextEdit* AnsichtText = nullptr;
  QLabel* Bild1 = nullptr;
  QLabel* Bild2 = nullptr;
  QPushButton* DruckenOhneBild = nullptr;
  QPushButton* DruckenMitBild = nullptr;
  QPushButton* Ok = nullptr;
  QPushButton* Abbruch = nullptr;
  QPushButton* Prev = nullptr;
  QPushButton* Next = nullptr;

  // "<" or ">" closed the view.
  bool NextPressed() const { return next_pressed_; }
  bool PrevPressed() const { return prev_pressed_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  struct Pair;

  void BuildPairs();
  void BuildLayout();
  void ShowPreview(QLabel* preview, const std::string& path);
  std::string PictureFile(const std::string& reference) const;
  const TKategorie& Area() const;

  Use use_;
  DetailViewServices services_;
  std::vector<Pair> pairs_;
  int area_number_ = 1;
  std::string obverse_path_;
  std::string reverse_path_;
  bool next_pressed_ = false;
  bool prev_pressed_ = false;
};

}  // namespace korvex::gui
