#pragma once

#include <string_view>

#include "files/picturefiles.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "platform/messages.h"

// "&Einfügen": the coins of the clipboard become new coins of the collection.
namespace korvex {

inline constexpr const char* kPasteAreaQuestion =
    "Der einzufügende Artikel entstammt nicht aus der aktuell angezeigten Kategorie. Soll der "
    "Artikel in der angezeigten Kategorie eingefügt werden? Wenn Sie 'Nein' wählen, wird der "
    "Artikel in der ursprünglichen Kategorie eingefügt.";
inline constexpr const char* kNoCoinsOnClipboard = "Keine Münzdaten in der Zwischenablage vorhanden!";
inline constexpr const char* kPastePictureQuestion =
    "Soll dieses Bild in das Bilder-Unterverzeichnis der Datendatei kopiert werden? ";

// How a pasted coin's area is fixed against the shown view.
enum class PasteArea {
  kKeep,       // the coin keeps its area
  kShownArea,  // it goes into the shown area without a question
  kFirstArea,  // all coins are shown and its area does not exist: area 1
  kAsk,        // the user decides between the shown area and its own
};
PasteArea PasteAreaRule(int category, int current_view, int area_count);

struct PasteOutcome {
  int pasted = 0;           // coins added, also those before a failure
  TDaten* last = nullptr;   // the last coin pasted
  bool failed = false;      // no coin data, or a coin that could not be read
};

// Reads the clipboard's bytes and puts each coin at the head of the collection order with a fresh
// inventory number, its area fixed (asking through `messages`) and its pictures handled by
// `pictures`; then sorts the collection. Coins pasted before a failure stay, counted and sorted.
// The caller marks the document modified, shows the last coin's area and tells about a failure.
PasteOutcome PasteCoins(CollectionDocument& doc, std::string_view clipboard_bytes,
                        const FormatSettings& format, PictureCopyOption pictures,
                        MessageService& messages);

// The picture step of a pasted coin: a reference into another folder than the picture folder is
// copied there as `option` decides and then named by its bare file name; a reference without a
// file name is emptied.
void AdoptPastedPictures(TDaten& coin, const CollectionDocument& doc, PictureCopyOption option,
                         MessageService& messages);

}  // namespace korvex
