#include "mainwindow/gui/filedialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QStringList>

#include "mainwindow/savefilename.h"

namespace korvex {
namespace {

QString FilterText(const FileFilter& filter) {
  QStringList patterns;
  for (const auto& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
  return QString::fromStdString(filter.text) + " (" + patterns.join(' ') + ")";
}

}  // namespace

std::optional<FileChoice> QtFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
  return Run(request, false);
}

std::optional<FileChoice> QtFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
  return Run(request, true);
}

std::optional<FileChoice> QtFileDialogs::Run(const FileDialogRequest& request, bool saving) {
  QFileDialog dialog(parent_, QString::fromStdString(request.caption),
                     QString::fromStdString(request.start_folder));
  // Qt's own dialog, because the box for opening read-only has to be added to its layout.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const auto& filter : request.filters) filters << FilterText(filter);
  dialog.setNameFilters(filters);
  const int index = request.filter_index - 1;
  if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
  // A name typed without extension gets the one of the type shown at that moment.
  const auto suffix_of = [&request, &filters](const QString& filter) {
    const qsizetype chosen = filters.indexOf(filter);
    const std::string extension =
        chosen < 0 ? std::string() : ExtensionOfPatterns(request.filters[chosen].patterns);
    return QString::fromStdString(extension.empty() ? request.default_extension : extension.substr(1));
  };
  dialog.setDefaultSuffix(suffix_of(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, &suffix_of](const QString& filter) { dialog.setDefaultSuffix(suffix_of(filter)); });

  QCheckBox* read_only = nullptr;
  if (request.offer_read_only && !saving) {
    read_only = new QCheckBox(QStringLiteral("Schreibgeschützt öffnen"), &dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      grid->addWidget(read_only, grid->rowCount(), 0, 1, -1);
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;

  FileChoice choice;
  choice.path = dialog.selectedFiles().first().toStdString();
  choice.filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (choice.filter_index < 1) choice.filter_index = request.filter_index;
  choice.read_only = read_only && read_only->isChecked();
  return choice;
}

}  // namespace korvex
