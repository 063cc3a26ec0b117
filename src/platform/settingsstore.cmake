# The per-user settings store (an INI file standing in for the registry key).
korvex_add_library(korvex_settingsstore CORE
  SOURCES settingsstore.cpp
  LIBS korvex_model Qt6::Core
)
