#pragma once

#include <string>
#include <string_view>

namespace korvex {

// Text inside the program is held as Windows-1252 bytes; files and widgets speak UTF-8.
// The five codes that Windows-1252 leaves undefined map to the C1 controls of the same
// number, so every byte survives a round trip.
std::string Win1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToWin1252(std::string_view text);

}  // namespace korvex
