// Shows the entry dialog on the example collection for screenshots under Xvfb:
//   entrydialog_screens new|bottom|note|calendar|search COLLECTION LOOKUPFILE [SECONDS]
// "bottom" is the new-coin dialog scrolled to its end, "note" and "calendar" open the note editor
// and the calendar over it. The dialog closes itself after SECONDS
// (default 8).

#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <string>

#include "common/scriptedmessages.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "dialogs/windowplaces.h"
#include "files/collectionfileio.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "platform/progress.h"

namespace {

class NoPassword final : public korvex::PasswordPrompt {
 public:
  std::optional<std::string> AskPassword(const std::string&) override { return std::nullopt; }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: entrydialog_screens new|search COLLECTION LOOKUPFILE [SECONDS]\n");
    return 2;
  }
  const std::string mode = argv[1];
  korvex::CollectionDocument document;
  NoPassword passwords;
  korvex::NoProgress progress;
  document.SetFileName(argv[2]);
  document.has_name = true;
  korvex::ReadCollectionFile(document, argv[2], passwords, progress);
  korvex::LookupLists lookups = korvex::LoadLookupLists(argv[3]);
  const korvex::FormatSettings format = korvex::FormatSettings::German();
  korvex::WindowPlaces places;
  korvex::test::ScriptedMessages messages;

  int area = 1;
  for (int id = 1; id <= document.AreaCount(); ++id) {
    if (document.Area(id)->name == "Deutschland (Euro)") area = id;
  }
  korvex::gui::EntryDialogServices services;
  services.document = &document;
  services.lookups = &lookups;
  services.format = &format;
  services.places = &places;
  services.messages = &messages;
  korvex::gui::TFensterEingabeFenster dialog(services);
  korvex::TDaten coin;
  coin.category = mode == "search" ? korvex::kAllCoinsView : area;
  const int seconds = argc > 4 ? std::stoi(argv[4]) : 8;
  QTimer::singleShot(seconds * 1000, &dialog, &QDialog::reject);
  QTimer::singleShot(1000, &dialog, [&dialog, mode] {
    QScrollBar* bar = dialog.ScrollArea()->verticalScrollBar();
    if (mode == "bottom") bar->setValue(bar->maximum());
    if (mode == "note") QTimer::singleShot(0, dialog.EingabeTextButton, &QPushButton::click);
    if (mode == "calendar") QTimer::singleShot(0, dialog.EingabeDatumWahl, &QToolButton::click);
    std::fprintf(stderr, "scroll %d of %d, dialog %dx%d\n", bar->value(), bar->maximum(),
                 dialog.width(), dialog.height());
  });
  korvex::gui::RunEntryDialog(dialog, coin,
                              mode == "search" ? korvex::EntryPurpose::kSearch
                                               : korvex::EntryPurpose::kNew);
  return 0;
}
