#include "mainwindow/gui/toolbaricons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace korvex {
namespace {

constexpr int kSize = 32;
const QColor kOutline(60, 60, 70);
const QColor kPaper(250, 250, 245);
const QColor kBlue(45, 110, 190);
const QColor kGold(214, 170, 60);
const QColor kRed(200, 50, 45);
const QColor kGreen(50, 150, 70);

using Painter = std::function<void(QPainter&)>;

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 7, r.top());
  path.lineTo(r.right(), r.top() + 7);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
  p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void Coin(QPainter& p, QPointF centre, double radius) {
  p.setPen(QPen(kOutline.darker(120), 1.5));
  p.setBrush(kGold);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(kGold.darker(140), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius * 0.65, radius * 0.65);
}

void Badge(QPainter& p, const QColor& colour, const QString& sign) {
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(colour);
  p.drawEllipse(QPointF(24, 24), 7.5, 7.5);
  QFont font = p.font();
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(16.5, 16, 15, 16), Qt::AlignCenter, sign);
}

void Magnifier(QPainter& p) {
  p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19, 19), QPointF(28, 28));
  p.setPen(QPen(kOutline, 2.5));
  p.setBrush(QColor(200, 225, 250));
  p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
}

void Funnel(QPainter& p) {
  QPainterPath path;
  path.moveTo(3, 4);
  path.lineTo(27, 4);
  path.lineTo(18, 16);
  path.lineTo(18, 27);
  path.lineTo(12, 24);
  path.lineTo(12, 16);
  path.closeSubpath();
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(QColor(120, 160, 210));
  p.drawPath(path);
}

void Glyph(QPainter& p, const QString& text, const QColor& colour, int size, QRectF box = QRectF(0, 0, kSize, kSize)) {
  QFont font = p.font();
  font.setPixelSize(size);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

void Folder(QPainter& p) {
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(QColor(230, 190, 90));
  p.drawRect(QRectF(3, 8, 26, 19));
  p.drawRect(QRectF(3, 5, 10, 4));
  p.setBrush(QColor(245, 210, 120));
  QPainterPath front;
  front.moveTo(3, 27);
  front.lineTo(8, 13);
  front.lineTo(31, 13);
  front.lineTo(29, 27);
  front.closeSubpath();
  p.drawPath(front);
}

void Floppy(QPainter& p) {
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kBlue);
  p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 4, 14, 9));
  p.setBrush(QColor(220, 220, 220));
  p.drawRect(QRectF(8, 18, 16, 10));
}

void Key(QPainter& p) {
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kGold);
  p.drawEllipse(QPointF(10, 16), 7, 7);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 16), 2, 2);
  p.setBrush(kGold);
  p.drawRect(QRectF(16, 14, 13, 4));
  p.drawRect(QRectF(23, 18, 3, 5));
  p.drawRect(QRectF(27, 18, 2, 4));
}

void Printer(QPainter& p) {
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 3, 14, 10));
  p.setBrush(QColor(170, 175, 185));
  p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 20, 14, 9));
  p.setPen(QPen(kGreen, 2));
  p.drawPoint(QPointF(25, 16));
}

void Pencil(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(45);
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kGold);
  p.drawRect(QRectF(-4, -13, 8, 19));
  p.setBrush(QColor(240, 200, 170));
  QPainterPath tip;
  tip.moveTo(-4, 6);
  tip.lineTo(4, 6);
  tip.lineTo(0, 13);
  tip.closeSubpath();
  p.drawPath(tip);
  p.setBrush(kRed);
  p.drawRect(QRectF(-4, -15, 8, 3));
  p.restore();
}

void Pages(QPainter& p) {
  Page(p, QRectF(3, 3, 17, 21));
  Page(p, QRectF(12, 9, 17, 21));
}

void Clipboard(QPainter& p) {
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(QColor(190, 140, 80));
  p.drawRoundedRect(QRectF(5, 5, 22, 25), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 9, 14, 18));
  p.setBrush(QColor(170, 175, 185));
  p.drawRoundedRect(QRectF(11, 2, 10, 6), 2, 2);
}

