#include "mainwindow/discarddecision.h"

namespace korvex {

DiscardDecision DecideDiscard(bool modified, bool quitting, const DiscardSettings& settings,
                              MessageService& messages) {
  const auto quit_confirmed = [&] {
    if (!quitting || !settings.ask_before_quitting) return true;
    return messages.Show(MessageKind::kQuestion, "Möchten Sie das Programm wirklich beenden?",
                         MessageButtons::kYesNo) == MessageAnswer::kYes;
  };
  if (!modified) return quit_confirmed() ? DiscardDecision::kDiscard : DiscardDecision::kKeep;
  if (settings.save_when_closing) return quit_confirmed() ? DiscardDecision::kSave : DiscardDecision::kKeep;
  switch (messages.Show(MessageKind::kQuestion, "Die Daten wurden geändert. Möchten Sie sie speichern?",
                        MessageButtons::kYesNoCancel)) {
    case MessageAnswer::kYes: return DiscardDecision::kSave;
    case MessageAnswer::kNo: return DiscardDecision::kDiscard;
    default: return DiscardDecision::kKeep;
  }
}

}  // namespace korvex
