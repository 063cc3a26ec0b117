#pragma once

#include <string>
#include <string_view>

namespace korvex {

// Texts of legacy data files are stored scrambled with a key from 0 to 255 derived from the
// file's password. Key 0 leaves a text unchanged, so files without password hold plain texts.
//
// The transform walks from the last byte to the first and alternates between adding and
// subtracting the key; it wraps by 255, not 256, as the files were written that way. For bytes
// 1 to 254 unscrambling is the exact inverse of scrambling.

// The key of a password; 0 for the empty password, never 0 for any other.
int LegacyPasswordKey(std::string_view password);

// Scrambling starts by adding the key to the last byte.
std::string LegacyScramble(std::string_view text, int key);

// Unscrambling starts by subtracting the key from the last byte.
std::string LegacyUnscramble(std::string_view text, int key);

}  // namespace korvex
