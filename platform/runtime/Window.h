#pragma once
// A loaded window and its controls, addressed by form name. The runtime owns every Window and
// Control; a Window& is valid until the window is destroyed (look it up again by handle with
// WindowOf after anything that may destroy it, such as a wait with event processing). Asking for
// a control name the form does not have is a programming error and aborts with the name.

#include <span>
#include <string_view>

#include "platform/bytes/ByteBlock.h"
#include "platform/runtime/Files.h"
#include "platform/runtime/Forms.h"
#include "platform/win32/Types.h"

namespace runtime {

// Settings every control has. Geometry is in the parent's client coordinates.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual const Text& Name() const = 0;
  virtual ControlKind Kind() const = 0;

  // The exact bytes last written by SetText (or the box's own text once the user has edited it).
  virtual Text GetText() const = 0;
  virtual void SetText(const Text& text) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Disabled() const = 0;
  virtual void SetDisabled(bool disabled) = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Checked() const = 0;  // check boxes; false for other kinds
  virtual void SetChecked(bool checked) = 0;
  virtual int Period() const = 0;  // timers: milliseconds, 0 = stopped
  // Timers: a period above 0 (re)starts the timer, first tick one period later; 0 stops it.
  virtual void SetPeriod(int milliseconds) = 0;

 protected:
  Control() = default;
};

// The weapon table's list view: rows of cells, each cell exactly the bytes written into it.
class ListView : public Control {
 public:
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual int SelectedRow() const = 0;  // -1 when none
  virtual void SelectRow(int row) = 0;  // -1 clears the selection
  virtual Text Cell(int row, int column) const = 0;  // empty outside the table
  virtual void SetCell(int row, int column, const Text& text) = 0;  // ignored outside the table
  // Inserts a row before `index` (0 = top) with its first cell set; the selected entry stays
  // selected (one row lower when it was at or below `index`).
  virtual void InsertRow(int index, const Text& firstCell) = 0;
  virtual int AppendRow() = 0;  // a row of empty cells at the end; returns its index
  virtual void DeleteRow(int row) = 0;
  virtual void DeleteAllRows() = 0;
  // All rows at once, as DeleteAllRows then one AppendRow and SetCell per row would leave them:
  // `cells` holds ColumnCount() texts per row, row after row. No row is selected afterwards.
  virtual void ReplaceRows(std::span<const std::string_view> cells) = 0;
};

enum class DialogKind { OpenFile };

// The open-file dialog. Its filter is "label|pattern|label|pattern..." with patterns separated by
// ';' inside an entry; the first entry is preselected.
class FileDialog : public Control {
 public:
  virtual void SetDialogKind(DialogKind kind) = 0;
  virtual void SetTitle(const Text& title) = 0;
  virtual void SetFilter(const Text& filter) = 0;
  virtual void SetFileName(const Text& fileName) = 0;
  virtual Text FileName() const = 0;  // after a confirmed Show: the chosen file's full path
  virtual const FilePath& ChosenPath() const = 0;  // the same file, by its own name on disk
  // Modal for the whole tool. True when the user confirmed an existing file; the file's folder
  // then becomes the current directory and the path is shown the next time the dialog opens.
  virtual bool Show() = 0;
};

enum class PictureMode { Normal, Stretched };
enum class Shape { Rectangle, Ellipse };

class Window {
 public:
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  virtual win32::HWND Handle() const = 0;

  virtual Control& Get(std::string_view name) = 0;
  virtual ListView& List(std::string_view name) = 0;
  virtual FileDialog& Dialog(std::string_view name) = 0;

  // The whole window in screen pixels, frame included. Written left and top are clamped to
  // -32627..32627, width and height to 0..32627.
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  // Left, top, width and height in one step (one move on screen), clamped as above.
  virtual void Move(int left, int top, int width, int height) = 0;

  // Border::None keeps the outer rectangle where it is; the client area grows to fill it.
  virtual Border GetBorder() const = 0;
  virtual void SetBorder(Border border) = 0;
  virtual bool AlwaysOnTop() const = 0;
  virtual void SetAlwaysOnTop(bool onTop) = 0;  // SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  // A picture file (BMP or PNG bytes) drawn as the client area's background; an empty block
  // removes it. The picture mode says whether it is stretched over the whole client area.
  virtual void SetBackgroundPicture(bytes::ByteBlockView picture) = 0;
  virtual void SetPictureMode(PictureMode mode) = 0;
  // Ellipse: clipped to the ellipse inscribed in the window's rectangle, following later sizes.
  virtual void SetShape(Shape shape) = 0;

  // The window's whole rectangle, frame included, as it is on screen now: a 24-bit BMP file.
  virtual bytes::ByteBlock Snapshot() const = 0;

  // Shows the named popup menu with its top-left corner at the cursor plus (3, 3); a chosen item
  // runs the window's MenuItem binding for that item's text. Returns when the menu has closed and
  // the chosen item's binding has run.
  virtual void ShowPopupMenu(std::string_view menuName) = 0;

  // Destroys the window once the running handler has returned.
  virtual void RequestDestroy() = 0;

 protected:
  Window() = default;
};

}  // namespace runtime
