#pragma once

#include <string>

namespace korvex {

// A coin's free note; lines are separated by CR LF.
struct TText {
  std::string text;

  // Every LF that is not already part of a CR LF becomes CR LF.
  void NormaliseLineEnds();
};

}  // namespace korvex
