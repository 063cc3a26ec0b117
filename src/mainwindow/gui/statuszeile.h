#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace korvex {

// The main window's status bar: five panels (0 the message panel, 1 pieces, 2 catalogue value,
// 3 password, 4 "Geändert") or, while a long operation runs, one simple text instead of them.
class TStatuszeile final : public QStatusBar {
  Q_OBJECT

 public:
  static constexpr int kPanelCount = 5;

  explicit TStatuszeile(QWidget* parent = nullptr);

  void SetPanelText(int panel, const QString& text);
  QString PanelText(int panel) const;
  // The width a panel is meant to have; panels 0 and 4 may give way on a narrow window.
  void SetPanelWidth(int panel, int width);
  int PanelWidth(int panel) const;

  // The progress display: one simple text replaces the panels until it is cleared.
  void ShowSimpleText(const QString& text);
  void EndSimpleText();
  bool SimpleTextShown() const { return simple_; }
  QString SimpleText() const { return currentMessage(); }

 signals:
  void MouseMoved(int x, int y);
  void DoubleClicked(int x);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, kPanelCount> panels_{};
  std::array<int, kPanelCount> widths_{};
  bool simple_ = false;
};

}  // namespace korvex
