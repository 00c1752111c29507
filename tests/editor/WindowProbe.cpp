#include "tests/editor/WindowProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/runtime/internal/GbkText.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {

PeerFrame FrameOf(runtime::Window& window) {
  PeerFrame frame;
  QWidget* peer = runtime::test::PeerOf(window);
  if (peer == nullptr) return frame;
  const Qt::WindowFlags flags = peer->windowFlags();
  frame.caption = runtime::internal::QStringToGbk(peer->windowTitle());
  frame.minimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
  frame.maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
  frame.closeBox = flags.testFlag(Qt::WindowCloseButtonHint);
  frame.fixedSize = peer->minimumSize() == peer->maximumSize();
  frame.taskbar = peer->windowType() == Qt::Window && !flags.testFlag(Qt::Tool);
  return frame;
}

ScreenSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

std::vector<int> PanelWidths(runtime::Window& window, const std::string& statusBar) {
  std::vector<int> widths;
  QWidget* bar = runtime::test::WidgetOf(window, statusBar);
  if (bar == nullptr) return widths;
  QList<QLabel*> panels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  std::sort(panels.begin(), panels.end(),
            [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
  for (const QLabel* panel : panels) widths.push_back(panel->width());
  return widths;
}

std::shared_ptr<bool> ChooseInNextFileDialog(const std::filesystem::path& file) {
  auto answered = std::make_shared<bool>(false);
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(10);
  const QString path = QFile::decodeName(file.c_str());
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, answered, path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
      if (clock->elapsed() > 10000) timer->deleteLater();
      return;
    }
    timer->stop();
    timer->deleteLater();
    *answered = true;
    dialog->setDirectory(QFileInfo(path).absolutePath());
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      name->setText(path);
    } else {
      dialog->selectFile(path);
    }
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start();
  return answered;
}

// An application-wide event filter: a message box's show event arrives before its own event
// loop runs, so nothing can answer the box before the probe has looked.
class MessageBoxProbe::Watch : public QObject {
 public:
  explicit Watch(std::function<void()> probe) : probe_(std::move(probe)) {
    qApp->installEventFilter(this);
  }
  ~Watch() override { qApp->removeEventFilter(this); }
  bool Ran() const { return ran_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!ran_ && event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched) != nullptr) {
      ran_ = true;
      probe_();
    }
    return false;
  }

 private:
  std::function<void()> probe_;
  bool ran_{false};
};

MessageBoxProbe::MessageBoxProbe(std::function<void()> probe)
    : watch_(std::make_unique<Watch>(std::move(probe))) {}

MessageBoxProbe::~MessageBoxProbe() = default;

bool MessageBoxProbe::Ran() const {
  return watch_->Ran();
}

}  // namespace editor::test
