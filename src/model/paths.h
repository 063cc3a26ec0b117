#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvex {

// Paths are held like all document text, as Windows-1252; the file system wants native paths.
std::filesystem::path NativePath(std::string_view win1252_path);
std::string PathText(const std::filesystem::path& path);

// True when a picture reference or file name names no folder ("a.jpg", not "x/a.jpg" or "x\a.jpg").
bool HasNoDirectory(std::string_view name);

// The file name without folder and without its last extension.
std::string FileTitleOf(std::string_view path);

// The folder part of a path including its final separator; empty when there is none.
std::string DirectoryOf(std::string_view path);

// The last extension including its dot, e.g. ".mvc"; empty when there is none.
std::string ExtensionOf(std::string_view path);

// Compares two paths without regard to letter case.
bool SamePathIgnoringCase(std::string_view a, std::string_view b);

}  // namespace korvex
