#pragma once

#include <QIcon>
#include <QString>

namespace korvex {

// The drawn icon of a command by its component name; a null icon for commands without one.
// The icons are painted, so the program needs no image files of its own for its toolbars.
QIcon ToolbarIcon(const QString& command_name);

// An area button's face when its icon file cannot be loaded: the area's short text.
QIcon ShortTextIcon(const QString& short_text);

}  // namespace korvex