// A curved arrow for undo (pointing left) or redo (mirrored).
void TurnArrow(QPainter& p, bool back) {
  if (!back) {
    p.translate(kSize, 0);
    p.scale(-1, 1);
  }
  QPainterPath arc;
  arc.moveTo(9, 13);
  arc.cubicTo(14, 5, 27, 7, 27, 17);
  arc.cubicTo(27, 23, 22, 27, 15, 27);
  p.setPen(QPen(kBlue, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  QPainterPath head;
  head.moveTo(3, 8);
  head.lineTo(14, 8);
  head.lineTo(5, 18);
  head.closeSubpath();
  p.setPen(QPen(kBlue, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kBlue);
  p.drawPath(head);
}

const QHash<QString, Painter>& Painters() {
  static const QHash<QString, Painter> painters = {
      {"SpeedNeueDatei", [](QPainter& p) { Page(p, QRectF(6, 3, 20, 26)); }},
      {"SpeedNeuVorlage", [](QPainter& p) {
         Page(p, QRectF(6, 3, 20, 26));
         p.setPen(QPen(kBlue, 1.5));
         for (int y = 13; y <= 25; y += 4) p.drawLine(QPointF(9, y), QPointF(23, y));
       }},
      {"SpeedLaden", Folder},
      {"SpeedSpeichern", Floppy},
      {"SpeedKey", Key},
      {"SpeedDruck", Printer},
      {"SpeedNeu", [](QPainter& p) { Coin(p, QPointF(13, 13), 11); Badge(p, kGreen, "+"); }},
      {"SpeedAendern", [](QPainter& p) { Coin(p, QPointF(12, 12), 10); Pencil(p); }},
      {"SpeedLoeschen", [](QPainter& p) { Coin(p, QPointF(13, 13), 11); Badge(p, kRed, QStringLiteral("×")); }},
      {"SpeedRueckgaengig", [](QPainter& p) { TurnArrow(p, true); }},
      {"SpeedWiederholen", [](QPainter& p) { TurnArrow(p, false); }},
      {"SpeedAusschneiden", [](QPainter& p) { Glyph(p, QStringLiteral("✂"), kOutline, 26); }},
      {"SpeedKopieren", Pages},
      {"SpeedEinfuegen", Clipboard},
      {"SpeedSuchen", Magnifier},
      {"SpeedSuchenWeiter", [](QPainter& p) { Magnifier(p); Badge(p, kBlue, QStringLiteral("›")); }},
      {"SpeedSortierung", [](QPainter& p) {
         Glyph(p, "A", kBlue, 13, QRectF(0, 0, 18, 16));
         Glyph(p, "Z", kBlue, 13, QRectF(0, 16, 18, 16));
         p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(24, 4), QPointF(24, 27));
         p.drawLine(QPointF(24, 27), QPointF(19, 21));
         p.drawLine(QPointF(24, 27), QPointF(29, 21));
       }},
      {"SpeedGesamt", [](QPainter& p) { Glyph(p, QStringLiteral("Σ"), kBlue, 28); }},
      {"SpeedAlles", [](QPainter& p) {
         Coin(p, QPointF(11, 20), 8);
         Coin(p, QPointF(21, 20), 8);
         Coin(p, QPointF(16, 11), 8);
       }},
      {"SpeedFilterNone", [](QPainter& p) { Funnel(p); Badge(p, kRed, QStringLiteral("×")); }},
      {"SpeedFilterFehlbestand", [](QPainter& p) { Funnel(p); Badge(p, kRed, QStringLiteral("−")); }},
      {"SpeedFilterBestand", [](QPainter& p) { Funnel(p); Badge(p, kGreen, "+"); }},
      {"SpeedFilterDubletten", [](QPainter& p) { Funnel(p); Badge(p, kBlue, "2"); }},
      {"SpeedFilterFrei", [](QPainter& p) { Funnel(p); Badge(p, kGold.darker(130), "?"); }},
  };
  return painters;
}

// Menu items show the icon of the toolbar button that runs the same command.
const QHash<QString, QString>& MenuIcons() {
  static const QHash<QString, QString> icons = {
      {"MenuDateiNeu", "SpeedNeueDatei"}, {"MenuDateiNeuVorlage", "SpeedNeuVorlage"},
      {"MenuDateiOeffnen", "SpeedLaden"}, {"MenuDateiSpeichern", "SpeedSpeichern"},
      {"Pawort1", "SpeedKey"}, {"MenuDateiDrucken", "SpeedDruck"},
      {"MenuBearbeitenRueckgaengig", "SpeedRueckgaengig"}, {"MenuBearbeitenWiederholen", "SpeedWiederholen"},
      {"MenuBearbeitenNeu", "SpeedNeu"}, {"MenuBearbeitenAendern", "SpeedAendern"},
      {"MenuBearbeitenLoeschen", "SpeedLoeschen"}, {"MenuBearbeitenAusschneiden", "SpeedAusschneiden"},
      {"MenuBearbeitenKopieren", "SpeedKopieren"}, {"MenuBearbeitenEinfuegen", "SpeedEinfuegen"},
      {"MenuExtrasSuchen", "SpeedSuchen"}, {"MenuExtrasWeitersuchen", "SpeedSuchenWeiter"},
      {"MenuAnsichtSortierung", "SpeedSortierung"}, {"MenuAnsichtGesamt", "SpeedGesamt"},
      {"MenuKategorieAlleartikel", "SpeedAlles"},
  };
  return icons;
}

QIcon Render(const Painter& painter) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  painter(p);
  p.end();
  return QIcon(pixmap);
}

}  // namespace

QIcon ToolbarIcon(const QString& command_name) {
  const QString button = MenuIcons().value(command_name, command_name);
  const auto found = Painters().find(button);
  return found == Painters().end() ? QIcon() : Render(*found);
}

QIcon ShortTextIcon(const QString& short_text) {
  return Render([short_text](QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(235, 238, 245));
    p.drawRoundedRect(QRectF(1.5, 5.5, 29, 21), 4, 4);
    Glyph(p, short_text, kBlue.darker(120), short_text.size() > 2 ? 11 : 14);
  });
}

}  // namespace korvex
