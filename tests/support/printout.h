#pragma once

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QThread>

#include "support/qt_printers.h"

// What the CUPS test queues of scripts/test-printer put out: each writes every job, unchanged, to
// a PDF file (LABELS, the default printer, to /tmp/printout/last.pdf; LABELS2 to
// /tmp/printout/second.pdf), which poppler's tools read back.
namespace printout {

inline QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Waits until `queue` has handed its job to `file` and the file is complete.
inline bool WaitFor(const QString& queue, const QString& file) {
  QDeadlineTimer deadline(60000);
  while (!deadline.hasExpired()) {
    if (QFileInfo(file).size() > 0 &&
        Output(QStringLiteral("lpstat"), {"-o", queue}).trimmed().isEmpty()) {
      return true;
    }
    QThread::msleep(100);
  }
  return false;
}

struct Word {
  double x, y;  // top-left corner, points
  QString text;
};

// The words of page `page` (from 1) of `file` with their boxes, as pdftotext -bbox gives them.
inline QList<Word> WordsOn(const QString& file, int page) {
  const QString html =
      Output(QStringLiteral("pdftotext"),
             {"-bbox", "-f", QString::number(page), "-l", QString::number(page), file, "-"});
  static const QRegularExpression word(
      QString::fromUtf8(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
  QList<Word> words;
  for (const auto& m : word.globalMatch(html)) {
    QString text = m.captured(3);
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    words << Word{m.captured(1).toDouble(), m.captured(2).toDouble(), text};
  }
  return words;
}

}  // namespace printout
