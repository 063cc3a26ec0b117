// Text export and import, and the reassignment of catalogue-number ranges.
#include <QAction>
#include <filesystem>

#include "files/textexport.h"
#include "files/textimport.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/mainwindowdialogs.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/savefilename.h"
#include "mainwindow/sorting.h"
#include "mainwindow/stepcaptions.h"
#include "model/codepage.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

// The exchange dialogs start in the folder "shared" of the installation; an installation
// without it starts in the data folder rather than wherever the toolkit falls back to.
std::string ExchangeStartFolder() {
  std::error_code error;
  const std::filesystem::path shared = TextExportStartFolder();
  return std::filesystem::is_directory(shared, error) ? shared.string() : DataFolder().string();
}

// "Textdatei Kommasepariert (*.txt)" as the dialog's text and patterns.
FileFilter FilterOfFileType(const std::string& type) {
  const std::size_t open = type.rfind(" (");
  if (open == std::string::npos || type.back() != ')') return {type, {"*"}};
  return {type.substr(0, open), {type.substr(open + 2, type.size() - open - 3)}};
}

FileDialogRequest ExportRequest() {
  FileDialogRequest request;
  request.caption = "Exportieren...";
  request.start_folder = ExchangeStartFolder();
  for (const std::string& type : TextExportFileTypes()) request.filters.push_back(FilterOfFileType(type));
  request.default_extension = "txt";
  return request;
}

FileDialogRequest ImportRequest() {
  FileDialogRequest request;
  request.caption = "Importieren...";
  request.start_folder = ExchangeStartFolder();
  request.filters = {{"Textdateien", {"*.txt"}}, {"CSV-Dateien", {"*.csv"}}};
  request.default_extension = "txt";
  return request;
}

// What an import can change besides adding coins: the areas, and the coins without an area.
struct ImportFootprint {
  int areas = 0;
  int coins_without_area = 0;

  explicit ImportFootprint(const CollectionDocument& document) : areas(document.AreaCount()) {
    for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
      if (coin->category == 0) ++coins_without_area;
    }
  }
  bool operator==(const ImportFootprint&) const = default;
};

}  // namespace

void THauptfenster::ConnectExchangeCommands() {
  Connect("MenuDateiImportieren", &THauptfenster::MenuDateiImportierenClick);
  Connect("MenuExtrasSonderNummernkreise", &THauptfenster::MenuExtrasSonderNummernkreiseClick);
  const std::pair<const char*, TextExportScope> exports[] = {
      {"MenuDateiExportierenAlles", TextExportScope::kAllCoins},
      {"MenuDateiExportierenKategorie", TextExportScope::kShownArea},
      {"DatenPopUpExportierenKategorie", TextExportScope::kShownArea},
      {"MenuDateiExportierenArtikel", TextExportScope::kMarkedCoin},
      {"DatenPopUpExportierenArtikel", TextExportScope::kMarkedCoin},
  };
  for (const auto& [name, scope] : exports) {
    connect(Action(name), &QAction::triggered, this, [this, scope = scope] {
      const AutosaveGate::CommandScope running = autosave_gate_.CommandRuns();
      ExportText(scope);
    });
  }
}

void THauptfenster::ExportText(TextExportScope scope) {
  if (scope == TextExportScope::kShownArea && !document_.Area(document_.current_view)) return;
  const FileDialogRequest request = ExportRequest();
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToSave(request);
  if (!choice) return;
  // The chosen type decides the extension of a name typed without one.
  const std::size_t type = static_cast<std::size_t>(choice->filter_index - 1);
  const std::string path = type < request.filters.size()
                               ? WithDefaultExtension(choice->path, ExtensionOfPatterns(request.filters[type].patterns))
                               : choice->path;
  if (!MayWriteFile(choice->path, path, *services_.messages)) return;
  TextExportRequest what;
  what.scope = scope;
  what.shown_area = document_.current_view;
  what.marked_coin = CoinOfRow();
  what.separator = TextExportSeparatorOfFileType(choice->filter_index - 1);
  ExportTextFile(Utf8ToWin1252(path), document_, what, format_, *services_.messages);
}

void THauptfenster::MenuDateiImportierenClick() {
  if (!document_.writable()) return;
  const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToOpen(ImportRequest());
  if (!choice || !ConfirmTextImport(*services_.messages)) return;

  StepScope scope;
  scope.order = true;
  scope.coin_areas = true;
  BeginStep(std::move(scope), kTextImportStep);
  const ImportFootprint before(document_);
  const TextImportServices services{*services_.messages, services_.dialogs->ImportColumns(),
                                    services_.dialogs->ImportAreas()};
  const TextImportResult result = ImportTextFile(Utf8ToWin1252(choice->path), document_, format_, services);
  // A file that could not be read leaves the collection as it was, and it is not marked changed.
  if (result.new_coins == 0 && ImportFootprint(document_) == before) {
    FinishStep();
    return;
  }

  // Areas the import created take the layout of the view the user was working in.
  OfferUniformLayout(false);
  FinishTextImport(document_, [this](CollectionDocument& document) { SortCollection(document, format_); });
  RebuildAreaMenu();
  EnableDocumentCommands();
  datenbereich_->setEnabled(true);
  ShowView(kAllCoinsView);
  FinishStep();
}

void THauptfenster::MenuExtrasSonderNummernkreiseClick() {
  const int area = document_.current_view;
  if (!document_.writable() || !document_.Area(area)) return;
  const std::optional<NumberRangeChoice> choice = services_.dialogs->ChooseNumberRanges(document_, area);
  if (!choice || !ConfirmNumberRangeChoice(document_, area, *choice, *services_.messages)) return;
  StepScope scope;
  scope.order = true;
  scope.catalogue_numbers = true;
  BeginStep(std::move(scope), kNumberRangesStep);
  ReassignNumberRanges(document_, area, *choice);
  ShowView(kKeepView);
  FinishStep();
}

}  // namespace korvex
