#include "history/history_files.h"

#include <QDir>
#include <QStringDecoder>

#include "model/file_reading.h"

QString HistoryFileName(const QString& prefix, int number) {
  return prefix + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString DecodeHistoryText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    if (text.startsWith(QChar::ByteOrderMark)) text.remove(0, 1);
    return text;
  }
  QStringDecoder big5("windows-950");
  if (!big5.isValid()) big5 = QStringDecoder("Big5");
  return big5.isValid() ? big5.decode(bytes) : QString::fromLatin1(bytes);
}

QString DecodeHistoryLine(QByteArrayView line) {
  // A byte-order mark counts only at the start of the file (ParseHistoryRecord drops it); inside
  // a line it is a character of the row like any other. The decoders are made once a thread:
  // opening the Big5 converter costs far more than decoding a line.
  thread_local QStringDecoder utf8(
      QStringDecoder::Utf8,
      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  thread_local QStringDecoder big5 = [] {
    QStringDecoder decoder("windows-950", QStringDecoder::Flag::Stateless);
    return decoder.isValid() ? std::move(decoder)
                             : QStringDecoder("Big5", QStringDecoder::Flag::Stateless);
  }();
  utf8.resetState();
  QString text = utf8.decode(line);
  if (!utf8.hasError()) return text;
  if (!big5.isValid()) return QString::fromLatin1(line);
  big5.resetState();
  return big5.decode(line);
}

QStringList ParseHistoryRecord(const QByteArray& bytes, bool complete) {
  QByteArrayView rest(bytes);
  if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
  QStringList lines;
  // Big5 never uses the bytes of CR and LF inside a character, so the lines can be cut apart
  // before they are decoded.
  while (!rest.isEmpty()) {
    const qsizetype end = rest.indexOf('\n');
    if (end < 0 && !complete) break;
    QByteArrayView line = end < 0 ? rest : rest.first(end);
    rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    if (line.endsWith('\r')) line.chop(1);
    lines << DecodeHistoryLine(line);
  }
  return lines;
}

std::optional<QStringList> ReadHistoryLines(const QString& path) {
  const std::optional<FileBytes> file = ReadRegularFile(path, kMaxHistoryBytes);
  if (!file) return std::nullopt;
  return ParseHistoryRecord(file->bytes, file->complete);
}

QStringList HistoryListItems(const QString& dir, const QString& prefix) {
  QStringList items;
  const QDir folder(dir);
  for (int n = 1; n <= kHistoryFiles; ++n) {
    const auto lines = ReadHistoryLines(folder.filePath(HistoryFileName(prefix, n)));
    if (!lines || lines->isEmpty() || lines->first().isEmpty()) continue;
    items << QStringLiteral("%1,%2").arg(n, 2, 10, QLatin1Char('0')).arg(lines->first());
  }
  return items;
}
