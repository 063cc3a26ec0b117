#include "files/legacyscrambling.h"

namespace korvex {
namespace {

std::string Transform(std::string_view text, int key, bool add_first) {
  std::string result(text);
  bool add = add_first;
  for (std::size_t i = result.size(); i-- > 0;) {
    int b = static_cast<unsigned char>(result[i]);
    if (add) {
      b += key;
      if (b > 255) b -= 255;
    } else {
      b -= key;
      if (b < 0) b += 255;
    }
    result[i] = static_cast<char>(static_cast<unsigned char>(b));
    add = !add;
  }
  return result;
}

}  // namespace

int LegacyPasswordKey(std::string_view password) {
  int n = 0;
  for (int i = static_cast<int>(password.size()); i >= 1; --i) {
    n += static_cast<unsigned char>(password[i - 1]) - i;
    if (n > 255) n -= 255;
    else if (n < 0) n += 255;
    // One correction per position keeps the key in range for passwords of up to 255 characters,
    // all the old password dialog allowed; longer ones are brought back into range here.
    while (n > 255) n -= 255;
    while (n < 0) n += 255;
  }
  if (n == 0 && !password.empty()) n = 100;
  return n;
}

std::string LegacyScramble(std::string_view text, int key) { return Transform(text, key, true); }

std::string LegacyUnscramble(std::string_view text, int key) { return Transform(text, key, false); }

}  // namespace korvex
