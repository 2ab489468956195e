#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "model/file_writing.h"
#include "print/print_options.h"
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

CommandLine ParseCommandLine(const QStringList& arguments, const StockLister& stocks) {
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
  const QCommandLineOption print(
      QStringLiteral("print"),
      QCoreApplication::translate("CommandLine",
                                  "不開視窗, 直接把工作檔 JOB 印出來。整份印出時和按「印吧」一樣"
                                  "寫進列印紀錄。結束狀態: 0 已印出, 1 沒有印 (工作檔有問題、"
                                  "檢查沒通過或印表機出錯), 2 參數有誤。"));
  const QCommandLineOption printer(
      QStringLiteral("printer"),
      QCoreApplication::translate("CommandLine", "印到這台印表機 (不指定時用系統的預設印表機)。"),
      QStringLiteral("name"));
  const QCommandLineOption pdf(
      QStringLiteral("pdf"),
      QCoreApplication::translate("CommandLine", "不送印表機, 存成這個 PDF 檔。"),
      QStringLiteral("file"));
  const QCommandLineOption start(
      QStringLiteral("start"),
      QCoreApplication::translate("CommandLine",
                                  "第一張標籤從第一張紙的第 N 格開始 (由左而右、由上而下; A4 紙 8 "
                                  "格是 1 到 8, 捲筒標籤只有 1), 用來印完用過一半的標籤紙。"),
      QStringLiteral("N"));
  const QCommandLineOption copies(
      QStringLiteral("copies"),
      QCoreApplication::translate("CommandLine",
                                  "在印表機上印 N 份 (1 到 99), 一份一份印出: 第 1、2、3 張, "
                                  "再第 1、2、3 張。"),
      QStringLiteral("N"));
  const QCommandLineOption cartons(
      QStringLiteral("cartons"),
      QCoreApplication::translate(
          "CommandLine", "只重印箱號 A 到 B 的標籤, 各自帶著原來的墊板編號; 重印不寫列印紀錄。"),
      QStringLiteral("A-B"));
  const QCommandLineOption yes(
      QStringLiteral("yes"),
      QCoreApplication::translate(
          "CommandLine",
          "遇到要確認的問題 (兩個區段有相同的箱號、標籤超出印表機可印的範圍) "
          "時照樣列印; 不加時這種工作不會印出。"));
  const QCommandLineOption stock(
      QStringLiteral("stock"),
      QCoreApplication::translate("CommandLine",
                                  "這次印在這種標籤紙上, 不用印表機校正裡為這台印表機選的。"
                                  "有哪些標籤紙請看 --list-stocks。"),
      QStringLiteral("name"));
  const QCommandLineOption list_stocks(
      QStringLiteral("list-stocks"),
      QCoreApplication::translate(
          "CommandLine", "列出可以用的標籤紙 (內建的和您自訂的), 一行一種: 名稱、Tab 和說明。"));
  parser.addOptions({help, version, folder, lang, print, printer, pdf, start, copies, cartons,
                     stock, yes, list_stocks});
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

  result.print = parser.isSet(print);
  for (const QCommandLineOption* option :
       {&printer, &pdf, &start, &copies, &cartons, &stock, &yes}) {
    if (parser.isSet(*option) && !result.print) {
      return UsageError(QCoreApplication::translate("CommandLine", "--%1 只能和 --print 一起用。")
                            .arg(option->names().constFirst()));
    }
  }
  if (result.print) {
    if (result.job.isEmpty()) {
      return UsageError(
          QCoreApplication::translate("CommandLine", "--print 後面要寫要印的工作檔。"));
    }
    if (parser.isSet(printer) && parser.isSet(pdf)) {
      return UsageError(QCoreApplication::translate(
          "CommandLine", "--printer 和 --pdf 只能選一個: 要送印表機, 還是存成 PDF 檔?"));
    }
    result.printer = parser.value(printer);
    if (parser.isSet(printer) && result.printer.isEmpty()) {
      return UsageError(
          QCoreApplication::translate("CommandLine", "--printer 後面要寫印表機的名稱。"));
    }
    if (parser.isSet(pdf)) {
      if (parser.value(pdf).isEmpty()) {
        return UsageError(
            QCoreApplication::translate("CommandLine", "--pdf 後面要寫 PDF 檔的名稱。"));
      }
      result.pdf = QFileInfo(ExpandHome(parser.value(pdf))).absoluteFilePath();
    }
    if (parser.isSet(start)) {
      bool ok = false;
      result.start_place = parser.value(start).toInt(&ok);
      // How many places there are depends on the stock, which the run knows: it says so then.
      if (!ok || result.start_place < 1) {
        return UsageError(
            QCoreApplication::translate(
                "CommandLine", "--start 要寫 1 以上的整數 (標籤紙上的格子), 不能是「%1」。")
                .arg(parser.value(start)));
      }
    }
    if (parser.isSet(copies)) {
      // A PDF file is one copy; the run itself says how many copies a printer takes.
      if (parser.isSet(pdf)) {
        return UsageError(QCoreApplication::translate("CommandLine",
                                                      "--copies 只能用在印表機: PDF 檔只存一份。"));
      }
      bool ok = false;
      result.copies = parser.value(copies).toInt(&ok);
      if (!ok || result.copies < 1 || result.copies > kMaxCopies) {
        return UsageError(QCoreApplication::translate(
                              "CommandLine", "--copies 要寫 1 到 %1 的整數 (份數), 不能是「%2」。")
                              .arg(kMaxCopies)
                              .arg(parser.value(copies)));
      }
    }
    if (parser.isSet(cartons)) {
      result.cartons = parser.value(cartons);
      const std::optional<RangeTexts> range = SplitRange(result.cartons);
      bool from_ok = false;
      bool to_ok = false;
      if (range) {
        range->from.toLongLong(&from_ok);
        range->to.toLongLong(&to_ok);
      }
      if (!from_ok || !to_ok) {
        return UsageError(QCoreApplication::translate(
                              "CommandLine", "--cartons 要寫箱號的範圍, 例如 17-18, 不能是「%1」。")
                              .arg(result.cartons));
      }
    }
    if (parser.isSet(stock)) {
      result.stock = parser.value(stock);
      if (!FindStock(stocks(), result.stock)) {
        return UsageError(
            QCoreApplication::translate(
                "CommandLine",
                "--stock: 沒有「%1」這種標籤紙。請用 cratemark --list-stocks 查看有哪些。")
                .arg(result.stock));
      }
    }
    result.yes = parser.isSet(yes);
  }

  if (parser.isSet(help)) {
    result.action = CommandLine::Action::kShowHelp;
    result.text = parser.helpText();
  } else if (parser.isSet(version)) {
    result.action = CommandLine::Action::kShowVersion;
    result.text = QStringLiteral("Cratemark %1\n").arg(QLatin1String(kCratemarkVersion));
  } else if (parser.isSet(list_stocks)) {
    result.action = CommandLine::Action::kListStocks;
    for (const LabelStock& listed : stocks()) {
      result.text += listed.name + u'\t' + listed.description + u'\n';
    }
  }
  return result;
}

QString ExpandHome(const QString& folder) {
  if (folder == QLatin1String("~")) return QDir::homePath();
  if (folder.startsWith(QLatin1String("~/"))) return QDir::homePath() + folder.mid(1);
  return folder;
}

QString PdfTargetProblem(const QString& pdf) {
  const std::error_code problem = pdf.isEmpty() ? std::error_code() : TargetProblem(pdf);
  if (!problem) return {};
  return QCoreApplication::translate("CommandLine", "無法存成 PDF 檔 %1: %2, 沒有印出任何標籤。")
      .arg(QDir::toNativeSeparators(pdf), WriteFailureText(problem));
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
