#pragma once

#include <filesystem>

namespace korvex {

// The data folder "proMarbel/Korvex": home of the lookup file "korvex.ini" and "update.ini", and
// the start folder of the file dialogs. KORVEX_DATA_DIR names it directly; otherwise it lies in
// the platform's per-user data location. Created when missing.
std::filesystem::path DataFolder();

// The program folder: home of "waehrung.umr", the icons "ICO/" and the shipped data.
// KORVEX_PROGRAM_DIR names it directly (tests); otherwise the folder of the running executable,
// or the shipped data folder of the source tree when the executable runs from a build folder.
std::filesystem::path ProgramFolder();

}  // namespace korvex
