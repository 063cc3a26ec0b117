#include "dialogs/areafieldswitches.h"

#include "dialogs/arearules.h"

namespace korvex {
namespace {

template <bool TKategorie::*member>
bool& Member(TKategorie& area) {
  return area.*member;
}

template <int slot>
bool& NumberActive(TKategorie& area) {
  return area.number_active[slot - 1];
}

template <int field>
bool& ExtraActive(TKategorie& area) {
  return area.z_active[field - 1];
}

}  // namespace

const std::vector<AreaFieldSwitch>& AreaFieldSwitches() {
  static const std::vector<AreaFieldSwitch> switches = {
      {"KInventarnr", "Inventarnummer", &Member<&TKategorie::item>},
      {"Qualitaet", "Qualität", &Member<&TKategorie::quality>},
      {"Nummer1", "", &NumberActive<1>, SwitchRole::kNumberSlot, 1},
      {"Nummer2", "", &NumberActive<2>, SwitchRole::kNumberSlot, 2},
      {"Nummer3", "", &NumberActive<3>, SwitchRole::kNumberSlot, 3},
      {"Stueck", "Stückzahl", &Member<&TKategorie::count>},
      {"Land", "Land", &Member<&TKategorie::country>},
      {"KStadt", "Stadt", &Member<&TKategorie::city>},
      {"KMuenzmeister", "Münzmeister", &Member<&TKategorie::master>},
      {"Kuenstler_Avers", "Künstler Avers", &Member<&TKategorie::av_artist>},
      {"Kuenstler_Revers", "Künstler Revers", &Member<&TKategorie::rv_artist>},
      {"Praegestaette", "Prägestätte", &Member<&TKategorie::mintlocation>},
      {"Praegezahl", "Zahl / Wertzahl", &Member<&TKategorie::numeral>},
      {"Waehrung", "Währungsbezeichnung", &Member<&TKategorie::currency>},
      {"Thema", "Münzthema", &Member<&TKategorie::theme>},
      {"Motiv1", "Motiv Avers", &Member<&TKategorie::av_motive>},
      {"Motiv2", "Motiv Revers", &Member<&TKategorie::rv_motive>},
      {"Preis", "Katalogwert", &Member<&TKategorie::catalogue>},
      {"KSchaetzwert", "Schätzwert", &Member<&TKategorie::estimate>},
      {"Jahr", "Prägejahr", &Member<&TKategorie::year>},
      {"Ausgabedatum", "Ausgabedatum", &Member<&TKategorie::date>},
      {"GueltigBis", "Gültig-Bis-Datum", &Member<&TKategorie::validtil>},
      {"Kaufpreis", "Kaufpreis", &Member<&TKategorie::purchaseprice>},
      {"Datum", "Kaufdatum", &Member<&TKategorie::purchasedate>},
      {"KGewicht", "(Brutto-) Gewicht", &Member<&TKategorie::weight>},
      {"KFeingehalt", "Feingehalt", &Member<&TKategorie::standard>},
      {"KFeingewicht", "Feingewicht", &Member<&TKategorie::fine>},
      {"Durchmesser", "Durchmesser", &Member<&TKategorie::diameter_minimum>, SwitchRole::kDiameter},
      {"KDurchmesserMax", "Maximal-Durchmesser", &Member<&TKategorie::diameter_maximum>,
       SwitchRole::kDiameterMaximum},
      {"KRand", "Rand", &Member<&TKategorie::border>},
      {"Auflage", "Auflage", &Member<&TKategorie::circulation>},
      {"Legierung", "Legierung", &Member<&TKategorie::alloy>},
      {"Ort", "Aufbewahrungsort", &Member<&TKategorie::location>},
      {"Haendler", "Händler", &Member<&TKategorie::dealer>},
      {"Etui", "Etui vorhanden", &Member<&TKategorie::case_>},
      {"Zertifikat", "Echtheitszertifikat vorh.", &Member<&TKategorie::certificate>},
      {"Zusatz1", "", &ExtraActive<1>, SwitchRole::kExtraField, 1},
      {"Zusatz2", "Zusatz2", &ExtraActive<2>, SwitchRole::kExtraField, 2},
      {"Zusatz3", "Zusatz3", &ExtraActive<3>, SwitchRole::kExtraField, 3},
      {"Zusatz4", "Zusatz4", &ExtraActive<4>, SwitchRole::kExtraField, 4},
      {"Zusatz5", "Zusatz5", &ExtraActive<5>, SwitchRole::kExtraField, 5},
      {"KMuenzdicke", "Münzdicke", &Member<&TKategorie::width>},
  };
  return switches;
}

void SetAreaSwitch(TKategorie& area, const AreaFieldSwitch& field_switch, bool on) {
  switch (field_switch.role) {
    case SwitchRole::kDiameter:
      SetDiameterUsed(area, on);
      return;
    case SwitchRole::kDiameterMaximum:
      area.diameter_maximum = on && area.diameter_minimum;
      return;
    case SwitchRole::kNumberSlot:
      field_switch.flag(area) = on;
      // The grid and the entry dialog ask the derived kinds, so they must follow at once.
      area.RecomputeKindInUse();
      return;
    default:
      field_switch.flag(area) = on;
  }
}

}  // namespace korvex
