#include "reports/coinsheetprintout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <array>

#include "model/numberformat.h"
#include "reports/printoutpicture.h"

namespace korvex {
namespace {

// The rule under the header: 0.3 mm.
constexpr int kHeaderRuleWidth = 3;

// How far down a new page starts after its header: inside the fields, or inside the free text.
enum class BreakKind { kFields, kFreeText };

// A printed field: a caption and its value, or nothing.
struct SheetField {
  QString caption;
  QString value;
};

class CoinSheetPrinter {
 public:
  CoinSheetPrinter(QPainter& painter, QPagedPaintDevice& device, const CoinSheet& sheet)
      : device_(device),
        sheet_(sheet),
        content_(sheet.content),
        canvas_(painter, device),
        line_(HeadingFontHeight(sheet.font_size)),
        middle_(canvas_.area().width / 2),
        caption_width_(middle_ / 3) {}

  PrintOutcome Print(const PrintControl& control) {
    Header();
    y_ += static_cast<int>(1.3 * line_);
    if (sheet_.with_pictures && !(content_.obverse_picture.empty() && content_.reverse_picture.empty())) {
      if (y_ + 10 * line_ > Height() && !BreakPage(BreakKind::kFields)) return PrintOutcome::kFailed;
      Pictures();
    }
    FullWidthLines();
    if (!TwoColumnRows()) return PrintOutcome::kFailed;
    return FreeText(control);
  }

 private:
  int Width() const { return canvas_.area().width; }
  int Height() const { return canvas_.area().height; }

  void Header() {
    canvas_.SetFont(line_, FontStyle::kBold);
    canvas_.Text(0, 0, PrintText(content_.caption));
    y_ = line_;
    canvas_.SetFont(line_, FontStyle::kItalic);
    canvas_.Text(0, y_, PrintText(content_.area_name));
    canvas_.Text(middle_, y_, QStringLiteral("Seite:  %1").arg(page_));
    canvas_.TextRight(Width(), y_, PrintText(sheet_.date_text));
    QPainter& painter = canvas_.painter();
    painter.save();
    painter.setPen(QPen(Qt::black, kHeaderRuleWidth));
    painter.drawLine(QLineF(0, y_ + line_, Width(), y_ + line_));
    painter.restore();
    canvas_.SetFont(line_, FontStyle::kNormal);
  }

  bool BreakPage(BreakKind kind) {
    canvas_.SetFont(line_, FontStyle::kBoldItalic);
    ++page_;
    canvas_.TextRight(Width(), y_, QStringLiteral("Fortsetzung auf Seite %1").arg(page_));
    if (!device_.newPage()) return false;
    canvas_.SetUpPage();
    Header();
    y_ += kind == BreakKind::kFields ? line_ + 2 : 2 * line_ - 5;
    return true;
  }

  void Pictures() {
    y_ += line_;
    const int available = Height() - y_;
    const int obverse = PrintPicture(canvas_, content_.obverse_picture, sheet_.picture_folder,
                                     {0, middle_, y_, available}, true);
    const int reverse = PrintPicture(canvas_, content_.reverse_picture, sheet_.picture_folder,
                                     {middle_, Width(), y_, available}, true);
    y_ += std::max(obverse, reverse) + line_;
  }

  // The field whose value label has `value_name`, when the view shows it.
  std::optional<SheetField> Shown(const char* value_name) const {
    const DetailField* field = content_.Field(value_name);
    if (!field || !field->shown) return std::nullopt;
    return SheetField{PrintText(field->caption), PrintText(field->value)};
  }

  void FullWidthLines() {
    for (const char* name : {"Motiv1", "Motiv2", "ARand"}) {
      if (const auto field = Shown(name)) FullWidthLine(*field);
    }
    if (content_.area_uses_item) {
      FullWidthLine({QStringLiteral("Inventarnummer:"), PrintText(content_.item)});
    }
  }

  void FullWidthLine(const SheetField& field) {
    canvas_.Text(0, y_, canvas_.CutToWidth(field.caption, caption_width_));
    canvas_.Text(caption_width_ + 10, y_,
                 canvas_.CutToWidth(field.value, Width() - caption_width_ - 10));
    y_ += line_;
  }

  void LeftField(const SheetField& field) {
    canvas_.Text(0, y_, canvas_.CutToWidth(field.caption, caption_width_));
    canvas_.Text(caption_width_ + 10, y_,
                 canvas_.CutToWidth(field.value, middle_ - caption_width_ - 20));
  }

