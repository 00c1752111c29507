#pragma once
// Forms as data: a window's settings, its controls one row each, its popup menus and the
// handlers bound to its events. The window runtime builds a window from a form when it is loaded.
// Every text is GBK bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace runtime {

class Window;

using Text = std::string;  // GBK bytes

struct Rgb {
  std::uint8_t r{0};
  std::uint8_t g{0};
  std::uint8_t b{0};
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kBlack{0, 0, 0};

enum class ControlKind {
  GroupBox,
  Label,
  EditBox,
  PushButton,
  CheckBox,
  RichEdit,    // hidden text buffer: plain text, multi-line, no length limit, bytes kept as given
  ListView,    // report view, full-row single selection, grid lines
  StatusBar,   // docked along the bottom of the client area
  FileDialog,  // no window of its own
  Timer,       // no window of its own; period 0 = stopped
};

enum class InputKind {
  Normal,
  Integer,   // typed characters filtered, focus-out rewrite as a 32-bit decimal (0 = empty)
  ReadOnly,  // text can be selected and copied, not changed
};

enum class Align { Left, Center, Right };

struct Column {
  Text title;
  int width{0};
  Align align{Align::Left};
};

struct Panel {
  int width{0};
  Text text;
};

// One row of a form's control table. Places are relative to the parent's client area (a group
// box's top-left corner for its children).
struct ControlSpec {
  Text name;
  ControlKind kind{ControlKind::Label};
  Text parent;  // empty: the window itself
  int left{0};
  int top{0};
  int width{0};
  int height{0};
  Text text;
  std::optional<Rgb> textColor;     // caption colour of a group box
  std::optional<Rgb> backColor;     // default: the window's background
  InputKind input{InputKind::Normal};
  Align align{Align::Center};       // edit boxes centre their text unless stated
  bool multiline{false};
  bool border{true};                // edit boxes: sunken client edge
  bool checked{false};              // check boxes, at creation
  bool disabled{false};
  bool visible{true};
  int period{0};                    // timers, at creation
  std::vector<Column> columns;      // list views
  std::vector<Panel> panels;        // status bars
};

struct MenuSpec {
  Text name;                // e.g. "菜单"; never shown as a menu bar
  std::vector<Text> items;  // in display order
};

enum class Border {
  None,         // no caption bar, no frame
  FixedSingle,  // fixed single frame with a caption bar; not resizable
};

enum class Event {
  Created,        // source empty: once, after the window and all its controls exist
  Clicked,        // buttons and check boxes (a check box has its new state when this runs)
  ListLeftClick,  // anywhere in a list view, after the button is released
  ListRightClick, // the row under the cursor (or none) is selected before this runs
  MenuItem,       // source: the menu item's text
  TimerTick,      // source: the timer's name
};

using Handler = std::function<void(Window&)>;

struct Binding {
  Event event{Event::Created};
  Text source;
  Handler handler;
};

struct FormSpec {
  Text caption;
  int width{0};   // outer size, frame included
  int height{0};
  Border border{Border::FixedSingle};
  bool minimizeBox{true};
  bool maximizeBox{false};
  bool taskbar{true};
  bool escCloses{true};  // Esc sends the window a close request, like its close box
  bool centred{true};    // (screen - size) / 2 on the primary screen, integer division
  Rgb background{kBlack};
  std::vector<ControlSpec> controls;
  std::vector<MenuSpec> menus;
  std::vector<Binding> bindings;
};

}  // namespace runtime
