#include "mainwindow/coinpaste.h"

#include "mainwindow/coinclipboard.h"
#include "mainwindow/sorting.h"
#include "model/numbertext.h"
#include "model/paths.h"

namespace korvex {
namespace {

void FixArea(TDaten& coin, const CollectionDocument& doc, MessageService& messages) {
  switch (PasteAreaRule(coin.category, doc.current_view, doc.AreaCount())) {
    case PasteArea::kKeep: break;
    case PasteArea::kShownArea: coin.category = doc.current_view; break;
    case PasteArea::kFirstArea: coin.category = 1; break;
    case PasteArea::kAsk:
      if (messages.AskYesNo(kPasteAreaQuestion)) coin.category = doc.current_view;
      break;
  }
}

void AdoptPastedPicture(std::string& reference, const CollectionDocument& doc, PictureCopyOption option,
                        MessageService& messages) {
  const std::string folder = DirectoryOf(reference);
  const std::string name = reference.substr(folder.size());
  // A folder without a file name names no picture; there is nothing to copy.
  if (TrimBlanks(name).empty()) {
    reference.clear();
    return;
  }
  if (folder.empty() || SamePathIgnoringCase(TrimBlanks(folder), TrimBlanks(doc.picture_folder()))) return;
  const bool copy = option == PictureCopyOption::kAlways ||
                    (option == PictureCopyOption::kAsk && messages.AskYesNo(kPastePictureQuestion));
  if (copy && CopyPictureFile(reference, doc.picture_folder() + name, messages) == CopyResult::kCopied) {
    reference = name;
  }
}

}  // namespace

PasteArea PasteAreaRule(int category, int current_view, int area_count) {
  // An id below 1 names no area any more than one beyond the last.
  const bool exists = category >= 1 && category <= area_count;
  if (current_view == kAllCoinsView) return exists ? PasteArea::kKeep : PasteArea::kFirstArea;
  if (category == current_view) return PasteArea::kKeep;
  return exists ? PasteArea::kAsk : PasteArea::kShownArea;
}

void AdoptPastedPictures(TDaten& coin, const CollectionDocument& doc, PictureCopyOption option,
                         MessageService& messages) {
  AdoptPastedPicture(coin.av_picture, doc, option, messages);
  AdoptPastedPicture(coin.rv_picture, doc, option, messages);
}

PasteOutcome PasteCoins(CollectionDocument& doc, std::string_view clipboard_bytes,
                        const FormatSettings& format, PictureCopyOption pictures,
                        MessageService& messages) {
  ClipboardCoins read = ReadClipboardText(clipboard_bytes, doc);
  PasteOutcome outcome;
  outcome.failed = read.failed;
  for (std::unique_ptr<TDaten>& coin : read.coins) {
    FixArea(*coin, doc, messages);
    ++doc.highest_item;
    coin->item = std::to_string(doc.highest_item);
    TDaten* pasted = coin.get();
    doc.InsertAtHead(std::move(coin));  // counts the coin
    AdoptPastedPictures(*pasted, doc, pictures, messages);
    outcome.last = pasted;
    ++outcome.pasted;
  }
  if (outcome.pasted > 0) SortCollection(doc, format);
  return outcome;
}

}  // namespace korvex
