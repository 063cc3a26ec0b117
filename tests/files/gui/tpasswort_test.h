#pragma once

#include <QObject>

class TPasswortTest : public QObject {
  Q_OBJECT

 private slots:
  void FormsShowTheirControls();
  void OkEnabledByTheTypedTexts_data();
  void OkEnabledByTheTypedTexts();
  void MismatchKeepsDialogOpen();
  void ButtonsReportHowTheDialogClosed();
  void PasswordTextIsWindows1252();
  void PromptAnswersTypedPassword();
  void PromptCancelAnswersNothing();
  void PromptOffersWriteProtectedOpening();
};
