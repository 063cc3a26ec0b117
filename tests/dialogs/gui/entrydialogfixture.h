#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/scriptedmessages.h"
#include "dialogs/gui/picturechooser.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "dialogs/lookuplists.h"
#include "dialogs/windowplaces.h"
#include "model/collectiondocument.h"
#include "model/datetime.h"
#include "model/formatsettings.h"

namespace korvex::test {

// Answers the picture dialog with a prepared path and remembers where it was asked to start.
class ScriptedPictureChooser final : public gui::PictureChooser {
 public:
  std::optional<std::string> answer;
  std::vector<PictureDialogStart> starts;

  std::optional<std::string> ChoosePicture(const PictureDialogStart& start) override {
    starts.push_back(start);
    return answer;
  }
};

// A collection with three areas and lookup lists for the entry dialog, German conventions and
// the fixed day 15 June 2024 as today.
//   1 "Deutschland (Euro)": no city, mint master, dealer, estimate; with country; slot 3 on (Jäger)
//   2 "Kaiserreich": slot 2 is the free catalogue "Krause", extra fields 1 and 3 named
//   3 "Antike": no count, no catalogue numbers at all
struct EntryDialogFixture {
  EntryDialogFixture() {
    auto euro = std::make_unique<TKategorie>();
    euro->name = "Deutschland (Euro)";
    euro->city = false;
    euro->master = false;
    euro->dealer = false;
    euro->estimate = false;
    euro->country = true;
    euro->number_active = {true, true, true};
    euro->RecomputeKindInUse();
    auto empire = std::make_unique<TKategorie>();
    empire->name = "Kaiserreich";
    empire->other_name = "Krause";
    empire->SetNumberKind(2, 5);
    empire->z_active = {true, false, true, false, false};
    empire->z_name[0] = "Erhaltung Rand";
    empire->z_name[2] = "Herkunft";
    auto antique = std::make_unique<TKategorie>();
    antique->name = "Antike";
    antique->count = false;
    antique->number_active = {false, false, false};
    antique->RecomputeKindInUse();
    document.areas.push_back(std::move(euro));
    document.areas.push_back(std::move(empire));
    document.areas.push_back(std::move(antique));
    for (int i = 0; i < document.AreaCount(); ++i) document.areas[i]->category = i + 1;
    document.currency_symbol = "EUR";

    lookups[LookupList::kHaendler] = {"Emporium", "Kroll"};
    lookups[LookupList::kLaender] = {"Deutschland", "Frankreich", "Italien"};
    lookups[LookupList::kQualitaet] = {"ss=sehr sch\xF6n", "st=Stempelglanz",
                                       "vz=vorz\xFCglich", "VZ+=vorz\xFCglich"};
    format = FormatSettings::German();
    today = *DayNumber(2024, 6, 15);
  }

  gui::EntryDialogServices Services() {
    gui::EntryDialogServices services;
    services.document = &document;
    services.lookups = &lookups;
    services.format = &format;
    services.places = &places;
    services.messages = &messages;
    services.pictures = &pictures;
    services.clear_status_message = [this] { ++status_clears; };
    services.today = [this] { return today; };
    return services;
  }

  // A coin of area `area` with a value in every field.
  static std::unique_ptr<TDaten> FullCoin(int area) {
    auto coin = std::make_unique<TDaten>();
    coin->category = area;
    coin->item = "17";
    coin->quality = "st";
    coin->schoen = "S-100";
    coin->yeoman = "Y-200";
    coin->jaeger = "J-300";
    coin->other1 = "KM-400";
    coin->count = 3;
    coin->city = "Berlin";
    coin->master = "Meister";
    coin->country = "Deutschland";
    coin->mintlocation = "A";
    coin->numeral = "2";
    coin->currency = "Euro";
    coin->av_motive = "Adler";
    coin->rv_motive = "Europa";
    coin->dealer = "Kroll";
    coin->catalogue = 1.2345;
    coin->estimate = 4.5;
    coin->purchaseprice = 2;
    coin->purchasedate = *DayNumber(2004, 5, 1);
    coin->weight = 8.5f;
    coin->standard = "900";
    coin->fine = 7.65f;
    coin->diameter_minimum = 25.75f;
    coin->circulation = 1500000;
    coin->z1 = "gut";
    coin->z3 = "Erbschaft";
    return coin;
  }

  CollectionDocument document;
  LookupLists lookups;
  FormatSettings format;
  WindowPlaces places;
  ScriptedMessages messages;
  ScriptedPictureChooser pictures;
  int status_clears = 0;
  double today = 0;
};

}  // namespace korvex::test
