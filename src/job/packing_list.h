#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct MainModel;

// The import of a packing list: a CSV file as Excel saves it on a Traditional Chinese Windows
// machine (Big5 / code page 950, or UTF-8 with or without a byte-order mark; commas or tabs; quoted
// fields with commas, quotes and line breaks in them). Its first row names the columns, in Chinese
// or English, in any order, in capitals or not:
//   起 / 箱號起 / 起始箱號 / from / start                                 required
//   迄 / 箱號迄 / 結束箱號 / to / end                                     required
//   每板箱數 / 每P箱數 / 每墊板箱數 / cartons per pallet / per pallet     required
//   起始板號 / 板號起 / 起始P號 / first pallet / start pallet             optional: as 新增區段
//                                                                        proposes it
//   混打 / 混板 / mixed / mix                                             optional: No
// Other columns are ignored (and named, for the clerk to see), and so are empty rows. Every other
// row becomes a numbered block. Numbers are read as the main window reads its fields.

// One row of the file: its fields and the line of the file it starts on (from 1).
struct CsvRecord {
  int line = 0;
  QStringList fields;
};

// Splits the text into rows and fields; nothing, with the problem, for a quote that never ends.
std::optional<QList<CsvRecord>> SplitCsv(const QString& text, QChar separator, QString* problem);

// Comma or tab: whichever the first line has more of outside quotes.
QChar GuessCsvSeparator(const QString& text);

struct PackedBlock {
  int32_t start = 0;
  int32_t end = 0;
  int32_t pbox = 0;
  int16_t first_pallet = 0;
  bool mixed = false;

  bool operator==(const PackedBlock&) const = default;
};

// The blocks a packing list makes, checked line by line; on the first bad line nothing is returned
// and `problem` names the line and the column. `unused_columns`, when given, gets the headers of
// the columns that were not read, as the file writes them.
std::optional<std::vector<PackedBlock>> ParsePackingList(const QByteArray& bytes, QString* problem,
                                                         QStringList* unused_columns = nullptr);

// The same for a file; its problems name the file.
std::optional<std::vector<PackedBlock>> ReadPackingListFile(const QString& path, QString* problem,
                                                            QStringList* unused_columns = nullptr);

// Replaces the job's blocks with the imported ones, each with the template rows and alignments of
// the job's entry `template_entry` (see TemplateRowsOf; block 1 unless the clerk chose another);
// block 1 is shown. The remainder carton is set up afresh when it is next picked, after the new
// last block.
void ApplyPackingList(MainModel& model, const std::vector<PackedBlock>& blocks,
                      int template_entry = 1);
