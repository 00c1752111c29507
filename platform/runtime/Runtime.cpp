// Initialisation on the GUI thread, the program icon, loading windows, RunFirstWindow with the
// last-window rule and the exit routine, and looking windows up by handle.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <system_error>

#include "platform/com/Com.h"
#include "platform/runtime/Files.h"
#include "platform/runtime/Runtime.h"
#include "platform/runtime/internal/FormWindow.h"
#include "platform/runtime/internal/RuntimeTexts.h"
#include "platform/runtime/internal/WindowSet.h"

namespace runtime {

namespace {

using internal::FormWindow;
using internal::WindowSet;

// A CJK font so that every text of the tool shows, at about the size of the Windows GUI font.
void SetApplicationFont() {
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

// Makes the window, adds it to the window set and runs its created handler; false when the window
// could not be made. `handle` is the window's handle even when the handler destroyed it.
bool Load(const FormSpec& form, win32::HWND& handle) {
  std::unique_ptr<FormWindow> made = FormWindow::Create(form);
  if (made == nullptr) return false;
  FormWindow* window = made.get();
  handle = window->Handle();
  WindowSet::Instance().Add(std::move(made));
  window->RunCreated();
  return true;
}

}  // namespace

void Initialise(int& argc, char** argv) {
  if (QApplication::instance() == nullptr) {
    WindowSet::Instance().AdoptApplication(std::make_unique<QApplication>(argc, argv));
  }
  std::error_code error;
  const FilePath directory = ExecutableDirectory();
  if (!directory.empty()) std::filesystem::current_path(directory.Native(), error);
  com::OleInitialize(nullptr);
  SetApplicationFont();
}

void SetProgramIcon(bytes::ByteBlockView picture) {
  const QImage image = QImage::fromData(picture.data(), static_cast<int>(picture.size()));
  if (image.isNull()) return;
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(image)));
}

void SetExitRoutine(void (*routine)()) {
  WindowSet::Instance().SetExitRoutine(routine);
}

Window* LoadWindow(const FormSpec& form) {
  win32::HWND handle = nullptr;
  if (!Load(form, handle)) return nullptr;
  // The created handler may already have destroyed its window.
  return WindowSet::Instance().Find(handle);
}

int RunFirstWindow(const FormSpec& form) {
  WindowSet& set = WindowSet::Instance();
  int result = -1;
  win32::HWND handle = nullptr;
  if (Load(form, handle)) {
    set.SetLoopEntered(true);
    // A window gone before the loop started (destroyed by its created handler) ends it at once.
    result = set.Empty() ? 0 : QApplication::exec();
    set.SetLoopEntered(false);
  } else {
    ShowMessage(internal::FirstWindowFailedText(), internal::FirstWindowFailedTitle(),
                MessageIcon::Exclamation);
  }
  set.RunExitRoutineOnce();
  set.DestroyAll();
  set.ReleaseApplication();
  return result;
}

Window* WindowOf(win32::HWND handle) {
  return WindowSet::Instance().Find(handle);
}

}  // namespace runtime
