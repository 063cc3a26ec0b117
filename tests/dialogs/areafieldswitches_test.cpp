#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "dialogs/areafieldswitches.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

// The field types a switch turns on or off, found by flipping it on a new area.
std::set<int> TypesChangedBy(const AreaFieldSwitch& field_switch) {
  TKategorie area;
  TKategorie before = area;
  SetAreaSwitch(area, field_switch, !field_switch.flag(before));
  std::set<int> changed;
  for (int type = 1; type <= kFieldCount; ++type) {
    if (area.FieldEnabled(type) != before.FieldEnabled(type)) changed.insert(type);
  }
  return changed;
}

TEST(AreaFieldSwitches, EveryFieldWithASwitchIsReachedByExactlyOneCheckBox) {
  std::map<int, std::string> owner;
  std::set<std::string> controls;
  for (const auto& field_switch : AreaFieldSwitches()) {
    EXPECT_TRUE(controls.insert(field_switch.control).second) << field_switch.control;
    const std::set<int> changed = TypesChangedBy(field_switch);
    EXPECT_FALSE(changed.empty()) << field_switch.control;
    for (int type : changed) {
      // The diameter also withdraws the maximum, and the catalogue value its sum column.
      const bool shared = (type == kDiameterMaximum && std::string(field_switch.control) == "Durchmesser") ||
                          type == kCataloguesum;
      if (!shared) {
        EXPECT_TRUE(owner.emplace(type, field_switch.control).second)
            << field_switch.control << " and " << owner[type] << " both switch type " << type;
      }
    }
  }
  // On a new area the number slots reach Schön, YEOMAN and Jäger; RIC, Cohen and the free
  // catalogue come only through the kind lists.
  for (int type = 1; type <= kFieldCount; ++type) {
    if (type == kRic || type == kCohen || type == kOther1 || type == kCataloguesum) continue;
    EXPECT_TRUE(owner.count(type)) << "no check box for field type " << type;
  }
  EXPECT_EQ(AreaFieldSwitches().size(), 42u);
}

TEST(AreaFieldSwitches, NumberSlotsKeepTheKindsInUseInStep) {
  TKategorie area;
  const auto& slot3 = AreaFieldSwitches()[4];
  ASSERT_EQ(slot3.role, SwitchRole::kNumberSlot);
  ASSERT_EQ(slot3.index, 3);
  SetAreaSwitch(area, slot3, true);
  EXPECT_TRUE(area.number_active[2]);
  EXPECT_TRUE(area.kind_in_use[1]);  // slot 3 holds the Jäger kind
  SetAreaSwitch(area, AreaFieldSwitches()[2], false);
  EXPECT_FALSE(area.kind_in_use[0]);
}

TEST(AreaFieldSwitches, MaximumDiameterNeedsTheDiameter) {
  const AreaFieldSwitch* diameter = nullptr;
  const AreaFieldSwitch* maximum = nullptr;
  for (const auto& field_switch : AreaFieldSwitches()) {
    if (field_switch.role == SwitchRole::kDiameter) diameter = &field_switch;
    if (field_switch.role == SwitchRole::kDiameterMaximum) maximum = &field_switch;
  }
  ASSERT_TRUE(diameter && maximum);
  TKategorie area;
  SetAreaSwitch(area, *diameter, false);
  SetAreaSwitch(area, *maximum, true);
  EXPECT_FALSE(area.diameter_maximum);
  SetAreaSwitch(area, *diameter, true);
  EXPECT_FALSE(area.diameter_maximum);
  SetAreaSwitch(area, *maximum, true);
  EXPECT_TRUE(area.diameter_maximum);
}

}  // namespace
}  // namespace korvex
