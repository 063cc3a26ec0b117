#pragma once

#include <filesystem>
#include <string_view>

namespace korvex {

// Replaces the file at `path` with `bytes` without ever leaving a half-written file there: the
// bytes go to a temporary file in the same folder, which is flushed to the disk and only then
// renamed to `path`, and the folder is flushed after. When `previous_version` is not empty, the
// file that was at `path` is kept under that name: a second name for it (a copy where the file
// system has no hard links) replaces an older copy by a rename, so that a stop at any moment
// leaves both names with a whole file; failing to keep it does not stop the write. A file without
// write permission is refused, even for the superuser, whom the folder would let replace it.
// The temporary file has a name of its own ("<file>.korvex-<process id>-<random>.tmp"), so no file
// left by an earlier run can block the save; after a successful save the temporary files that
// stopped saves of `path` left behind are removed. Throws EFileWriteError with a German message;
// the file at `path` is then unchanged.
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 const std::filesystem::path& previous_version);

}  // namespace korvex
