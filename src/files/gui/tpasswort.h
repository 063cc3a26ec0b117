#pragma once

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex {
class MessageService;
}

namespace korvex::gui {

// The password dialog "Passwort" in its two forms.
//
// Setting a password ("&Passwort..."):
//   TPasswort dialog(TPasswort::Form::kSetting, messages, mainWindow);
//   switch (dialog.Run()) {
//     case TPasswort::Result::kOk: document.SetPassword(dialog.PasswordText()); ...
//     case TPasswort::Result::kDelete: document.SetPassword(""); ...
//     default: nothing changes
//   }
// Asking for the password of a file: Form::kAsking, or Form::kAskingWriteProtected when the
// file may also be opened write-protected (the button "Schreib&geschützt" then answers
// Result::kReadOnly). GuiPasswordPrompt wraps the asking form for the file readers.
//
// The typed password comes back as Windows-1252 like every password the program holds.
class TPasswort : public QDialog {
  Q_OBJECT

 public:
  enum class Form { kAsking, kAskingWriteProtected, kSetting };
  enum class Result { kOk, kCancel, kDelete, kReadOnly };

  TPasswort(Form form, MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally and tells which button closed it.
  Result Run();
  // The button that closed the dialog, also when it was closed without Run().
  Result ClosedWith() const;

  std::string PasswordText() const;

  QLabel* Label2 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Passwort = nullptr;
  QLabel* BestaetigungT = nullptr;
  QLineEdit* Bestaetigung = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Abbruch = nullptr;
  QPushButton* Loeschen = nullptr;
  QPushButton* Schreibschutz = nullptr;

 private slots:
  void PasswortChange();
  void OKClick();

 private:
  // Exit codes beside QDialog::Accepted and QDialog::Rejected.
  static constexpr int kDeleteCode = 2;
  static constexpr int kReadOnlyCode = 3;

  void CreateControls();
  void ApplyForm(Form form);

  MessageService& messages_;
  bool asks_confirmation_ = false;
};

}  // namespace korvex::gui
