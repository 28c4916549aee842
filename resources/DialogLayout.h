#pragma once

#include <QtGlobal>

#include <array>
#include <span>

// The editor window's layout, kept as data: every control in creation and
// focus order, placed in dialog units (a quarter of the dialog font's
// average character width across, an eighth of its height down).

enum class ControlKind
{
    Label,        // static text, no tab stop
    Edit,         // single-line edit field
    Button,       // push button, never the default
    DropDown,     // editable combo box
    DropDownList, // combo box showing only list items
    SkillPicker,  // CSkillComboBox
    TabControl,   // tabs "Player 1" to "Player 4", no tab stop
    MapView,      // CLevelMapView, a tab stop whose arrow keys move a cursor cell
    Notice,       // text that wraps, set while the window is open; no tab stop
};

struct DialogControl
{
    int nId; // -1 for labels nobody addresses
    ControlKind kind;
    int x, y, cx, cy; // dialog units; combo heights include the dropped list
    const char* text; // translated in context "DialogLayout"; '&' marks the access key
    std::span<const char* const> initialItems;
    int buddy = -1; // a label's field, which its access key reaches
};

namespace DialogLayout {

inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("DialogLayout", "EDITING DUNGEON MASTER's SRM DATA");
inline constexpr int kWidth = 241;
inline constexpr int kHeight = 365;
inline constexpr int kNoId = -1;

extern const std::array<DialogControl, 57> Controls;

// What happened to the save file stands beside the page that scrolls, so
// it is seen wherever the page is scrolled to: the notice, then the buttons
// that act on it, stacked in a column of this width (their x and y are not
// used: the column lays them out in table order, down to the window's
// bottom, however tall the screen lets it be).
inline constexpr int kNoticeBarWidth = 100;
extern const std::array<DialogControl, 4> NoticeBar;
extern const std::array<const char*, 4> TabLabels;

} // namespace DialogLayout
