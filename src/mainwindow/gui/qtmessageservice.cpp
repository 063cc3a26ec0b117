#include "mainwindow/gui/qtmessageservice.h"

#include <QApplication>
#include <QMessageBox>

namespace korvex {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kError: return QMessageBox::Critical;
    case MessageKind::kWarning: return QMessageBox::Warning;
    case MessageKind::kInformation: return QMessageBox::Information;
    case MessageKind::kQuestion: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk: return QMessageBox::Ok;
    case MessageButtons::kCancel: return QMessageBox::Cancel;
    case MessageButtons::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::kAbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::kRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel: return MessageAnswer::kCancel;
    case QMessageBox::Yes: return MessageAnswer::kYes;
    case QMessageBox::No: return MessageAnswer::kNo;
    case QMessageBox::Abort: return MessageAnswer::kAbort;
    case QMessageBox::Retry: return MessageAnswer::kRetry;
    case QMessageBox::Ignore: return MessageAnswer::kIgnore;
    default: return MessageAnswer::kOk;
  }
}

// Closing a question with Escape or the title bar must mean the cautious answer.
QMessageBox::StandardButton EscapeButtonOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kYesNo: return QMessageBox::No;
    case MessageButtons::kAbortRetryIgnore: return QMessageBox::Abort;
    case MessageButtons::kOk: return QMessageBox::Ok;
    default: return QMessageBox::Cancel;
  }
}

}  // namespace

MessageAnswer QtMessageService::Show(MessageKind kind, const std::string& text,
                                     MessageButtons buttons, const std::string& caption) {
  QMessageBox box(IconOf(kind),
                  caption.empty() ? QApplication::applicationName() : QString::fromStdString(caption),
                  QString::fromStdString(text), ButtonsOf(buttons), parent_);
  box.setEscapeButton(EscapeButtonOf(buttons));
  QApplication::beep();
  return AnswerOf(box.exec());
}

}  // namespace korvex
