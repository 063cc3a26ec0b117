// Opens a collection in the main window and runs one of its dialogs for screenshots under Xvfb:
//   viewdialog_screens sort|fields|search|filter COLLECTION [SECONDS]
// The dialog closes itself after SECONDS (default 6), then the program ends. Run it with
// KORVEX_DATA_DIR and XDG_CONFIG_HOME pointing at scratch folders.

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

#include "mainwindow/gui/thauptfenster.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::map<std::string, const char*> commands = {
      {"sort", "MenuAnsichtSortierung"},
      {"fields", "MenuAnsichtFelder"},
      {"search", "MenuExtrasSuchen"},
      {"filter", "MenuExtrasFilterDefinieren"}};
  if (argc < 3 || !commands.contains(argv[1])) {
    std::fprintf(stderr, "usage: viewdialog_screens sort|fields|search|filter COLLECTION [SECONDS]\n");
    return 2;
  }
  const char* command = commands.at(argv[1]);
  const int seconds = argc > 3 ? std::stoi(argv[3]) : 6;
  korvex::MainWindowServices services;
  services.arguments = {argv[2]};
  korvex::THauptfenster window(services);
  window.resize(1000, 700);
  window.show();
  QTimer::singleShot(1500, &window, [&window, command, seconds] {
    QTimer::singleShot(seconds * 1000, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    window.Action(command)->trigger();
    QTimer::singleShot(500, &window, &QWidget::close);
  });
  return app.exec();
}
