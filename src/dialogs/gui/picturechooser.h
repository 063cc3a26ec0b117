#pragma once

#include <optional>
#include <string>

#include "dialogs/entryrules.h"

class QWidget;

namespace korvex::gui {

// Lets the user pick a coin picture for the entry dialog; tests answer without a file dialog.
// Paths are Windows-1252 like all document text.
class PictureChooser {
 public:
  virtual ~PictureChooser() = default;
  // Nothing when the user cancelled.
  virtual std::optional<std::string> ChoosePicture(const PictureDialogStart& start) = 0;
};

// The open dialog `BildWahlDialog` "Bild auswählen" with the picture types the program reads.
class FileDialogPictureChooser final : public PictureChooser {
 public:
  explicit FileDialogPictureChooser(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> ChoosePicture(const PictureDialogStart& start) override;

 private:
  QWidget* parent_;
};

}  // namespace korvex::gui
