#pragma once

#include <filesystem>
#include <optional>

class QWidget;

namespace korvex::gui {

// Lets the user pick an area picture; tests answer without a file dialog.
class IconFileChooser {
 public:
  virtual ~IconFileChooser() = default;
  // Starts in `folder`; nothing when the user cancelled.
  virtual std::optional<std::filesystem::path> ChooseIcon(const std::filesystem::path& folder) = 0;
};

// The picture dialog "Graphik öffnen" for Windows bitmaps.
class FileDialogIconChooser final : public IconFileChooser {
 public:
  explicit FileDialogIconChooser(QWidget* parent) : parent_(parent) {}
  std::optional<std::filesystem::path> ChooseIcon(const std::filesystem::path& folder) override;

 private:
  QWidget* parent_;
};

}  // namespace korvex::gui
