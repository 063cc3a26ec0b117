#pragma once

#include <string>
#include <vector>

#include "model/tkategorie.h"

namespace korvex {

// What a field check box of the area definition dialog stands for, beyond a plain area flag.
enum class SwitchRole {
  kPlain,
  kNumberSlot,      // number slot `index` (1 to 3): it also enables the slot's kind list
  kExtraField,      // extra field `index` (1 to 5): it also enables the field's caption edit
  kDiameter,        // the diameter: it also offers or withdraws the maximum diameter
  kDiameterMaximum  // only offered while the diameter is used
};

// One field check box: its object name, its caption (UTF-8, empty where the
// kind list or caption edit beside it serves as caption), and the area flag it sets.
struct AreaFieldSwitch {
  const char* control;
  const char* caption;
  bool& (*flag)(TKategorie&);
  SwitchRole role = SwitchRole::kPlain;
  int index = 0;
};

// The field check boxes in tab order.
const std::vector<AreaFieldSwitch>& AreaFieldSwitches();

// Sets the flag of a check box on the area. Keeps what the area derives from its flags (the
// catalogue kinds in use, the maximum diameter) in step.
void SetAreaSwitch(TKategorie& area, const AreaFieldSwitch& field_switch, bool on);

}  // namespace korvex
