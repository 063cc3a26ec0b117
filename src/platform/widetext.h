#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace korvex {

// The program holds Windows-1252 text; Qt speaks QString. Every conversion between the two goes
// through these.
QString FromWin1252(std::string_view text);
std::string ToWin1252(const QString& text);

// Message texts for MessageService are UTF-8.
std::string ToUtf8(const QString& text);

}  // namespace korvex
