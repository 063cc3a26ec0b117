#pragma once

#include <filesystem>

namespace korvex {

// The data folder "proMarbel/Korvex": home of the lookup file "korvex.ini" and "update.ini", and
// the start folder of the file dialogs. KORVEX_DATA_DIR names it directly; otherwise it lies in
// the platform's per-user data location. Created when missing.
std::filesystem::path DataFolder();

// The program folder: home of "waehrung.umr", the icons "ICO/", the help "hilfe/" and the
// shipped data. KORVEX_PROGRAM_DIR names it directly (tests); otherwise it is found from the
// folder of the running executable (ProgramFolderBeside).
std::filesystem::path ProgramFolder();

// The program folder that belongs to an executable in `executable_folder`: that folder itself
// when it holds "waehrung.umr" (a program unpacked into one folder), else "../share/korvex"
// beside it, where both an installation (bin/ and share/korvex/) and a build folder keep the
// data. Nothing of the machine the program was built on is compiled in.
std::filesystem::path ProgramFolderBeside(const std::filesystem::path& executable_folder);

}  // namespace korvex
