#include "job/packing_list.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <array>
#include <cmath>
#include <limits>

#include "blocks/block_commands.h"
#include "blocks/block_store.h"
#include "history/history_files.h"
#include "job/template_rows.h"
#include "model/block_table.h"
#include "model/bounded_file.h"
#include "model/main_model.h"
#include "model/number_fields.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(PackingList)
};

constexpr qint64 kMaxPackingListBytes = 8 * 1024 * 1024;
constexpr qint64 kHighestCarton = 32766;  // the print run's carton numbers

enum Column { kFrom, kTo, kPerPallet, kFirstPallet, kMixed, kColumns };

// The words a packing list's first row may use for a column, in Chinese and English as shipping
// offices write them; the first is the name the messages use.
struct ColumnName {
  std::array<const char*, 5> words;  // unused places are null
  bool required;
};
constexpr std::array<ColumnName, kColumns> kColumnNames{{
    {{"起", "箱號起", "起始箱號", "from", "start"}, true},
    {{"迄", "箱號迄", "結束箱號", "to", "end"}, true},
    {{"每板箱數", "每P箱數", "每墊板箱數", "cartons per pallet", "per pallet"}, true},
    {{"起始板號", "板號起", "起始P號", "first pallet", "start pallet"}, false},
    {{"混打", "混板", "mixed", "mix", nullptr}, false},
}};

// A header as it is compared: full-width letters as their ASCII forms (每Ｐ箱數), blanks
// simplified, capitals as small letters.
QString HeaderKey(const QString& header) {
  return header.normalized(QString::NormalizationForm_KC).simplified().toLower();
}

int ColumnOf(const QString& header) {
  const QString key = HeaderKey(header);
  for (int column = 0; column < kColumns; ++column) {
    for (const char* word : kColumnNames[column].words) {
      if (word && key == HeaderKey(QString::fromUtf8(word))) return column;
    }
  }
  return -1;
}

// The other words for a column, for the message that cannot find it: "箱號起、起始箱號、from 或
// start".
QString OtherWords(int column) {
  QStringList words;
  for (const char* word : kColumnNames[column].words) {
    if (word && word != kColumnNames[column].words[0]) words << QString::fromUtf8(word);
  }
  const QString last = words.takeLast();
  return Text::tr("%1 或 %2").arg(words.join(Text::tr("、", "between header words")), last);
}

// A cell as a message quotes it: a long one is cut short, so a line of the message stays a line.
QString Quoted(const QString& cell) {
  constexpr int kShown = 20;
  return cell.size() > kShown ? cell.left(kShown) + QStringLiteral("…") : cell;
}

bool IsBlank(const CsvRecord& record) {
  for (const QString& field : record.fields) {
    if (!field.trimmed().isEmpty()) return false;
  }
  return true;
}

// Reads the cells of one row; the first bad cell stops it with a message naming the line and the
// column as the file's header writes it.
class RowReader {
 public:
  RowReader(const CsvRecord& record, const std::array<int, kColumns>& index,
            const QStringList& headers)
      : record_(record), index_(index), headers_(headers) {}

  QString problem;

  bool Has(Column column) const { return index_[column] >= 0 && !Cell(column).isEmpty(); }

  QString Cell(Column column) const { return record_.fields.value(index_[column]).trimmed(); }

  QString Header(Column column) const { return headers_.value(index_[column]).trimmed(); }

  // A number as the main window reads its fields (full-width digits, "1e3", a fraction rounded
  // as 本區段墊板編號的起始數 rounds it), but the whole cell: a word in it is a wrong cell.
  std::optional<qint64> Integer(Column column, qint64 lo, qint64 hi, const QString& what) {
    if (!problem.isEmpty()) return std::nullopt;
    const QString text = Cell(column);
    if (text.isEmpty())
      return Refuse(Text::tr("裝箱單第 %1 行「%2」欄是空的").arg(record_.line).arg(Header(column)));
    const std::optional<double> number = WholeNumber(text);
    if (!number) {
      return Refuse(Text::tr("裝箱單第 %1 行「%2」欄的「%3」不是數字")
                        .arg(record_.line)
                        .arg(Header(column), Quoted(text)));
    }
    const double value = std::nearbyint(*number);
    if (value >= double(lo) && value <= double(hi)) return qint64(value);
    // A number of many digits is not quoted whole: it is too big, or too small, and that is all.
    if (std::abs(value) >= 1e15) {
      return Refuse(value > 0 ? Text::tr("裝箱單第 %1 行「%2」欄的%3太大了, 最大只能是 %4")
                                    .arg(record_.line)
                                    .arg(Header(column), what)
                                    .arg(hi)
                              : Text::tr("裝箱單第 %1 行「%2」欄的%3太小了, 最小只能是 %4")
                                    .arg(record_.line)
                                    .arg(Header(column), what)
                                    .arg(lo));
    }
    return Refuse(Text::tr("裝箱單第 %1 行「%2」欄的%3 %4 超出 %5 到 %6 的範圍")
                      .arg(record_.line)
                      .arg(Header(column), what)
                      .arg(qint64(value))
                      .arg(lo)
                      .arg(hi));
  }

