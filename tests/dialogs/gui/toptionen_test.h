#pragma once

#include <QObject>

class TOptionenTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void FirstStartShowsDefaults();
  void OkWritesEveryPageToStore();
  void CancelRestoresStoredSettings();
  void PictureGroupsMapTheirCodes_data();
  void PictureGroupsMapTheirCodes();
  void UnusablePrintFontSizeKeepsPresentOne();
  void SwitchesEnableTheirControls();
  void FileChoiceWithoutExtensionGetsVov();
  void CurrencyPageOffersRatesOfTheFile();
  void ConfirmedCurrencyChangeRequestsConversion();
  void NonNumericAmountsAreRefused();
  void AnsweringNoClearsAnEarlierRequest();
  void EqualCurrenciesAskNothing();
  void DialogKeepsItsPlace();
};
