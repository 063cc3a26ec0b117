#include "files/gui/tpasswort_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/modalhelper.h"
#include "common/scriptedmessages.h"
#include "files/gui/guipasswordprompt.h"
#include "files/gui/tpasswort.h"

using korvex::gui::GuiPasswordPrompt;
using korvex::gui::TPasswort;
using korvex::test::ScriptedMessages;
using korvex::test::WhenModalShown;
using Form = TPasswort::Form;
using Result = TPasswort::Result;

Q_DECLARE_METATYPE(TPasswort::Form)

void TPasswortTest::FormsShowTheirControls() {
  ScriptedMessages messages;
  TPasswort setting(Form::kSetting, messages);
  QCOMPARE(setting.windowTitle(), QString("Passwort"));
  QVERIFY(!setting.Label2->isHidden());
  QVERIFY(!setting.BestaetigungT->isHidden());
  QVERIFY(!setting.Bestaetigung->isHidden());
  QVERIFY(!setting.Loeschen->isHidden());
  QVERIFY(setting.Schreibschutz->isHidden());
  QCOMPARE(setting.Passwort->echoMode(), QLineEdit::Password);
  QCOMPARE(setting.Bestaetigung->echoMode(), QLineEdit::Password);

  TPasswort asking(Form::kAsking, messages);
  QVERIFY(asking.Label2->isHidden());
  QVERIFY(asking.Bestaetigung->isHidden());
  QVERIFY(asking.BestaetigungT->isHidden());
  QVERIFY(asking.Loeschen->isHidden());
  QVERIFY(asking.Schreibschutz->isHidden());
  QVERIFY(!asking.Passwort->isHidden());
  // The asking form shrinks to its panel.
  asking.show();
  setting.show();
  QVERIFY(asking.height() < setting.height());

  TPasswort writeProtected(Form::kAskingWriteProtected, messages);
  QVERIFY(!writeProtected.Schreibschutz->isHidden());
  QVERIFY(writeProtected.Bestaetigung->isHidden());
}

void TPasswortTest::OkEnabledByTheTypedTexts_data() {
  QTest::addColumn<TPasswort::Form>("form");
  QTest::addColumn<QString>("password");
  QTest::addColumn<QString>("confirmation");
  QTest::addColumn<bool>("enabled");
  QTest::newRow("setting, nothing typed") << Form::kSetting << "" << "" << false;
  QTest::newRow("setting, password only") << Form::kSetting << "abc" << "" << false;
  QTest::newRow("setting, confirmation only") << Form::kSetting << "" << "abc" << false;
  QTest::newRow("setting, both (even differing)") << Form::kSetting << "abc" << "x" << true;
  QTest::newRow("asking, nothing typed") << Form::kAsking << "" << "" << false;
  QTest::newRow("asking, password") << Form::kAsking << "abc" << "" << true;
}

void TPasswortTest::OkEnabledByTheTypedTexts() {
  QFETCH(TPasswort::Form, form);
  QFETCH(QString, password);
  QFETCH(QString, confirmation);
  QFETCH(bool, enabled);
  ScriptedMessages messages;
  TPasswort dialog(form, messages);
  QTest::keyClicks(dialog.Passwort, password);
  if (form == Form::kSetting) QTest::keyClicks(dialog.Bestaetigung, confirmation);
  QCOMPARE(dialog.OK->isEnabled(), enabled);
}

void TPasswortTest::MismatchKeepsDialogOpen() {
  ScriptedMessages messages;
  TPasswort dialog(Form::kSetting, messages);
  dialog.show();
  dialog.Passwort->setText("geheim");
  dialog.Bestaetigung->setText("geheim2");
  QTest::mouseClick(dialog.OK, Qt::LeftButton);
  QVERIFY(dialog.isVisible());
  QCOMPARE(messages.shown().size(), size_t{1});
  QCOMPARE(messages.shown()[0].text,
           std::string("Die Bestätigung und das Passwort stimmen nicht überein!"));
  QVERIFY(messages.shown()[0].kind == korvex::MessageKind::kError);

  dialog.Bestaetigung->setText("geheim");
  QTest::mouseClick(dialog.OK, Qt::LeftButton);
  QVERIFY(!dialog.isVisible());
  QVERIFY(dialog.ClosedWith() == Result::kOk);
  QCOMPARE(dialog.PasswordText(), std::string("geheim"));
  QCOMPARE(messages.shown().size(), size_t{1});
}

