#include "about/help_document.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "model/prompter.h"

bool DesktopDocumentOpener::Open(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString OpenHelpDocument(const QString& work_dir, const QString& program_dir,
                         DocumentOpener& opener, Prompter& prompter) {
  QString path;
  for (const QString& dir : {work_dir, program_dir}) {
    if (dir.isEmpty()) continue;
    const QFileInfo file(QDir(dir).absoluteFilePath(kHelpDocument));
    if (file.isFile()) {
      path = file.absoluteFilePath();
      break;
    }
  }
  if (path.isEmpty()) {
    prompter.Message(QStringLiteral("找不到說明文件 %1。\n請把它放在程式的工作資料夾:\n%2")
                         .arg(kHelpDocument, QDir(work_dir).absolutePath()));
    return {};
  }
  if (!opener.Open(path)) {
    prompter.Message(QStringLiteral("無法開啟說明文件:\n%1\n"
                                    "請確認電腦上裝有可以開啟文字檔 (.txt) 的文字編輯器。")
                         .arg(QDir::toNativeSeparators(path)));
    return {};
  }
  return path;
}
