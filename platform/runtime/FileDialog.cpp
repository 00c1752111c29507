// The open-file dialog: a Qt file dialog (not the desktop's), modal for the whole tool, that
// takes only an existing file. The filter "label|pattern|..." becomes Qt name filters whose
// labels show as given; the first entry is preselected. The file name shown first is the form's;
// after a confirmed choice it is the chosen path, whose folder becomes the current directory. The
// chosen file is kept by its own name on disk, so a name GBK cannot express still opens.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

// "label|pattern|label|pattern" (patterns ';'-separated) as Qt filters "label (p1 p2)".
QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')'));
  }
  return filters;
}

bool IsPattern(const QString& name) {
  return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

class FileDialogControl final : public DataControl<FileDialog> {
 public:
  explicit FileDialogControl(const ControlSpec& spec) : DataControl(spec) {
    SetFileName(spec.text);
  }

  Text GetText() const override { return FileName(); }
  void SetText(const Text& text) override { SetFileName(text); }

  void SetDialogKind(DialogKind kind) override { kind_ = kind; }
  void SetTitle(const Text& title) override { title_ = title; }
  void SetFilter(const Text& filter) override { filter_ = filter; }
  void SetFileName(const Text& fileName) override {
    fileName_ = fileName;
    path_ = FilePath::FromAnsi(fileName);
  }
  Text FileName() const override { return fileName_; }
  const FilePath& ChosenPath() const override { return path_; }

  bool Show() override {
    QFileDialog dialog(nullptr, GbkToQString(title_));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = NameFilters(GbkToQString(filter_));
    if (!filters.isEmpty()) {
      dialog.setNameFilters(filters);
      dialog.selectNameFilter(filters.first());
    }
    // The name shown first: the last chosen file in its folder, or the form's name text.
    const QString shown = QFile::decodeName(path_.Native().c_str());
    const QFileInfo info(shown);
    if (!shown.isEmpty() && !IsPattern(info.fileName())) {
      if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    const FilePath path = FilePath::FromNative(
        std::filesystem::path(QFile::encodeName(chosen.first()).toStdString()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path.Native(), error)) return false;
    path_ = path;
    fileName_ = path.Ansi();
    std::filesystem::current_path(path.Native().parent_path(), error);
    return true;
  }

 private:
  DialogKind kind_ = DialogKind::OpenFile;
  Text title_;
  Text filter_;
  Text fileName_;
  FilePath path_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeFileDialog(const ControlContext& context) {
  return std::make_unique<FileDialogControl>(context.spec);
}

}  // namespace runtime::internal