  std::optional<bool> Mixed() {
    if (!problem.isEmpty()) return std::nullopt;
    if (!Has(kMixed)) return false;
    const QString text = Cell(kMixed).toLower();
    static const QStringList yes{QStringLiteral("yes"), QStringLiteral("y"), QStringLiteral("是"),
                                 QStringLiteral("true"), QStringLiteral("1")};
    static const QStringList no{QStringLiteral("no"), QStringLiteral("n"), QStringLiteral("否"),
                                QStringLiteral("false"), QStringLiteral("0")};
    if (yes.contains(text)) return true;
    if (no.contains(text)) return false;
    return Refuse(Text::tr("裝箱單第 %1 行「%2」欄的「%3」看不懂, 請填 Yes 或 No")
                      .arg(record_.line)
                      .arg(Header(kMixed), Quoted(Cell(kMixed))));
  }

  std::nullopt_t Refuse(const QString& text) {
    problem = text;
    return std::nullopt;
  }

 private:
  const CsvRecord& record_;
  const std::array<int, kColumns>& index_;
  const QStringList& headers_;
};

}  // namespace

QChar GuessCsvSeparator(const QString& text) {
  int commas = 0;
  int tabs = 0;
  bool quoted = false;
  for (const QChar c : text) {
    if (c == u'"') quoted = !quoted;
    if (quoted) continue;
    if (c == u'\n' || c == u'\r') break;
    if (c == u',') ++commas;
    if (c == u'\t') ++tabs;
  }
  return tabs > commas ? QChar(u'\t') : QChar(u',');
}

