// Throws arbitrary bytes at the history reader, and the rows it gives back at the history writer:
// reading must never crash, and a record written from any rows is always sixteen lines that read
// back as the rows (each trimmed, its control characters blanked).

#include <QString>

#include "fuzz_rules.h"
#include "history/history_files.h"
#include "history/history_writer.h"
#include "model/main_model.h"
#include "model/row_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);

  const QStringList cut = ParseHistoryRecord(bytes, false);
  const QStringList lines = ParseHistoryRecord(bytes, true);
  Require(cut.size() <= lines.size(), "a cut record has no more lines than the whole");
  for (qsizetype i = 0; i < cut.size(); ++i) Require(cut[i] == lines[i], "a cut keeps its lines");
  for (const QString& line : lines) Require(!line.contains(u'\n'), "a line holds no line feed");

  MainModel model;
  model.max_line = MainModel::kRows - 1;
  for (int row = 0; row < MainModel::kRows; ++row) {
    model.l_content[row] = row < lines.size() ? lines[row] : QString();
  }
  const QByteArray record = HistoryRecordBytes(model);
  const QStringList back = ParseHistoryRecord(record, true);
  Require(back.size() == MainModel::kRows, "a written record is sixteen lines");
  for (int row = 0; row < MainModel::kRows; ++row) {
    Require(back[row] == WithoutControlCharacters(model.l_content[row]).trimmed(),
            "a written row reads back trimmed, its control characters blanked");
  }
  return 0;
}