void TPasswortTest::ButtonsReportHowTheDialogClosed() {
  ScriptedMessages messages;
  struct Case {
    Form form;
    QPushButton* TPasswort::*button;
    Result expected;
  };
  const Case cases[] = {
      {Form::kSetting, &TPasswort::Loeschen, Result::kDelete},
      {Form::kSetting, &TPasswort::Abbruch, Result::kCancel},
      {Form::kAskingWriteProtected, &TPasswort::Schreibschutz, Result::kReadOnly},
      {Form::kAsking, &TPasswort::Abbruch, Result::kCancel},
  };
  for (const Case& c : cases) {
    TPasswort dialog(c.form, messages);
    dialog.show();
    dialog.Passwort->setText("x");
    QTest::mouseClick(dialog.*(c.button), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.ClosedWith() == c.expected);
  }
  QVERIFY(messages.shown().empty());
}

void TPasswortTest::PasswordTextIsWindows1252() {
  ScriptedMessages messages;
  TPasswort dialog(Form::kAsking, messages);
  dialog.Passwort->setText(QString::fromUtf8("Münze€"));
  QCOMPARE(dialog.PasswordText(), std::string("M\xFCnze\x80"));
}

void TPasswortTest::PromptAnswersTypedPassword() {
  ScriptedMessages messages;
  QWidget parent;
  GuiPasswordPrompt prompt(messages, &parent);
  bool seen = false;
  WhenModalShown<TPasswort>(
      [](TPasswort& dialog) {
        QVERIFY(dialog.Bestaetigung->isHidden());
        QVERIFY(dialog.Label2->isHidden());
        QTest::keyClicks(dialog.Passwort, QString::fromUtf8("Großvater"));
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
      },
      &seen);
  const std::optional<std::string> answer = prompt.AskPassword("Sammlung.mvc");
  QVERIFY(seen);
  QVERIFY(answer.has_value());
  QCOMPARE(*answer, std::string("Gro\xDFvater"));
}

void TPasswortTest::PromptCancelAnswersNothing() {
  ScriptedMessages messages;
  GuiPasswordPrompt prompt(messages, nullptr);
  bool seen = false;
  WhenModalShown<TPasswort>(
      [](TPasswort& dialog) {
        QTest::keyClicks(dialog.Passwort, "typed");
        QTest::mouseClick(dialog.Abbruch, Qt::LeftButton);
      },
      &seen);
  QVERIFY(!prompt.AskPassword("Sammlung.mvc").has_value());
  QVERIFY(seen);
}

void TPasswortTest::PromptOffersWriteProtectedOpening() {
  ScriptedMessages messages;
  GuiPasswordPrompt prompt(messages, nullptr);
  bool seen = false;
  WhenModalShown<TPasswort>(
      [](TPasswort& dialog) {
        QVERIFY(!dialog.Schreibschutz->isHidden());
        QTest::mouseClick(dialog.Schreibschutz, Qt::LeftButton);
      },
      &seen);
  korvex::PasswordAnswer answer = prompt.AskPasswordOrWriteProtected("alt.kvl", true);
  QVERIFY(seen);
  QVERIFY(answer.button == korvex::PasswordAnswer::Button::kWriteProtected);

  // Without the offer the button stays hidden and OK answers the typed text.
  WhenModalShown<TPasswort>(
      [](TPasswort& dialog) {
        QVERIFY(dialog.Schreibschutz->isHidden());
        QTest::keyClicks(dialog.Passwort, "alt");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
      },
      &seen);
  answer = prompt.AskPasswordOrWriteProtected("alt.kvl", false);
  QVERIFY(answer.button == korvex::PasswordAnswer::Button::kOk);
  QCOMPARE(answer.text, std::string("alt"));
}

QTEST_MAIN(TPasswortTest)
