#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cctype>

// What a ZPL printer would print, read back from the job that CUPS's ZPL driver (rastertolabel)
// writes: one ~DG graphic a page, its dot rows in ZPL's run-length hex.
namespace zpl {

// The pages of `job` as one-bit images, a dot that prints black. A graphic's rows of hex digits
// (four dots each, the first dot the highest bit) are shortened thus: a count before a digit
// repeats it, G–Y adding 1–19 and g–z 20–400; ',' fills the rest of the row with 0 and '!' with
// F; ':' repeats the row before.
inline QList<QImage> Pages(const QByteArray& job) {
  static const QRegularExpression header(QStringLiteral("~DG[^,]*,(\\d+),(\\d+),"));
  QList<QImage> pages;
  for (const QRegularExpressionMatch& m : header.globalMatch(QString::fromLatin1(job))) {
    const int row_bytes = m.captured(2).toInt();
    const int rows = row_bytes > 0 ? m.captured(1).toInt() / row_bytes : 0;
    QImage page(row_bytes * 8, rows, QImage::Format_Mono);
    page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    page.fill(0);
    QByteArray row(2 * row_bytes, '0');
    QByteArray before = row;
    int digits = 0;
    int count = 0;
    int y = 0;
    const auto end_row = [&] {
      const QByteArray bytes = QByteArray::fromHex(row);
      std::copy(bytes.begin(), bytes.end(), page.scanLine(y++));
      before = row;
      row.fill('0');
      digits = 0;
    };
    for (qsizetype i = m.capturedEnd(); i < job.size() && y < rows; ++i) {
      const char c = job[i];
      if (c == '^' || c == '~') break;
      if (c >= 'G' && c <= 'Y') {
        count += c - 'F';
      } else if (c >= 'g' && c <= 'z') {
        count += (c - 'f') * 20;
      } else if (std::isxdigit(static_cast<unsigned char>(c))) {
        for (int n = std::max(count, 1); n > 0 && digits < row.size(); --n) row[digits++] = c;
        count = 0;
        if (digits == row.size()) end_row();
      } else if (c == ',' || c == '!') {
        std::fill(row.begin() + digits, row.end(), c == ',' ? '0' : 'F');
        end_row();
      } else if (c == ':') {
        row = before;
        end_row();
      }
    }
    pages << page;
  }
  return pages;
}

}  // namespace zpl
