#include "dialogs/gui/picturechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "platform/widetext.h"

namespace korvex::gui {

std::optional<std::string> FileDialogPictureChooser::ChoosePicture(
    const PictureDialogStart& start) {
  QFileDialog dialog(parent_, QStringLiteral("Bild auswählen"), FromWin1252(start.folder));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("bmp"));
  dialog.setNameFilters(QStringList{
      QStringLiteral("All pictures / Alle Bilder (*.pcx *.bmp *.wmf *.ico *.jpg *.jpeg *jif *.gif "
                     "*.tga *.dib *.rle)"),
      QStringLiteral("PCX-File (*.pcx)"), QStringLiteral("Windows-Bitmap (*.bmp)"),
      QStringLiteral("Windows Meta File (*.wmf)"), QStringLiteral("Icon (*.ico)"),
      QStringLiteral("JPEG-File (*.jpg *.jpeg)"), QStringLiteral("JIF-File (*.jif)"),
      QStringLiteral("GIF-File (*.gif)"), QStringLiteral("TGA-File (*.tga)"),
      QStringLiteral("DIB-File (*.dib)"), QStringLiteral("RLE-File (*.rle)")});
  if (!start.file_name.empty()) dialog.selectFile(FromWin1252(start.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToWin1252(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

}  // namespace korvex::gui
