#include "common/legacywriter.h"

#include <cstring>

#include "files/legacyscrambling.h"

namespace korvex::test {
namespace {

class ByteWriter {
 public:
  explicit ByteWriter(int key) : key_(key) {}

  void Byte(uint8_t value) { bytes_ += static_cast<char>(value); }
  void Word(uint16_t value) { Little(value, 2); }
  void Int32(int32_t value) { Little(static_cast<uint32_t>(value), 4); }
  void Int64(int64_t value) { Little(static_cast<uint64_t>(value), 8); }
  void Single(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    Little(bits, 4);
  }
  void Double(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    Little(bits, 8);
  }
  void Raw(const std::string& bytes) { bytes_ += bytes; }
  void Plain(const std::string& text) {
    Int32(static_cast<int32_t>(text.size()));
    Raw(text);
  }
  void Text(const std::string& text) { Plain(LegacyScramble(text, key_)); }
  void Cell(const TZelle& cell) {
    Int32(cell.type);
    Int32(cell.width);
    Int32(cell.align);
  }

  std::size_t size() const { return bytes_.size(); }
  std::string& bytes() { return bytes_; }

 private:
  void Little(uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  int key_;
  std::string bytes_;
};

void WriteArea(ByteWriter& out, const LegacyAreaSpec& area, int version) {
  out.Int32(area.cell_count - 1);
  for (int i = area.cell_count - 1; i >= 0; --i) out.Cell({20 + i, 50, 1});
  out.Int32(area.id);
  out.Text(area.name);
  out.Text(area.short_label);
  out.Text(area.icon);
  out.Word(area.word1);
  out.Word(area.word2);
  out.Word(area.word3);
  if (version >= 200) out.Word(area.word4);
  for (const std::string& name : area.z_names) out.Text(name);
}

void WriteCoin(ByteWriter& out, const TDaten& coin, int version,
               const std::array<std::string, 3>& dropped) {
  out.Int32(coin.category);
  out.Text(coin.quality);
  out.Text(coin.schoen);
  out.Text(coin.jaeger);
  out.Int32(coin.count);
  for (const std::string* text : {&coin.mintlocation, &coin.numeral, &coin.currency,
                                  &coin.av_motive, &coin.rv_motive, &coin.year}) {
    out.Text(*text);
  }
  out.Double(coin.catalogue);
  out.Double(coin.purchaseprice);
  out.Double(coin.purchasedate);
  out.Single(coin.fine);
  out.Single(coin.diameter_minimum);
  if (version < 250) {
    out.Int32(static_cast<int32_t>(coin.circulation));
  } else {
    out.Int64(coin.circulation);
    out.Text(coin.av_artist);
    out.Text(coin.rv_artist);
    out.Single(coin.width);
    out.Text(coin.date);
  }
  out.Text(coin.alloy);
  out.Text(coin.dealer);
  out.Text(coin.location);
  for (const std::string& text : dropped) out.Text(text);
  for (const std::string* text : {&coin.yeoman, &coin.country, &coin.z1, &coin.z2, &coin.z3,
                                  &coin.z4, &coin.z5, &coin.av_picture, &coin.rv_picture}) {
    out.Text(*text);
  }
  if (version < 200) return;
  out.Text(coin.item);
  out.Single(coin.weight);
  out.Text(coin.standard);
  out.Single(coin.diameter_maximum);
  out.Text(coin.master);
  out.Text(coin.city);
  out.Text(coin.border);
  out.Double(coin.estimate);
  out.Double(coin.creation);
  out.Double(coin.last);
  out.Int32(coin.change_count);
}

}  // namespace

int VersionOfMagicForTest(const std::string& magic) { return std::stoi(magic.substr(9)); }

LegacyFileBytes BuildLegacyFile(const LegacyFileLayout& layout) {
  const int version = VersionOfMagicForTest(layout.magic);
  const int key = layout.password_flag == 0 ? 0 : LegacyPasswordKey(layout.password);
  ByteWriter out(key);
  out.Raw(layout.magic);
  out.Word(layout.password_flag);
  if (layout.password_flag != 0) {
    const std::string stored = LegacyScramble(layout.password, key);
    if (layout.password_flag == 255) {
      out.Int32(static_cast<int32_t>(stored.size()));
      out.Int32(key);
    }
    out.Raw(stored);
  }
  out.Text(layout.currency);
  out.Int32(layout.record_count >= 0 ? layout.record_count : static_cast<int32_t>(layout.coins.size()));
  out.Int32(static_cast<int32_t>(layout.all_cells.size()) - 1);
  for (const TZelle& cell : layout.all_cells) out.Cell(cell);
  for (std::size_t i = 0; i < layout.areas.size(); ++i) {
    WriteArea(out, layout.areas[i], version);
    out.Word(i + 1 < layout.areas.size() ? 0 : 1);
  }
  if (version >= 200) {
    out.Int32(layout.highest_item);
    out.Int32(static_cast<int32_t>(layout.alignment.size()));
    for (std::size_t i = layout.alignment.size(); i-- > 0;) {
      out.Int32(layout.alignment[i].first);
      out.Int32(layout.alignment[i].second);
    }
  }
  out.Int32(layout.current_view);
  out.Byte(layout.layout_flag);
  for (int k = 0; k < 3; ++k) out.Int32(layout.sort_keys[k]);
  if (version >= 120) {
    out.Int32(layout.sort_keys[3]);
    out.Int32(layout.sort_keys[4]);
    out.Byte(layout.filter ? 1 : 0);
    if (layout.filter) {
      out.Plain(layout.filter->caption);
      for (uint8_t option : layout.filter->options) out.Byte(option);
      out.Int32(layout.filter->kind);
      WriteCoin(out, *layout.filter->template_, version, layout.dropped);
    }
  }
  LegacyFileBytes file;
  for (const TDaten* coin : layout.coins) {
    out.Word(0);
    file.coin_offsets.push_back(out.size());
    WriteCoin(out, *coin, version, layout.dropped);
  }
  out.Word(1);
  for (std::size_t i = 0; i < layout.coins.size(); ++i) {
    file.note_offsets.push_back(out.size());
    out.Text(i < layout.notes.size() ? layout.notes[i] : std::string());
  }
  file.bytes = std::move(out.bytes());
  return file;
}

}  // namespace korvex::test
