#include "files/legacyrecords.h"

namespace korvex {
namespace {

bool Bit(uint16_t word, int bit) { return (word >> bit) & 1; }

// Two bits of the fourth flag word, the lower one first, as a number 0 to 3.
int BitPair(uint16_t word, int lower_bit) {
  return (Bit(word, lower_bit) ? 2 : 0) + (Bit(word, lower_bit + 1) ? 1 : 0);
}

void ApplyFlagWord2(uint16_t w, TKategorie& area) {
  area.quality = Bit(w, 0);
  area.number_active[0] = Bit(w, 1);
  area.number_active[1] = Bit(w, 2);
  area.count = Bit(w, 3);
  area.mintlocation = Bit(w, 4);
  area.numeral = Bit(w, 5);
  area.currency = Bit(w, 6);
  area.av_motive = Bit(w, 7);
  area.rv_motive = Bit(w, 8);
  area.date = Bit(w, 9);
  area.catalogue = Bit(w, 10);
  area.purchaseprice = Bit(w, 11);
  area.purchasedate = Bit(w, 12);
  area.fine = Bit(w, 13);
  area.diameter_minimum = Bit(w, 14);
  area.circulation = Bit(w, 15);
}

void ApplyFlagWord3(uint16_t w, TKategorie& area) {
  area.alloy = Bit(w, 0);
  area.dealer = Bit(w, 1);
  area.location = Bit(w, 2);
  area.country = Bit(w, 3);
  area.case_ = Bit(w, 5);
  area.certificate = Bit(w, 6);
  for (int n = 0; n < 5; ++n) area.z_active[n] = Bit(w, 8 + n);
  area.av_picture = Bit(w, 13);
  area.rv_picture = Bit(w, 14);
}

void ApplyFlagWord4(uint16_t w, TKategorie& area) {
  area.item = Bit(w, 0);
  area.weight = Bit(w, 1);
  area.standard = Bit(w, 2);
  area.diameter_maximum = Bit(w, 3);
  area.master = Bit(w, 4);
  area.border = Bit(w, 5);
  area.estimate = Bit(w, 6);
  area.location = Bit(w, 10);
  area.city = Bit(w, 11);
  area.SetNumberKind(1, 0);
  area.SetNumberKind(2, LegacySlotTwoKind(w));
  area.SetNumberKind(3, LegacySlotThreeKind(w));
}

}  // namespace

int LegacySlotTwoKind(uint16_t flag_word_4) {
  // Indexed by bit 12 * 2 + bit 13.
  static const int kKinds[4] = {1, 3, 4, 2};
  return kKinds[BitPair(flag_word_4, 12)];
}

int LegacySlotThreeKind(uint16_t flag_word_4) {
  // Indexed by bit 14 * 2 + bit 15.
  static const int kKinds[4] = {2, 3, 4, 1};
  return kKinds[BitPair(flag_word_4, 14)];
}

void ReadLegacyCell(LegacyStream& stream, TZelle& cell) {
  cell.type = stream.ReadInt32();
  cell.width = stream.ReadInt32();
  cell.align = stream.ReadInt32();
}

void ReadLegacyArea(LegacyStream& stream, int version, int key, TKategorie& area) {
  const int32_t last_cell = stream.ReadInt32();
  TZelle ignored;
  for (int64_t i = 0; i <= last_cell; ++i) ReadLegacyCell(stream, ignored);
  area.category = stream.ReadInt32();
  area.name = stream.ReadString(key);
  area.SetShort(stream.ReadString(key));
  area.icon = stream.ReadString(key);
  const uint16_t word1 = stream.ReadWord();
  area.menu = Bit(word1, 0);
  area.icon_button = Bit(word1, 1);
  ApplyFlagWord2(stream.ReadWord(), area);
  ApplyFlagWord3(stream.ReadWord(), area);
  if (version >= 200) ApplyFlagWord4(stream.ReadWord(), area);
  area.RecomputeKindInUse();
  for (int n = 0; n < 5; ++n) area.z_name[n] = stream.ReadString(key);
}

void ReadLegacyCoin(LegacyStream& stream, int version, int key, TDaten& coin) {
  auto text = [&](std::string& member) { member = stream.ReadString(key); };
  coin.category = stream.ReadInt32();
  text(coin.quality);
  text(coin.schoen);
  text(coin.jaeger);
  coin.count = stream.ReadInt32();
  text(coin.mintlocation);
  text(coin.numeral);
  text(coin.currency);
  text(coin.av_motive);
  text(coin.rv_motive);
  text(coin.year);
  coin.catalogue = stream.ReadDouble();
  coin.purchaseprice = stream.ReadDouble();
  coin.purchasedate = stream.ReadDouble();
  coin.fine = stream.ReadSingle();
  coin.diameter_minimum = stream.ReadSingle();
  if (version < 250) {
    coin.circulation = stream.ReadInt32();
  } else {
    coin.circulation = stream.ReadInt64();
    text(coin.av_artist);
    text(coin.rv_artist);
    coin.width = stream.ReadSingle();
    text(coin.date);
  }
  text(coin.alloy);
  text(coin.dealer);
  text(coin.location);
  for (int dropped = 0; dropped < 3; ++dropped) stream.ReadPlainString();
  text(coin.yeoman);
  text(coin.country);
  for (int n = 1; n <= 5; ++n) text(coin.Z(n));
  text(coin.av_picture);
  text(coin.rv_picture);
  if (version < 200) return;
  text(coin.item);
  coin.weight = stream.ReadSingle();
  text(coin.standard);
  coin.diameter_maximum = stream.ReadSingle();
  text(coin.master);
  text(coin.city);
  text(coin.border);
  coin.estimate = stream.ReadDouble();
  coin.creation = stream.ReadDouble();
  coin.last = stream.ReadDouble();
  coin.change_count = stream.ReadInt32();
}

}  // namespace korvex
