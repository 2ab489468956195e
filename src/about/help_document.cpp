#include "about/help_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>
#include <memory>

#include "model/file_reading.h"
#include "model/prompter.h"

namespace {

// The user guide is a few pages of text; a file far beyond that is shown only in part.
constexpr qint64 kMaxHelpDocumentBytes = 4 * 1024 * 1024;

// Shows the guide at `path` in the program's own window, or says why it cannot.
void ShowInViewer(const QString& path, GuideViewer& viewer, Prompter& prompter) {
  // A regular file only, and no more of it than a guide can hold.
  const std::optional<FileBytes> file = ReadRegularFile(path, kMaxHelpDocumentBytes);
  if (!file) {
    prompter.Message(QCoreApplication::translate(
                         "HelpDocument", "無法開啟說明文件:\n%1\n請確認您有權限讀取這個檔案。")
                         .arg(QDir::toNativeSeparators(path)));
    return;
  }
  viewer.Show(path, DecodeHelpDocument(file->bytes));
}

// The first file `name` of `dirs`, as an absolute path; empty when none has it.
QString FindGuide(const QStringList& dirs, const QString& name) {
  for (const QString& dir : dirs) {
    if (dir.isEmpty()) continue;
    const QFileInfo file(QDir(dir).absoluteFilePath(name));
    if (file.isFile()) return file.absoluteFilePath();
  }
  return {};
}

// An opener no longer watched must outlive the window rather than be ended with it: a plain
// xdg-open still running is the parent of the user's editor. It reports nothing more.
void LetGo(QProcess* process) {
  process->disconnect();
  process->setParent(nullptr);
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
}

}  // namespace

DesktopDocumentOpener::DesktopDocumentOpener(QString program, int watch_ms)
    : program_(std::move(program)), watch_ms_(watch_ms) {}

DesktopDocumentOpener::~DesktopDocumentOpener() {
  for (QProcess* process : watched_.findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
    LetGo(process);
  }
}

void DesktopDocumentOpener::Open(const QString& path, std::function<void(bool opened)> done) {
  auto* process = new QProcess(&watched_);
  // Whichever comes first of failing to start, ending and the end of the watch reports.
  auto pending = std::make_shared<std::function<void(bool)>>(std::move(done));
  const auto report = [pending](bool opened) {
    if (!*pending) return;
    const auto call = std::exchange(*pending, nullptr);
    call(opened);
  };
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, report](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     report(false);
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::finished, process,
                   [process, report](int status, QProcess::ExitStatus exit) {
                     report(exit == QProcess::NormalExit && status == 0);
                     process->deleteLater();
                   });
  QTimer::singleShot(watch_ms_, process, [process, report] {
    if (!process->parent()) return;  // let go of already, with the opener
    report(true);
    LetGo(process);
  });
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(program_, {path});
}

QString HelpDocumentName(const QLocale& locale) {
  return locale.language() == QLocale::English ? kEnglishHelpDocument : kHelpDocument;
}

QStringList ProgramGuideFolders(const QString& program_dir) {
  if (program_dir.isEmpty()) return {};
  return {program_dir, QDir::cleanPath(program_dir + QStringLiteral("/../share/cratemark"))};
}

QString DecodeHelpDocument(const QByteArray& bytes) {
  if (const auto marked = QStringConverter::encodingForData(bytes)) {
    QStringDecoder decoder(*marked);
    return decoder(bytes);
  }
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  // Big5 comes from ICU; without it the UTF-8 reading, with its replacement marks, is the best.
  QStringDecoder big5("Big5");
  if (!big5.isValid()) return text;
  return big5(bytes);
}

QString OpenHelpDocument(const QString& work_dir, const QStringList& program_dirs,
                         const QString& name, DocumentOpener& opener, GuideViewer& viewer,
                         Prompter& prompter) {
  // A guide in the interface's language wherever it is comes before the Chinese one.
  QString path = FindGuide(QStringList{work_dir} + program_dirs, name);
  if (path.isEmpty() && name != kHelpDocument) {
    path = FindGuide(QStringList{work_dir} + program_dirs, kHelpDocument);
  }
  if (path.isEmpty()) {
    prompter.Message(QCoreApplication::translate(
                         "HelpDocument", "找不到說明文件 %1。\n請把它放在程式的工作資料夾:\n%2")
                         .arg(name, QDir(work_dir).absolutePath()));
    return {};
  }
  opener.Open(path, [path, &viewer, &prompter](bool opened) {
    if (!opened) ShowInViewer(path, viewer, prompter);
  });
  return path;
}
