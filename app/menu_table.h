// The main window's menu bar and tool bar as fixed tables: every menu, every item with its
// caption, status-line hint and handler, and the five tool bar buttons with their hints.
#pragma once

#include <string>
#include <string_view>

struct MenuRow {
    const char* ObjectName;  // "FileMenu", ...
    const char* Caption;     // with "&" before the access key
};

// One menu item; a separator has Caption "-" and no object name, hint or handler.
struct MenuItemRow {
    int Menu;                // index into kMenus
    const char* ObjectName;  // "FileNewItem", ..., or the handler's name for chart items
    const char* Caption;     // with "&" before the access key
    const char* Hint;        // status-line text; "" for none
    const char* Handler;     // slot of TMainForm run when the item is chosen
};

struct SpeedButtonRow {
    const char* ObjectName;  // "SpeedButton1", ...
    int Left;                // px from the left of the tool bar
    const char* Hint;        // "short|long": tool tip | status line
    const char* Handler;     // slot of TMainForm run when the button is clicked
};

constexpr int kMenuCount = 4;
constexpr int kMenuItemCount = 39;
constexpr int kSpeedButtonCount = 5;

constexpr int kSpeedBarHeight = 33;    // px
constexpr int kSpeedButtonTop = 4;     // px from the top of the tool bar
constexpr int kSpeedButtonSize = 25;   // px, square
constexpr int kStatusLineHeight = 23;  // px

extern const MenuRow kMenus[kMenuCount];
extern const MenuItemRow kMenuItems[kMenuItemCount];
extern const SpeedButtonRow kSpeedButtons[kSpeedButtonCount];

inline bool IsSeparator(const MenuItemRow& row) { return std::string_view(row.Caption) == "-"; }

// The two parts of a hint "short|long" split at its first bar; a hint without a bar is both.
std::string ShortHint(const std::string& hint);
std::string LongHint(const std::string& hint);