std::optional<QList<CsvRecord>> SplitCsv(const QString& text, QChar separator, QString* problem) {
  QList<CsvRecord> records;
  CsvRecord record{1, {}};
  QString field;
  bool quoted = false;     // inside quotes
  bool has_field = false;  // the row has begun: a character, a separator or quotes were read
  int line = 1;

  const auto end_field = [&] {
    record.fields << field;
    field.clear();
  };
  const auto end_record = [&] {
    if (has_field) {
      end_field();
      records << record;
    }
    record = CsvRecord{line, {}};
    has_field = false;
  };

  const auto next = [&text](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool line_break = c == u'\n' || c == u'\r';
    // "\r\n" is one line break.
    const bool counts_as_line = c == u'\n' || (c == u'\r' && next(i) != u'\n');
    if (quoted) {
      if (c == u'"') {
        if (next(i) == u'"') {
          field += u'"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field += c;
        if (counts_as_line) ++line;
      }
      continue;
    }
    if (line_break) {
      if (counts_as_line) {
        ++line;
        end_record();
      }
      continue;
    }
    has_field = true;
    if (c == u'"' && field.isEmpty()) {
      quoted = true;
    } else if (c == separator) {
      end_field();
    } else {
      field += c;
    }
  }
  if (quoted) {
    *problem = Text::tr("裝箱單第 %1 行的引號 (\") 沒有結束").arg(record.line);
    return std::nullopt;
  }
  end_record();
  return records;
}

std::optional<std::vector<PackedBlock>> ParsePackingList(const QByteArray& bytes, QString* problem,
                                                         QStringList* unused_columns) {
  const QString text = DecodeHistoryText(bytes);
  auto split = SplitCsv(text, GuessCsvSeparator(text), problem);
  if (!split) return std::nullopt;
  QList<CsvRecord> rows;
  for (const CsvRecord& record : *split) {
    if (!IsBlank(record)) rows << record;
  }
  if (rows.isEmpty()) {
    *problem = Text::tr("裝箱單是空的");
    return std::nullopt;
  }

  const CsvRecord header = rows.takeFirst();
  std::array<int, kColumns> index;
  index.fill(-1);
  QStringList unused;
  for (int i = 0; i < header.fields.size(); ++i) {
    const int column = ColumnOf(header.fields[i]);
    if (column < 0) {
      if (!header.fields[i].trimmed().isEmpty()) unused << Quoted(header.fields[i].trimmed());
      continue;
    }
    if (index[column] >= 0) {
      *problem = Text::tr("裝箱單第 %1 行有兩個「%2」欄")
                     .arg(header.line)
                     .arg(QString::fromUtf8(kColumnNames[column].words[0]));
      return std::nullopt;
    }
    index[column] = i;
  }
  for (int column = 0; column < kColumns; ++column) {
    if (kColumnNames[column].required && index[column] < 0) {
      *problem = Text::tr("裝箱單的第一列要寫出各欄的名稱, 卻找不到「%1」欄 (也可寫成 %2)")
                     .arg(QString::fromUtf8(kColumnNames[column].words[0]), OtherWords(column));
      return std::nullopt;
    }
  }
  if (rows.isEmpty()) {
    *problem = Text::tr("裝箱單除了標題列以外沒有任何區段");
    return std::nullopt;
  }
  if (rows.size() > BlockTable::kMaxBlocks) {
    *problem = Text::tr("裝箱單有 %1 個區段, 最多只能有 %2 個")
                   .arg(rows.size())
                   .arg(BlockTable::kMaxBlocks);
    return std::nullopt;
  }

  // The blocks go into a table of their own as they are read, so a missing first pallet is worked
  // out from the blocks before it exactly as 新增區段 does.
  BlockTable table;
  std::vector<PackedBlock> blocks;
  for (int n = 1; n <= rows.size(); ++n) {
    RowReader row(rows[n - 1], index, header.fields);
    const auto from = row.Integer(kFrom, 1, kHighestCarton, Text::tr("箱號"));
    const auto to = row.Integer(kTo, 1, kHighestCarton, Text::tr("箱號"));
    const auto pbox =
        row.Integer(kPerPallet, 1, std::numeric_limits<int32_t>::max(), Text::tr("每板箱數"));
    std::optional<qint64> first_pallet;
    if (row.Has(kFirstPallet)) {
      first_pallet = row.Integer(kFirstPallet, std::numeric_limits<int16_t>::min(),
                                 std::numeric_limits<int16_t>::max(), Text::tr("板號"));
    }
    const auto mixed = row.Mixed();
    if (row.problem.isEmpty() && *from > *to) {
      row.problem = Text::tr("裝箱單第 %1 行「%2」欄的箱號 %3 比「%4」欄的 %5 還大")
                        .arg(rows[n - 1].line)
                        .arg(row.Header(kFrom))
                        .arg(*from)
                        .arg(row.Header(kTo))
                        .arg(*to);
    }
    if (!row.problem.isEmpty()) {
      *problem = row.problem;
      return std::nullopt;
    }
    if (!first_pallet) {
      const int64_t proposed = n == 1 ? 1 : ProposedFirstPallet(table, n - 1);
      if (proposed > std::numeric_limits<int16_t>::max()) {
        *problem = Text::tr(
                       "裝箱單第 %1 行: 接在上一個區段後面的起始板號 %2 超出 -32768 到 32767 的"
                       "範圍, 請在「起始板號」欄填入板號")
                       .arg(rows[n - 1].line)
                       .arg(proposed);
        return std::nullopt;
      }
      first_pallet = proposed;
    }

    const PackedBlock block{int32_t(*from), int32_t(*to), int32_t(*pbox), int16_t(*first_pallet),
                            *mixed};
    BlockEntry& entry = table[n];
    entry.blk_start = block.start;
    entry.blk_end = block.end;
    entry.blk_pbox = block.pbox;
    entry.blk_p_start = block.first_pallet;
    entry.blk_mix = block.mixed ? QStringLiteral("Yes") : QStringLiteral("No");
    blocks.push_back(block);
  }
  if (unused_columns) *unused_columns = unused;
  return blocks;
}

std::optional<std::vector<PackedBlock>> ReadPackingListFile(const QString& path, QString* problem,
                                                            QStringList* unused_columns) {
  QString file_problem;
  const auto bytes = ReadBoundedFile(path, kMaxPackingListBytes, &file_problem);
  if (!bytes) {
    *problem = Text::tr("無法匯入裝箱單「%1」: %2").arg(QFileInfo(path).fileName(), file_problem);
    return std::nullopt;
  }
  return ParsePackingList(*bytes, problem, unused_columns);
}

void ApplyPackingList(MainModel& model, const std::vector<PackedBlock>& blocks,
                      int template_entry) {
  const BlockEntry rows = TemplateRowsOf(model, template_entry);
  for (int entry = 0; entry < BlockTable::kEntries; ++entry) model.blocks.Clear(entry);
  for (int n = 1; n <= int(blocks.size()); ++n) {
    BlockEntry entry = rows;
    entry.blk_start = blocks[n - 1].start;
    entry.blk_end = blocks[n - 1].end;
    entry.blk_pbox = blocks[n - 1].pbox;
    entry.blk_p_start = blocks[n - 1].first_pallet;
    entry.blk_mix = blocks[n - 1].mixed ? QStringLiteral("Yes") : QStringLiteral("No");
    model.blocks[n] = entry;
  }
  model.block_count = int32_t(blocks.size());
  model.current_block = 1;
  model.remainder_edited = 0;
  LoadBlock(model, 1);
  model.l_block = QStringLiteral("1");
  RebuildBlockList(model);
}
