#include "reports/indexcardprintout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

#include "reports/printoutpicture.h"

namespace korvex {
namespace {

// The card keeps only 1 mm from the printable area's corner.
constexpr int kCardOrigin = 10;

class IndexCardPrinter {
 public:
  IndexCardPrinter(QPainter& painter, const QPaintDevice& device, const IndexCard& card)
      : card_(card),
        content_(card.content),
        canvas_(painter, device, kCardOrigin, kCardOrigin),
        line_(HeadingFontHeight(card.font_size)),
        card_width_(device.widthMM() * kPrintUnitsPerMm),
        right_(card_width_ - 20),
        middle_(right_ / 2 - 1) {}

  void Print() {
    Title();
    canvas_.SetFont(line_, FontStyle::kNormal);
    LeftField(1, "AnzLand");
    RightField(1, "AStadt");
    LeftField(2, "AMuenzmeister");
    RightField(2, "Praegestaette");
    Descriptions();
    canvas_.SetFont(line_, FontStyle::kNormal);
    const std::array<std::array<const char*, 2>, 4> rows = {{{"Durchmesser", "AGewicht"},
                                                            {"AFeingehalt", "Feingewicht"},
                                                            {"Auflage", "Legierung"},
                                                            {"Haendler", "Ort"}}};
    int row = 6;
    for (const auto& [left, right] : rows) {
      LeftField(row, left);
      RightField(row, right);
      ++row;
    }
    LeftField(10, "AKuenstlerAvers");
    if (content_.area_uses_case) RightText(10, "Etui: " + DetailViewContent::PresenceText(content_.has_case));
    LeftField(11, "AKuenstlerRevers");
    if (content_.area_uses_certificate) {
      RightText(11, "Zertifikat: " + DetailViewContent::PresenceText(content_.has_certificate));
    }
    canvas_.SetFont(line_, FontStyle::kBold);
    canvas_.Text(1, Row(12), QStringLiteral("Bemerkungen, Literatur usw.:"));
    canvas_.SetFont(line_, FontStyle::kNormal);
    FreeText();
    Pictures();
    canvas_.SetFont(line_ / 2, FontStyle::kNormal);
    canvas_.TextClipped(1, Row(24), right_, Row(25), 1, Row(24) + 1, PrintText(content_.history));
  }

 private:
  int Row(int n) const { return IndexCardRowTop(card_.font_size, n); }

  std::string FieldText(const char* value_name) const {
    const DetailField* field = content_.Field(value_name);
    return field ? field->caption + " " + field->value : std::string();
  }

  void Title() {
    canvas_.SetFont(line_, FontStyle::kBold);
    canvas_.Text(1, 1, PrintText(content_.caption));
    const DetailField* slot = content_.Field("ANummer1");
    const std::string number = "   " + (slot ? slot->caption + " " + slot->value : std::string());
    canvas_.TextRight(card_width_ - 30, 5, PrintText(number));
  }

  // Every left field ends at the middle, so that it never runs into its right neighbour.
  void LeftField(int row, const char* value_name) {
    canvas_.TextClipped(1, Row(row), middle_, Row(row + 1), 1, Row(row),
                        PrintText(FieldText(value_name)));
  }
  void RightField(int row, const char* value_name) { RightText(row, FieldText(value_name)); }
  void RightText(int row, const std::string& text) {
    canvas_.TextClipped(middle_, Row(row), right_, Row(row + 1), middle_ + 2, Row(row), PrintText(text));
  }

  // Rows 3 to 5: the motives and the edge, their texts in bold behind the widest caption.
  void Descriptions() {
    const std::array<const char*, 3> names = {"Motiv1", "Motiv2", "ARand"};
    int indent = 0;
    for (const char* name : names) {
      const DetailField* field = content_.Field(name);
      if (field) indent = std::max(indent, canvas_.TextWidth(PrintText(field->caption)));
    }
    int row = 3;
    for (const char* name : names) {
      const DetailField* field = content_.Field(name);
      if (field) {
        canvas_.SetFont(line_, FontStyle::kNormal);
        canvas_.Text(1, Row(row), PrintText(field->caption));
        canvas_.SetFont(line_, FontStyle::kBold);
        canvas_.TextClipped(indent, Row(row), right_, Row(row + 1), indent, Row(row),
                            PrintText(" " + field->value));
      }
      ++row;
    }
  }

  // The free text as one flowing text, cut at characters into at most three rows.
  void FreeText() {
    QString rest = PrintText(content_.note);
    rest.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (int row = kIndexCardFirstTextRow; row <= kIndexCardLastTextRow && !rest.isEmpty(); ++row) {
      const QString fits = canvas_.CutToWidth(rest, card_width_ - 40);
      if (fits.isEmpty()) return;
      canvas_.Text(1, Row(row), fits);
      rest.remove(0, fits.size());
    }
  }

  void Pictures() {
    const int top = Row(16);
    const int available = Row(24) - top;
    PrintPicture(canvas_, content_.obverse_picture, card_.picture_folder,
                 {1, middle_ + 1, top, available}, false);
    PrintPicture(canvas_, content_.reverse_picture, card_.picture_folder,
                 {middle_ + 1, right_, top, available}, false);
  }

  const IndexCard& card_;
  const DetailViewContent& content_;
  PrintCanvas canvas_;
  const int line_;
  const int card_width_;
  const int right_;
  const int middle_;
};

}  // namespace

QString IndexCardJobTitle(const DetailViewContent& content) {
  return QStringLiteral("Karteikarte: Korvex - ") + PrintText(content.caption);
}

PrintOutcome PrintIndexCard(QPagedPaintDevice& device, const IndexCard& card) {
  QPainter painter;
  if (!painter.begin(&device)) return PrintOutcome::kFailed;
  IndexCardPrinter(painter, device, card).Print();
  painter.end();
  return PrintOutcome::kPrinted;
}

}  // namespace korvex
