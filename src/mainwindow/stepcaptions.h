#pragma once

#include <string>

#include "model/tdaten.h"

// The texts by which "&Rückgängig" and "&Wiederholen" name a step; Windows-1252.
namespace korvex {

// A coin as a step names it: nominal and currency, then year and motive in brackets
// ("5 Mark (1936, Olympia)"); the inventory number stands for a missing nominal and currency
// ("Nr. 3 (1930)").
std::string CoinStepName(const TDaten& coin);

enum class CoinStep { kNew, kChange, kDelete, kCut, kQuickPrice };
// "Löschen von 5 Mark (1936, Olympia)" and the like.
std::string CoinStepCaption(CoinStep step, const TDaten& coin);

// "Einfügen von 1 Münze", "Einfügen von 3 Münzen".
std::string PasteStepCaption(int coins);

inline constexpr const char* kAreaDefinitionStep = "Kategorien definieren";
inline constexpr const char* kNumberRangesStep = "Nummernkreise neu zuordnen";
inline constexpr const char* kCurrencyStep = "W\xE4hrungsumrechnung";
inline constexpr const char* kTextImportStep = "Textimport";
inline constexpr const char* kSortStep = "Sortierung";
inline constexpr const char* kFieldsStep = "Angezeigte Felder";
inline constexpr const char* kColumnMoveStep = "Verschieben einer Spalte";
inline constexpr const char* kColumnWidthStep = "Spaltenbreite";

// The text of the menu item and of the button's tooltip: "&Rückgängig" alone without a step,
// "&Rückgängig: Löschen von ..." with one; an ampersand of the step's text shows as itself.
std::string UndoItemText(const std::string& step_caption);
std::string RedoItemText(const std::string& step_caption);

}  // namespace korvex
