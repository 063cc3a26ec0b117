#pragma once

#include <filesystem>
#include <optional>

#include "platform/settingsstore.h"

namespace korvex {

// The example collection "Beispielsammlung.mvc" with its picture folder "Beispielsammlung",
// shipped in the program folder and offered once, on the very first start.
//
// The first call notes the offer in the settings store (value "BeispielsammlungAngeboten"), so it
// is made only once whatever comes of it. The user works on a copy in the data folder, never in
// the program folder: the file and its pictures are copied there unless a copy of the file is
// there already (a picture already there is kept). The answer is the copy to open; nothing when
// the offer was made before, the program folder has no example or the copy failed.
std::optional<std::filesystem::path> InstallExampleOnFirstStart(SettingsStore& store,
                                                                const std::filesystem::path& program_folder,
                                                                const std::filesystem::path& data_folder);

}  // namespace korvex
