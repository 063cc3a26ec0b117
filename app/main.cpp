// The GUI entry point: the application "Korvex" with its main window.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mainwindow/gui/applicationsetup.h"
#include "mainwindow/gui/thauptfenster.h"

namespace {

bool HasEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Qt aborts when it finds no display; the user gets a plain answer instead.
bool DisplayAvailable() {
  return HasEnvironment("DISPLAY") || HasEnvironment("WAYLAND_DISPLAY") || HasEnvironment("QT_QPA_PLATFORM");
}

// The program speaks German; a machine without any locale setting gets German number and date
// conventions instead of the bare C locale.
void PreferGermanConventions() {
  for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(name);
    if (!value || !*value) continue;
    const bool bare = std::strcmp(value, "C") == 0 || std::strcmp(value, "POSIX") == 0 ||
                      std::strncmp(value, "C.", 2) == 0;
    if (!bare) return;
  }
  qputenv("LC_ALL", "de_DE.UTF-8");
}

}  // namespace

int main(int argc, char* argv[]) {
  PreferGermanConventions();
  if (!DisplayAvailable()) {
    std::fputs("Korvex kann nicht starten: Es ist keine grafische Oberfläche verfügbar "
               "(weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"
               "Bitte starten Sie Korvex in einer Desktop-Sitzung oder z. B. mit "
               "\"xvfb-run ./scripts/run\".\n",
               stderr);
    return 2;
  }
  QApplication application(argc, argv);
  korvex::SetUpApplication(application);
  // The installed desktop entry and icon (packaging/) carry the name "korvex".
  QGuiApplication::setDesktopFileName(QStringLiteral("korvex"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("korvex")));

  korvex::MainWindowServices services;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) services.arguments.push_back(arguments[i].toStdString());

  korvex::THauptfenster window(std::move(services));
  window.show();
  return QApplication::exec();
}
