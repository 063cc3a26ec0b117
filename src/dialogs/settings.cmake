# Settings, date format, currency conversion, lookup lists and the entry dialog's input rules: the
# logic behind the dialogs.
korvex_add_library(korvex_settings CORE
  SOURCES
    lookuporder.cpp inifile.cpp lookuplists.cpp programsettings.cpp windowplaces.cpp
    dateformat.cpp currencyconversion.cpp entryfields.cpp entryrules.cpp
  LIBS korvex_settingsstore korvex_platform korvex_model Qt6::Core
)