  void RightField(const SheetField& field) {
    canvas_.Text(middle_, y_, canvas_.CutToWidth(field.caption, caption_width_));
    canvas_.Text(middle_ + caption_width_ + 10, y_,
                 canvas_.CutToWidth(field.value, Width() - middle_ - caption_width_ - 10));
  }

  // Prints a row and tells whether anything of it was printed.
  bool Row(const std::optional<SheetField>& left, const std::optional<SheetField>& right) {
    if (left) LeftField(*left);
    if (right) RightField(*right);
    return left || right;
  }

  std::optional<SheetField> Presence(bool area_uses, const char* caption, bool present) const {
    if (!area_uses) return std::nullopt;
    return SheetField{QString::fromLatin1(caption),
                      PrintText(DetailViewContent::PresenceText(present))};
  }

  bool TwoColumnRows() {
    static constexpr std::array<std::array<const char*, 2>, 16> kRows = {{
        {"AStadt", "AGewicht"},         {"AMuenzmeister", "AFeingehalt"},
        {"Praegestaette", "Feingewicht"}, {"AAusgabedatum", nullptr},
        {"AGueltigBis", "AMuenzdicke"}, {"Qualitaet", "Durchmesser"},
        {"ANummer1", "Auflage"},        {"ANummer2", "Legierung"},
        {"ANummer3", "Haendler"},       {"Anzahl", "Ort"},
        {"Katalogwert", "AnzLand"},     {"Gesamtwert", "Zusatz1"},
        {"ASchaetzwert", "Zusatz2"},    {"Kaufpreis", "Zusatz3"},
        {"Wertsteigerung", "Zusatz4"},  {"Kaufdatum", "Zusatz5"},
    }};
    for (const auto& [left, right] : kRows) {
      if (Row(Shown(left), right ? Shown(right) : std::nullopt)) y_ += line_;
      if (y_ + 4 * line_ > Height() && !BreakPage(BreakKind::kFields)) return false;
    }
    if (Row(Shown("AKuenstlerAvers"), Presence(content_.area_uses_case, "Etui:", content_.has_case))) {
      y_ += line_;
    }
    if (Row(Shown("AKuenstlerRevers"),
            Presence(content_.area_uses_certificate, "Zertifikat:", content_.has_certificate))) {
      y_ += line_;
    }
    y_ += line_;
    return true;
  }

  std::vector<QString> FreeTextLines() const {
    QString note = PrintText(content_.note);
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList stored = note.split(QLatin1Char('\n'));
    std::vector<QString> lines;
    const auto width = [this](const QString& text) { return canvas_.TextWidth(text); };
    // A note that ends with a line break has no further line after it.
    const qsizetype count = !stored.isEmpty() && stored.back().isEmpty() ? stored.size() - 1 : stored.size();
    for (qsizetype i = 0; i < count; ++i) {
      for (QString& piece : SplitFreeTextLine(stored[i], width)) lines.push_back(std::move(piece));
    }
    return lines;
  }

  PrintOutcome FreeText(const PrintControl& control) {
    canvas_.SetFont(line_, FontStyle::kNormal);
    const std::vector<QString> lines = FreeTextLines();
    std::size_t next = 0;
    while (next < lines.size()) {
      while (next < lines.size() && y_ + 4 * line_ < Height()) {
        if (control.Aborted()) return PrintOutcome::kAborted;
        canvas_.Text(0, y_, lines[next++]);
        y_ += line_;
      }
      if (next < lines.size()) {
        if (!BreakPage(BreakKind::kFreeText)) return PrintOutcome::kFailed;
        canvas_.SetFont(line_, FontStyle::kNormal);
      }
    }
    return PrintOutcome::kPrinted;
  }

  QPagedPaintDevice& device_;
  const CoinSheet& sheet_;
  const DetailViewContent& content_;
  PrintCanvas canvas_;
  const int line_;
  const int middle_;
  const int caption_width_;
  int page_ = 1;
  int y_ = 0;
};

}  // namespace

QString CoinSheetJobTitle(const DetailViewContent& content) {
  return QStringLiteral("Korvex - ") + PrintText(content.caption);
}

PrintOutcome PrintCoinSheet(QPagedPaintDevice& device, const CoinSheet& sheet,
                            const PrintControl& control) {
  QPainter painter;
  if (!painter.begin(&device)) return PrintOutcome::kFailed;
  CoinSheetPrinter printer(painter, device, sheet);
  const PrintOutcome outcome = printer.Print(control);
  painter.end();
  return outcome;
}

}  // namespace korvex
