#pragma once
// Helpers for widget tests of the tool's windows: find the Qt widget behind a form's control,
// read what it shows, act on it with real mouse and key events, and answer the modal message
// box, file dialog or popup menu that an action is about to open. Every text is GBK bytes and
// this header includes no Qt header, so test sources compiled with GBK literals can use it.
// Failures to find a widget are reported as test failures (ADD_FAILURE) with the name.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/Window.h"

class QWidget;

namespace runtime::test {

// --- Widgets -------------------------------------------------------------------------------

// The window's on-screen peer (its top-level Qt widget); null once the window is gone.
QWidget* PeerOf(Window& window);
// The Qt widget of the named control (its objectName is the form name); null when it has none.
QWidget* WidgetOf(Window& window, std::string_view name);

// What the control's widget shows now, as GBK: an edit box's text, a label's, a button's or a
// check box's caption, a group box's title. (Not the runtime's read-back: no exact-bytes rule.)
std::string ShownText(Window& window, std::string_view name);
// A list view's cell and column title as shown, and a column's width in pixels.
std::string ShownCell(Window& window, std::string_view list, int row, int column);
std::string ShownColumnTitle(Window& window, std::string_view list, int column);
int ShownColumnWidth(Window& window, std::string_view list, int column);
// A status bar panel's text (panels counted from 0).
std::string ShownPanelText(Window& window, std::string_view statusBar, int panel);

struct Place {
  int left{0};
  int top{0};
  int width{0};
  int height{0};
  friend bool operator==(const Place&, const Place&) = default;
};
// The widget's place in its parent widget, and in the window's client area.
Place WidgetPlace(Window& window, std::string_view name);
Place PlaceInClientArea(Window& window, std::string_view name);
// The client area in the peer, and the peer's own size.
Place ClientAreaPlace(Window& window);

bool WidgetShown(Window& window, std::string_view name);  // visible on screen now
bool WidgetEnabled(Window& window, std::string_view name);
bool WidgetHasFocus(Window& window, std::string_view name);
Rgb TextColourOf(Window& window, std::string_view name);
Rgb BackgroundOf(Window& window, std::string_view name);  // the base role of fields and lists

// The peer's flags and mask.
bool PeerStaysOnTop(Window& window);
bool PeerHasEllipseMask(Window& window);  // masked to the ellipse inscribed in the window

// --- Input ---------------------------------------------------------------------------------

enum class Button { Left, Right };
enum class Key { Escape, Return, Backspace, Tab };

// Makes the window the active one (so that focus changes give focus events); true when it is.
bool ActivateWindow(Window& window);
// A real mouse click in the middle of the control's widget.
void Click(Window& window, std::string_view name, Button button = Button::Left);
// A real mouse click on a row of a list view (in its first column), or on its empty space below
// the last row (or right of the last column when the rows fill the list).
void ClickListRow(Window& window, std::string_view list, int row, Button button = Button::Left);
void ClickListEmptySpace(Window& window, std::string_view list, Button button = Button::Left);
// Keyboard: selection moves by arrow keys in a list view.
void PressDownArrow(Window& window, std::string_view name);

// Gives the box the focus and types `text` key by key (each character its own key event).
void TypeInto(Window& window, std::string_view name, std::string_view gbkText);
// Gives the box the focus and pastes `text` from the clipboard with Ctrl+V.
void PasteInto(Window& window, std::string_view name, std::string_view gbkText);
// Takes the focus away from the control (a focus-out as when the user clicks elsewhere).
void MoveFocusAway(Window& window, std::string_view name);
// A key press on the control's widget (or on the peer when `name` is empty).
void PressKey(Window& window, std::string_view name, Key key);

// --- Modal dialogs and menus ---------------------------------------------------------------
// Arm one of these before the action that opens the dialog; it watches for the dialog for up to
// ten seconds, answers it and fills its record. `shown` stays false when nothing opened.

struct MessageRecord {
  bool shown{false};
  std::string title;
  std::string text;
  bool exclamation{false};  // the warning icon
  bool onlyOk{false};       // one button, OK
  bool applicationModal{false};
  bool hasParent{false};
};
std::shared_ptr<MessageRecord> AnswerNextMessageBox();

struct FileDialogRecord {
  bool shown{false};
  std::string title;
  std::vector<std::string> nameFilters;  // as Qt holds them, "label (patterns)"
  std::string selectedFilter;
  std::string shownFileName;  // the file name field when the dialog opened
  std::filesystem::path directory;
  bool existingFileOnly{false};
  bool applicationModal{false};
  bool labelsAsGiven{false};  // details of the filters hidden
  bool accepted{false};       // the dialog took the chosen file
};
// Chooses `file` (by its own name on disk), or cancels when there is none.
std::shared_ptr<FileDialogRecord> AnswerNextFileDialog(std::optional<std::filesystem::path> file);

struct MenuRecord {
  bool shown{false};
  std::vector<std::string> items;
  int left{0};  // the menu's top-left corner on screen
  int top{0};
  int cursorX{0};  // the cursor's screen position while the menu was open
  int cursorY{0};
  bool ownedByWindow{false};  // the menu's parent is a widget of the window
};
// Chooses the item with this text by a click of `button`, or closes the menu with Esc when the
// text is empty.
std::shared_ptr<MenuRecord> ChooseNextPopupItem(std::string_view gbkItem,
                                                Button button = Button::Left);

// --- Event loop ----------------------------------------------------------------------------

// Processes events for `milliseconds` (at least once).
void ProcessEvents(int milliseconds = 0);
// Processes events until `condition` holds or `milliseconds` have passed; whether it held.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000);
// Destroys the window (if it still is one) and lets the runtime free it.
void DestroyNow(win32::HWND window);

}  // namespace runtime::test
