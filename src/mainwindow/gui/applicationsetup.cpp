#include "mainwindow/gui/applicationsetup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvex {

void SetUpApplication(QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("Korvex"));
  QCoreApplication::setOrganizationName(QStringLiteral("Varlow"));
  InstallQtGermanTranslation(application);
}

bool InstallQtGermanTranslation(QCoreApplication& application) {
  // The translator lives as long as the application that uses it.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace korvex
