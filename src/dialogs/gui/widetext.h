#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace korvex::gui {

// The dialogs hold Windows-1252 text like the rest of the program; widgets speak QString.
QString FromWin1252(std::string_view text);
std::string ToWin1252(const QString& text);

// Message texts for MessageService are UTF-8.
std::string ToUtf8(const QString& text);

}  // namespace korvex::gui
