#include "dialogs/windowplaces.h"

#include <array>

namespace korvex {
namespace {

struct PlaceValue {
  const char* name;
  int WindowPlaces::*member;
  bool is_size;
};

// In the order they are read and written.
constexpr std::array<PlaceValue, 19> kPlaceValues = {{
    {"Graphik_Links", &WindowPlaces::Graphik_Links, false},
    {"Graphik_Oben", &WindowPlaces::Graphik_Oben, false},
    {"Graphik_Breite", &WindowPlaces::Graphik_Breite, true},
    {"Graphik_Hoehe", &WindowPlaces::Graphik_Hoehe, true},
    {"Graphik2_Links", &WindowPlaces::Graphik2_Links, false},
    {"Graphik2_Oben", &WindowPlaces::Graphik2_Oben, false},
    {"Graphik2_Breite", &WindowPlaces::Graphik2_Breite, true},
    {"Graphik2_Hoehe", &WindowPlaces::Graphik2_Hoehe, true},
    {"WdLinksAnzeige", &WindowPlaces::WdLinksAnzeige, false},
    {"WdObenAnzeige", &WindowPlaces::WdObenAnzeige, false},
    {"WdLinksOptionen", &WindowPlaces::WdLinksOptionen, false},
    {"WdObenOptionen", &WindowPlaces::WdObenOptionen, false},
    {"WdLinksEingabe", &WindowPlaces::WdLinksEingabe, false},
    {"WdObenEingabe", &WindowPlaces::WdObenEingabe, false},
    {"WdLinksUeber", &WindowPlaces::WdLinksUeber, false},
    {"WdObenUeber", &WindowPlaces::WdObenUeber, false},
    {"Gesamt_Links", &WindowPlaces::Gesamt_Links, false},
    {"Gesamt_Oben", &WindowPlaces::Gesamt_Oben, false},
    {"Gesamt_Hoehe", &WindowPlaces::Gesamt_Hoehe, true},
}};

std::string BarsKey(std::string_view toolbar) { return "Bars\\" + std::string(toolbar); }

}  // namespace

bool ReadWindowPlaces(SettingsStore& store, WindowPlaces& places) {
  if (!store.IsAccessible()) return false;
  const SettingsKey key(store);
  for (const PlaceValue& value : kPlaceValues) {
    const std::optional<int32_t> read = key.ReadInteger(value.name);
    if (!read) {
      const WindowPlaces defaults;
      for (const PlaceValue& reset : kPlaceValues) {
        if (!reset.is_size) places.*reset.member = defaults.*reset.member;
      }
      return false;
    }
    places.*value.member = *read;
  }
  return true;
}

bool WriteWindowPlaces(SettingsStore& store, const WindowPlaces& places,
                       const ProgramSettings& settings) {
  if (!store.IsAccessible()) return false;
  SettingsKey key(store);
  for (const PlaceValue& value : kPlaceValues) key.WriteInteger(value.name, places.*value.member);
  key.WriteString("Printer_Kartei_Drucker", settings.Printer_Kartei_Drucker);
  key.WriteInteger("Printer_Kartei_Papiertyp", settings.Printer_Kartei_Papiertyp);
  return store.Flush();
}

MainWindowGeometry ReadMainWindowGeometry(SettingsStore& store) {
  const SettingsKey key(store);
  const std::optional<int32_t> left = key.ReadInteger("WdLinks");
  const std::optional<int32_t> top = key.ReadInteger("WdOben");
  const std::optional<int32_t> width = key.ReadInteger("WdBreite");
  const std::optional<int32_t> height = key.ReadInteger("WdHoehe");
  MainWindowGeometry geometry;
  // A window without width or height could not be seen, let alone moved back into view.
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
    geometry.WdStatus = MainWindowState::kNormal;
    return geometry;
  }
  geometry.WdLinks = *left;
  geometry.WdOben = *top;
  geometry.WdBreite = *width;
  geometry.WdHoehe = *height;
  const std::string status = key.ReadString("WdStatus").value_or("");
  if (status == "001") geometry.WdStatus = MainWindowState::kNormal;
  else if (status == "002") geometry.WdStatus = MainWindowState::kMaximized;
  else if (status == "003") geometry.WdStatus = MainWindowState::kMinimized;
  return geometry;
}

void WriteMainWindowGeometry(SettingsStore& store, const MainWindowGeometry& geometry) {
  SettingsKey key(store);
  key.WriteInteger("WdLinks", geometry.WdLinks);
  key.WriteInteger("WdOben", geometry.WdOben);
  key.WriteInteger("WdBreite", geometry.WdBreite);
  key.WriteInteger("WdHoehe", geometry.WdHoehe);
  if (geometry.WdStatus) {
    const int code = static_cast<int>(*geometry.WdStatus);
    key.WriteString("WdStatus", "00" + std::to_string(code));
  }
  store.Flush();
}

std::optional<ToolbarPlace> ReadToolbarPlace(SettingsStore& store, std::string_view toolbar) {
  const SettingsKey key(store, BarsKey(toolbar));
  ToolbarPlace place;
  const std::optional<bool> visible = key.ReadBool("Visible");
  const std::optional<std::string> docked_to = key.ReadString("DockedTo");
  if (!visible || !docked_to) return std::nullopt;
  place.Visible = *visible;
  place.DockedTo = *docked_to;
  const std::array<std::pair<const char*, int*>, 7> integers = {{
      {"DockRow", &place.DockRow},
      {"DockPos", &place.DockPos},
      {"FloatLeft", &place.FloatLeft},
      {"FloatTop", &place.FloatTop},
      {"FloatRight", &place.FloatRight},
      {"FloatBottom", &place.FloatBottom},
      {"FloatRightX", &place.FloatRightX},
  }};
  for (const auto& [name, target] : integers) {
    const std::optional<int32_t> value = key.ReadInteger(name);
    if (!value) return std::nullopt;
    *target = *value;
  }
  return place;
}

void WriteToolbarPlace(SettingsStore& store, std::string_view toolbar, const ToolbarPlace& place) {
  SettingsKey key(store, BarsKey(toolbar));
  key.WriteBool("Visible", place.Visible);
  key.WriteString("DockedTo", place.DockedTo);
  key.WriteInteger("DockRow", place.DockRow);
  key.WriteInteger("DockPos", place.DockPos);
  key.WriteInteger("FloatLeft", place.FloatLeft);
  key.WriteInteger("FloatTop", place.FloatTop);
  key.WriteInteger("FloatRight", place.FloatRight);
  key.WriteInteger("FloatBottom", place.FloatBottom);
  key.WriteInteger("FloatRightX", place.FloatRightX);
  store.Flush();
}

}  // namespace korvex
