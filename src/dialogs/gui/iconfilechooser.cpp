#include "dialogs/gui/iconfilechooser.h"

#include <QFileDialog>

namespace korvex::gui {

std::optional<std::filesystem::path> FileDialogIconChooser::ChooseIcon(const std::filesystem::path& folder) {
  const QString file = QFileDialog::getOpenFileName(parent_, QString::fromUtf8("Graphik öffnen"),
                                                    QString::fromStdString(folder.string()),
                                                    QStringLiteral("Bitmaps (*.bmp)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

}  // namespace korvex::gui
