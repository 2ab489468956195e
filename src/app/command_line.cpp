#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "version.h"

namespace {

CommandLine UsageError(const QString& problem) {
  CommandLine result;
  result.action = CommandLine::Action::kUsageError;
  result.text = QStringLiteral("cratemark: %1\n%2\n")
                    .arg(problem, QCoreApplication::translate(
                                      "CommandLine", "請用 cratemark --help 查看可以用的選項。"));
  return result;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine",
      "Cratemark 麥頭標籤列印程式。\n"
      "沒有指定 --folder 時,列印紀錄 (record_001 … record_010) 存在啟動時所在的"
      "資料夾。"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QCoreApplication::translate("CommandLine", "顯示這份說明。"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QCoreApplication::translate("CommandLine", "顯示程式的版本。"));
  const QCommandLineOption folder(
      QStringLiteral("folder"),
      QCoreApplication::translate("CommandLine",
                                  "在這個資料夾工作:列印紀錄存在這裡,說明文件也先從這裡找。"
                                  "資料夾不存在時會先建立;開頭的 ~ 代表您的家目錄。"),
      QStringLiteral("folder"));
  const QCommandLineOption lang(
      QStringLiteral("lang"),
      QCoreApplication::translate(
          "CommandLine", "介面的語言:zh_TW(繁體中文)或 en(英文)。沒有指定時依系統的語言設定。"),
      QStringLiteral("zh_TW|en"));
  parser.addOptions({help, version, folder, lang});
  parser.addPositionalArgument(
      QStringLiteral("JOB"),
      QCoreApplication::translate("CommandLine", "要開啟的工作檔 (*.cratemark)。"),
      QStringLiteral("[JOB]"));

  if (!parser.parse(arguments)) return UsageError(parser.errorText());

  CommandLine result;
  if (parser.isSet(lang)) {
    result.language = LanguageNamed(parser.value(lang));
    if (!result.language) {
      return UsageError(
          QCoreApplication::translate("CommandLine", "--lang 只能是 zh_TW 或 en,不能是「%1」。")
              .arg(parser.value(lang)));
    }
  }
  if (parser.isSet(folder)) {
    result.folder = ExpandHome(parser.value(folder));
    if (result.folder.isEmpty())
      return UsageError(
          QCoreApplication::translate("CommandLine", "--folder 後面要寫資料夾的名稱。"));
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    return UsageError(
        QCoreApplication::translate("CommandLine", "只能指定一個工作檔, 看不懂的參數:%1")
            .arg(positional.mid(1).join(u' ')));
  }
  // Named from the folder the program was started in, before --folder moves it elsewhere.
  if (!positional.isEmpty()) result.job = QFileInfo(positional[0]).absoluteFilePath();

  if (parser.isSet(help)) {
    result.action = CommandLine::Action::kShowHelp;
    result.text = parser.helpText();
  } else if (parser.isSet(version)) {
    result.action = CommandLine::Action::kShowVersion;
    result.text = QStringLiteral("Cratemark %1\n").arg(QLatin1String(kCratemarkVersion));
  }
  return result;
}

QString ExpandHome(const QString& folder) {
  if (folder == QLatin1String("~")) return QDir::homePath();
  if (folder.startsWith(QLatin1String("~/"))) return QDir::homePath() + folder.mid(1);
  return folder;
}

FolderResult EnterWorkFolder(const QString& folder) {
  if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) return FolderResult::kCannotCreate;
  return QDir::setCurrent(folder) ? FolderResult::kEntered : FolderResult::kCannotEnter;
}

QString FolderErrorText(FolderResult result, const QString& folder) {
  const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
  switch (result) {
    case FolderResult::kEntered:
      return {};
    case FolderResult::kCannotCreate:
      return QStringLiteral("cratemark: %1\n")
          .arg(QCoreApplication::translate(
                   "CommandLine",
                   "無法建立工作資料夾 %1。\n"
                   "請確認這個名稱沒有被檔案占用,而且您可以在上一層資料夾新增資料夾。")
                   .arg(shown));
    case FolderResult::kCannotEnter:
      return QStringLiteral("cratemark: %1\n")
          .arg(QCoreApplication::translate(
                   "CommandLine", "無法開啟工作資料夾 %1。\n請確認您有權限開啟這個資料夾。")
                   .arg(shown));
  }
  return {};
}
