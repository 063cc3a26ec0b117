#pragma once

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace korvex {

// One entry of a file dialog's type list: the text the user sees and its patterns ("*.mvc").
struct FileFilter {
  std::string text;
  std::vector<std::string> patterns;
};

struct FileDialogRequest {
  std::string caption;
  std::string start_folder;             // UTF-8 path
  std::vector<FileFilter> filters;
  int filter_index = 1;                 // 1-based, as the file commands count them
  std::string default_extension;        // without dot; appended when the user types none
  bool offer_read_only = false;         // open dialogs: show the "open read-only" box
};

struct FileChoice {
  std::string path;          // UTF-8 path
  int filter_index = 1;      // 1-based index of the type the user chose
  bool read_only = false;    // the "open read-only" box was ticked
};

// The open and save dialogs of the file commands. The window shows the platform's dialogs;
// tests answer from a script so that they can open and save without a person.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Nothing when the user cancelled.
  virtual std::optional<FileChoice> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  // Asks before an existing file is overwritten; nothing when the user cancelled.
  virtual std::optional<FileChoice> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<FileChoice> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<FileChoice> ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  std::optional<FileChoice> Run(const FileDialogRequest& request, bool saving);

  QWidget* parent_;
};

}  // namespace korvex
