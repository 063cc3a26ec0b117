#pragma once

#include "platform/messages.h"

namespace korvex {

// What happens to the document before it is closed, replaced or the program ends.
enum class DiscardDecision {
  kDiscard,  // let it go as it is
  kSave,     // save it first; it may go only when that succeeded
  kKeep,     // the user cancelled: keep the document and stay
};

// The settings that shape the decision.
struct DiscardSettings {
  bool ask_before_quitting = false;  // "Anfrage": "Möchten Sie das Programm wirklich beenden?"
  bool save_when_closing = false;    // "AutoSaveEnd": save changes without asking
};

// Decides for a document with or without unsaved changes, asking the user through `messages`
// where the settings call for it. `quitting` is true when the program ends, false when another
// document replaces this one.
DiscardDecision DecideDiscard(bool modified, bool quitting, const DiscardSettings& settings,
                              MessageService& messages);

}  // namespace korvex
