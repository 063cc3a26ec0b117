#pragma once

#include <string>

namespace korvex {

// A coin's free note; lines are separated by CR LF.
struct TText {
  std::string text;

  // Every line end becomes CR LF: a bare CR, a bare LF and CR LF alike.
  void NormaliseLineEnds();
};

}  // namespace korvex
