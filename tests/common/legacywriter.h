#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/tdaten.h"
#include "model/tzelle.h"

namespace korvex::test {

// Builds legacy data files byte by byte from the published layout, so that the reader is tested
// against files it did not write itself.

struct LegacyAreaSpec {
  int32_t id = 1;
  std::string name = "Deutschland";
  std::string short_label = "DEU";
  std::string icon = "de.ico";
  uint16_t word1 = 0x0003;  // menu, icon button
  uint16_t word2 = 0xFFFF;
  uint16_t word3 = 0x7FFF;
  uint16_t word4 = 0xFFFF;  // written only from version 200 on
  std::array<std::string, 5> z_names = {"Z-Eins", "Z-Zwei", "", "", "Z-Fuenf"};
  int cell_count = 3;
};

struct LegacyFilterSpec {
  std::string caption = " - [gefiltert]";
  std::array<uint8_t, 3> options = {1, 0, 1};
  int32_t kind = 4;
  const TDaten* template_ = nullptr;
};

struct LegacyFileLayout {
  std::string magic = "Korvexia_250";
  uint16_t password_flag = 0;
  std::string password;  // scrambles texts when the flag is not 0
  std::string currency = "EUR";
  int32_t record_count = -1;  // -1: the number of coins
  std::vector<TZelle> all_cells = {{3, 40, 0}, {9, 25, 1}};
  std::vector<LegacyAreaSpec> areas = {LegacyAreaSpec{}};
  int32_t highest_item = 0;
  std::vector<std::pair<int32_t, int32_t>> alignment;  // entry t = (type, align), from entry 0
  int32_t current_view = 1;
  uint8_t layout_flag = 1;
  std::array<int32_t, 5> sort_keys = {3, -9, 1, 20, 21};
  std::optional<LegacyFilterSpec> filter;
  std::vector<const TDaten*> coins;
  std::vector<std::string> notes;  // one per coin; missing ones are written empty
  std::array<std::string, 3> dropped = {"alt1", "alt2", "alt3"};
};

struct LegacyFileBytes {
  std::string bytes;
  std::vector<std::size_t> coin_offsets;  // where each coin record starts (after its word)
  std::vector<std::size_t> note_offsets;  // where each note record starts
};

int VersionOfMagicForTest(const std::string& magic);
LegacyFileBytes BuildLegacyFile(const LegacyFileLayout& layout);

}  // namespace korvex::test
