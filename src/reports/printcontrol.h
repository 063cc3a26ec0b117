#pragma once

#include <functional>

#include "platform/progress.h"

namespace korvex {

// What a running printout reports to and asks: the progress display, and whether the user has
// aborted the job (asked between rows).
struct PrintControl {
  Progress* progress = nullptr;
  std::function<bool()> aborted;

  bool Aborted() const { return aborted && aborted(); }
};

enum class PrintOutcome {
  kPrinted,
  kAborted,
  kFailed,  // the device could not start the job or a new page
};

// The German message for a job the device refused.
inline constexpr const char* kPrintFailedMessage =
    "Der Druckauftrag konnte nicht gestartet werden. Bitte prüfen Sie den Drucker.";

}  // namespace korvex
