#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <cstring>

#include "common/guitesthelpers.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "dialogs/gui/tnummernkreisfenster.h"
#include "files/legacyfile.h"
#include "model/fieldcatalogue.h"

namespace korvex {
namespace {

// Writes the little-endian records of an unprotected version-100 data file.
class OldDataFileWriter {
 public:
  void Bytes(const char* text, std::size_t size) { bytes_.append(text, size); }
  void Word(uint16_t value) { Little(value, 2); }
  void Int(int32_t value) { Little(static_cast<uint32_t>(value), 4); }
  void Double(double value) { Raw(&value, sizeof value); }
  void Single(float value) { Raw(&value, sizeof value); }
  void String(const std::string& text) {
    Int(static_cast<int32_t>(text.size()));
    bytes_ += text;
  }
  void Cell(int type, int width, int align) {
    Int(type);
    Int(width);
    Int(align);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  void Little(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  void Raw(const void* value, std::size_t size) {
    char buffer[8];
    std::memcpy(buffer, value, size);
    bytes_.append(buffer, size);
  }
  std::string bytes_;
};

void WriteArea(OldDataFileWriter& file, int id, const std::string& name) {
  file.Int(0);
  file.Cell(3, 40, 0);
  file.Int(id);
  file.String(name);
  file.String(name.substr(0, 1));
  file.String("");
  file.Word(0x0001);  // menu
  file.Word(0xFFFF);  // every switch of word 2, both number slots among them
  file.Word(0x7FFF);
  for (int n = 0; n < 5; ++n) file.String("");
}

// A coin whose three unnamed numbers sit where the old program kept them: Schön, Jaeger, YEOMAN.
void WriteCoin(OldDataFileWriter& file, int area, const std::string& first, const std::string& third,
               const std::string& second) {
  file.Word(0);
  file.Int(area);
  file.String("vz");
  file.String(first);
  file.String(third);
  file.Int(1);
  for (int n = 0; n < 6; ++n) file.String("");
  file.Double(10.0);
  file.Double(5.0);
  file.Double(36000.0);
  file.Single(0.5f);
  file.Single(20.0f);
  file.Int(1000);
  for (int n = 0; n < 6; ++n) file.String("");
  file.String(second);
  for (int n = 0; n < 8; ++n) file.String("");
}

std::string TwoAreaFile() {
  OldDataFileWriter file;
  file.Bytes("Korvexia_100", 12);
  file.Word(0);
  file.String("DM");
  file.Int(2);
  file.Int(0);
  file.Cell(3, 40, 0);
  WriteArea(file, 1, "Deutschland");
  file.Word(0);
  WriteArea(file, 2, "Schweiz");
  file.Word(1);
  file.Int(1);
  file.Bytes("\0", 1);
  for (int key = 0; key < 3; ++key) file.Int(65535);
  WriteCoin(file, 1, "12", "J7", "Y5");
  WriteCoin(file, 2, "400", "", "CH-9");
  file.Word(1);
  file.String("");
  file.String("");
  return file.bytes();
}

class NoPasswords : public PasswordPrompt {
 public:
  std::optional<std::string> AskPassword(const std::string&) override { return std::nullopt; }
};

}  // namespace

class LegacyOfferTest : public QObject {
  Q_OBJECT

 private slots:
  void oldDataFileOffersTheAssignmentForAllAreas() {
    test::TempDir folder;
    const auto path = folder / "alt.kvl";
    test::WriteFileBytes(path, TwoAreaFile());

    CollectionDocument document;
    test::ScriptedMessages messages;
    NoPasswords passwords;
    NoProgress progress;
    gui::DialogLegacyNumberAssignment assignment(nullptr);
    std::array<int, 3> offered = {-2, -2, -2};
    bool all_areas_hidden = false;
    test::WhenShown<gui::TNummernkreisfenster>([&](gui::TNummernkreisfenster* dialog) {
      offered = dialog->Choice().kinds;
      all_areas_hidden = dialog->AlleKategorien->isHidden() && dialog->AlleKategorien->isChecked();
      dialog->ComboBox1->setCurrentIndex(1);  // Jaeger
      dialog->ComboBox2->setCurrentIndex(0);  // Schön
      dialog->ComboBox3->setCurrentIndex(3);  // RIC
      dialog->ButtonOK->click();
    });
    const LegacyReadResult result = ReadLegacyFile(path.string(), document, {messages, passwords, progress, &assignment});
    QCOMPARE(int(result.outcome), int(LegacyReadOutcome::kRead));
    QCOMPARE(offered, (std::array<int, 3>{0, 2, 1}));
    QVERIFY(all_areas_hidden);
    QCOMPARE(document.AreaCount(), 2);
    QCOMPARE(document.coin_count, 2);

    const TDaten& german = *document.first_coin;
    const TDaten& swiss = *german.next;
    QCOMPARE(german.jaeger, std::string("12"));
    QCOMPARE(german.schoen, std::string("Y5"));
    QCOMPARE(german.ric, std::string("J7"));
    QCOMPARE(german.yeoman, std::string());
    QCOMPARE(swiss.jaeger, std::string("400"));
    QCOMPARE(swiss.schoen, std::string("CH-9"));
    QCOMPARE(swiss.ric, std::string());
    for (int id = 1; id <= 2; ++id) {
      QCOMPARE(document.Area(id)->number_kind, (std::array<int32_t, 3>{1, 0, 3}));
      QVERIFY(document.Area(id)->FieldEnabled(kJaeger));
      QVERIFY(!document.Area(id)->FieldEnabled(kYeoman));
    }
  }
};

}  // namespace korvex

QTEST_MAIN(korvex::LegacyOfferTest)
#include "legacyoffer_test.moc"
