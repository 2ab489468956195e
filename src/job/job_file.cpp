#include "job/job_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "barcode/barcode_settings.h"
#include "blocks/block_commands.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "model/row_text.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(JobFile)
};

struct Range {
  qint64 lo;
  qint64 hi;
};
constexpr Range kCartonRange{kLowestJobCarton, kHighestJobCarton};
constexpr Range kPboxRange{std::numeric_limits<int32_t>::min(),
                           std::numeric_limits<int32_t>::max()};
constexpr Range kPalletRange{std::numeric_limits<int16_t>::min(),
                             std::numeric_limits<int16_t>::max()};
constexpr Range kRowRange{MainModel::kNoRow, MainModel::kRows - 1};
constexpr Range kFlagRange{0, 1};

// The words a message uses for a key, next to the key itself, so both the clerk and whoever wrote
// the file can find the field.
QString Label(const QString& key) {
  static const QHash<QString, const char*> labels{
      {QStringLiteral("block_count"), QT_TRANSLATE_NOOP("JobFile", "區段數")},
      {QStringLiteral("current_block"), QT_TRANSLATE_NOOP("JobFile", "畫面上的區段")},
      {QStringLiteral("remainder_edited"), QT_TRANSLATE_NOOP("JobFile", "尾數箱已設定")},
      {QStringLiteral("pallet_row"), QT_TRANSLATE_NOOP("JobFile", "P/NO 行")},
      {QStringLiteral("carton_row"), QT_TRANSLATE_NOOP("JobFile", "C/NO 行")},
      {QStringLiteral("l_last"), QT_TRANSLATE_NOOP("JobFile", "尾數箱?")},
      {QStringLiteral("picture"), QT_TRANSLATE_NOOP("JobFile", "圖案設定")},
      {QStringLiteral("pic_file_name"), QT_TRANSLATE_NOOP("JobFile", "圖案檔案路徑")},
      {QStringLiteral("pic_size"), QT_TRANSLATE_NOOP("JobFile", "圖案寬度")},
      {QStringLiteral("pic_d_left"), QT_TRANSLATE_NOOP("JobFile", "離左邊界")},
      {QStringLiteral("pic_d_top"), QT_TRANSLATE_NOOP("JobFile", "離上邊界")},
      {QStringLiteral("barcode"), QT_TRANSLATE_NOOP("JobFile", "條碼設定")},
      {QStringLiteral("blocks"), QT_TRANSLATE_NOOP("JobFile", "區段")},
      {QStringLiteral("remainder"), QT_TRANSLATE_NOOP("JobFile", "尾數箱")},
      {QStringLiteral("blk_start"), QT_TRANSLATE_NOOP("JobFile", "箱號 from")},
      {QStringLiteral("blk_end"), QT_TRANSLATE_NOOP("JobFile", "箱號 to")},
      {QStringLiteral("blk_pbox"), QT_TRANSLATE_NOOP("JobFile", "每墊板的箱數")},
      {QStringLiteral("blk_p_start"), QT_TRANSLATE_NOOP("JobFile", "墊板編號的起始數")},
      {QStringLiteral("blk_mix"), QT_TRANSLATE_NOOP("JobFile", "混打")},
      {QStringLiteral("blk_content"), QT_TRANSLATE_NOOP("JobFile", "內容")},
      {QStringLiteral("blk_array"), QT_TRANSLATE_NOOP("JobFile", "對齊")},
      {QStringLiteral("blk_size"), QT_TRANSLATE_NOOP("JobFile", "字型")},
      {QStringLiteral("version"), QT_TRANSLATE_NOOP("JobFile", "版本")},
  };
  const auto found = labels.constFind(key);
  return found == labels.constEnd() ? key : Text::tr(*found);
}

// Where a field stands: "" for the top level, "第 2 區段" or "尾數箱" for a block entry. A place
// is a name of its own, so that a language can put it after the field.
QString EntryPlace(int entry, int block_count) {
  return entry > block_count ? Text::tr("尾數箱", "place of a field")
                             : Text::tr("第 %1 區段", "place of a field").arg(entry);
}

QString RowPlace(int entry, int block_count, int row) {
  return entry > block_count
             ? Text::tr("尾數箱第 %1 行", "place of a field").arg(row + 1)
             : Text::tr("第 %1 區段第 %2 行", "place of a field").arg(entry).arg(row + 1);
}

// A field as the messages name it: its words, its key and, unless it is at the top level, its
// place.
QString NamedField(const QString& place, const QString& name, const QString& key) {
  if (place.isEmpty()) return Text::tr("「%1」(%2)").arg(name, key);
  return Text::tr("%1的「%2」(%3)").arg(place, name, key);
}

QString Field(const QString& place, const QString& key) {
  return NamedField(place, Label(key), key);
}

QString RangeProblem(const QString& field, const QString& value, Range range) {
  return Text::tr("%1是 %2, 超出 %3 到 %4 的範圍").arg(field, value).arg(range.lo).arg(range.hi);
}

QString TextProblem(const QString& field, const QString& text, int max_length = kMaxJobText) {
  // What a row never holds (a line break, a tab, a byte-order mark) no text of a job holds: it
  // would not come back as it was written.
  if (std::any_of(text.begin(), text.end(), IsControlCharacter)) {
    return Text::tr("%1含有控制字元 (例如換行或定位字元)").arg(field);
  }
  // Half a surrogate pair would come back as another character and the job would differ.
  if (!text.isValidUtf16()) return Text::tr("%1含有無效的字元").arg(field);
  if (text.size() > max_length) {
    return Text::tr("%1有 %2 個字, 最多只能有 %3 個字").arg(field).arg(text.size()).arg(max_length);
  }
  return {};
}

// A word the file holds where one of a few is expected, as a message shows it: the first
// characters of a long one.
QString ShownWord(const QString& text) {
  constexpr int kShown = 20;
  return text.size() > kShown ? text.left(kShown) + QStringLiteral("…") : text;
}

// An alignment a job holds: one of the three words, or nothing for a row never set. Any other text
// prints centred, so a job that held one would print other than it reads; it is refused, naming
// the row, rather than written into a file that the next program could not open.
QString AlignmentProblem(const QString& field, const QString& text) {
  if (text.isEmpty() || AlignmentWords().contains(text)) return {};
  const QString shown = ShownWord(text);
  return Text::tr("%1是「%2」, 只能是%3或空白")
      .arg(field, shown, AlignmentWords().join(Text::tr("、", "between alignment words")));
}

QString TooManyBlocks(qint64 count) {
  return Text::tr("這份工作有 %1 個區段, 最多只能有 %2 個").arg(count).arg(BlockTable::kMaxBlocks);
}

QJsonArray Rows(const std::array<QString, BlockEntry::kRows>& rows) {
  QJsonArray array;
  for (int row = 0; row < MainModel::kRows; ++row) array.append(rows[row]);
  return array;
}

QJsonArray Sizes(const std::array<RowSize, BlockEntry::kRows>& sizes) {
  QJsonArray array;
  for (int row = 0; row < MainModel::kRows; ++row) array.append(RowSizeWord(sizes[row]));
  return array;
}

QJsonObject EntryToJson(const BlockEntry& entry) {
  return QJsonObject{
      {QStringLiteral("blk_start"), entry.blk_start},
      {QStringLiteral("blk_end"), entry.blk_end},
      {QStringLiteral("blk_pbox"), entry.blk_pbox},
      {QStringLiteral("blk_p_start"), entry.blk_p_start},
      {QStringLiteral("blk_mix"), entry.blk_mix},
      {QStringLiteral("blk_content"), Rows(entry.blk_content)},
      {QStringLiteral("blk_array"), Rows(entry.blk_array)},
      {QStringLiteral("blk_size"), Sizes(entry.blk_size)},
  };
}

// Reads the fields of a job object one by one. The first problem stops the reading: every getter
// returns nothing from then on, and `problem` names it.
class Reader {
 public:
  QString problem;

  std::optional<QJsonValue> Value(const QJsonObject& object, const QString& place,
                                  const QString& key) {
    if (!problem.isEmpty()) return std::nullopt;
    const auto found = object.constFind(key);
    if (found == object.constEnd()) {
      problem = Text::tr("缺少%1").arg(Field(place, key));
      return std::nullopt;
    }
    return *found;
  }

  std::optional<qint64> Integer(const QJsonObject& object, const QString& place, const QString& key,
                                Range range) {
    const auto value = Value(object, place, key);
    if (!value) return std::nullopt;
    if (!value->isDouble() || value->toDouble() != std::trunc(value->toDouble())) {
      return Refuse(Text::tr("%1應該是整數").arg(Field(place, key)));
    }
    const double number = value->toDouble();
    if (number < double(range.lo) || number > double(range.hi)) {
      // Whole numbers as they are written; beyond 15 digits, as the float they were read as.
      const QString shown = std::abs(number) < 1e15 ? QString::number(qint64(number))
                                                    : QString::number(number, 'g', 6);
      return Refuse(RangeProblem(Field(place, key), shown, range));
    }
    return qint64(number);
  }

  std::optional<QString> Text(const QJsonObject& object, const QString& place, const QString& key) {
    const auto value = Value(object, place, key);
    if (!value) return std::nullopt;
    if (!value->isString()) return Refuse(Text::tr("%1應該是文字").arg(Field(place, key)));
    return value->toString();
  }

  std::optional<QJsonObject> Object(const QJsonObject& object, const QString& place,
                                    const QString& key) {
    const auto value = Value(object, place, key);
    if (!value) return std::nullopt;
    if (!value->isObject())
      return Refuse(Text::tr("%1應該是一組設定 ({…})").arg(Field(place, key)));
    return value->toObject();
  }

  std::optional<QJsonArray> Array(const QJsonObject& object, const QString& place,
                                  const QString& key) {
    const auto value = Value(object, place, key);
    if (!value) return std::nullopt;
    if (!value->isArray()) return Refuse(Text::tr("%1應該是清單 ([…])").arg(Field(place, key)));
    return value->toArray();
  }

  // The template rows of an entry: exactly one text a row.
  bool Rows(const QJsonObject& object, int entry, int block_count, const QString& key,
            std::array<QString, BlockEntry::kRows>& rows) {
    const auto array = Array(object, EntryPlace(entry, block_count), key);
    if (!array) return false;
    if (array->size() != MainModel::kRows) {
      problem = Text::tr("%1應該有 %2 行, 卻有 %3 行")
                    .arg(Field(EntryPlace(entry, block_count), key))
                    .arg(MainModel::kRows)
                    .arg(array->size());
      return false;
    }
    for (int row = 0; row < MainModel::kRows; ++row) {
      if (!array->at(row).isString()) {
        problem = Text::tr("%1應該是文字").arg(Field(RowPlace(entry, block_count, row), key));
        return false;
      }
      rows[row] = array->at(row).toString();
    }
    return true;
  }

  // The rows' sizes of an entry, each one of the three words; every row 一般 in a file written
  // before rows had sizes. An unknown word is refused, as an alignment is: the row would print
  // other than the file says.
  bool Sizes(const QJsonObject& object, int entry, int block_count,
             std::array<RowSize, BlockEntry::kRows>& sizes) {
    const QString key = QStringLiteral("blk_size");
    if (!object.contains(key)) return true;
    std::array<QString, BlockEntry::kRows> words;
    if (!Rows(object, entry, block_count, key, words)) return false;
    for (int row = 0; row < MainModel::kRows; ++row) {
      const std::optional<RowSize> size = RowSizeOfWord(words[row]);
      if (!size) {
        problem = Text::tr("%1是「%2」, 只能是%3")
                      .arg(Field(RowPlace(entry, block_count, row), key), ShownWord(words[row]),
                           RowSizeWords().join(Text::tr("、", "between alignment words")));
        return false;
      }
      sizes[row] = *size;
    }
    return true;
  }

  std::optional<BlockEntry> Entry(const QJsonValue& value, int entry, int block_count,
                                  const QString& key) {
    if (!problem.isEmpty()) return std::nullopt;
    const QString place = EntryPlace(entry, block_count);
    if (!value.isObject()) {
      const QString field =
          entry > block_count ? Field({}, key) : Text::tr("第 %1 區段 (%2)").arg(entry).arg(key);
      return Refuse(Text::tr("%1應該是一組設定 ({…})").arg(field));
    }
    const QJsonObject object = value.toObject();
    BlockEntry result;
    const auto start = Integer(object, place, QStringLiteral("blk_start"), kCartonRange);
    const auto end = Integer(object, place, QStringLiteral("blk_end"), kCartonRange);
    const auto pbox = Integer(object, place, QStringLiteral("blk_pbox"), kPboxRange);
    const auto p_start = Integer(object, place, QStringLiteral("blk_p_start"), kPalletRange);
    const auto mix = Text(object, place, QStringLiteral("blk_mix"));
    if (!mix) return std::nullopt;
    if (!Rows(object, entry, block_count, QStringLiteral("blk_content"), result.blk_content) ||
        !Rows(object, entry, block_count, QStringLiteral("blk_array"), result.blk_array) ||
        !Sizes(object, entry, block_count, result.blk_size)) {
      return std::nullopt;
    }
    result.blk_start = int32_t(*start);
    result.blk_end = int32_t(*end);
    result.blk_pbox = int32_t(*pbox);
    result.blk_p_start = int16_t(*p_start);
    result.blk_mix = *mix;
    return result;
  }

 private:
  std::nullopt_t Refuse(const QString& text) {
    problem = text;
    return std::nullopt;
  }
};

// Whether the bytes look like a JSON object at all, after blanks and a byte-order mark.
bool StartsLikeObject(const QByteArray& bytes) {
  qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  while (i < bytes.size() && QChar::isSpace(uchar(bytes[i]))) ++i;
  return i < bytes.size() && bytes[i] == '{';
}

}  // namespace

Job CaptureJob(const MainModel& model) {
  Job job;
  job.block_count = model.block_count;
  job.current_block = model.current_block;
  job.remainder_edited = model.remainder_edited;
  job.pallet_row = model.pallet_row;
  job.carton_row = model.carton_row;
  job.l_last = model.l_last;
  job.pic_file_name = model.pic_file_name;
  job.pic_size = model.pic_size;
  job.pic_d_left = model.pic_d_left;
  job.pic_d_top = model.pic_d_top;
  job.barcode = model.barcode;
  const int last_entry = std::clamp(model.block_count + 1, 1, BlockTable::kEntries - 1);
  for (int entry = 1; entry <= last_entry; ++entry) job.entries.push_back(model.blocks[entry]);
  return job;
}

QString JobProblem(const Job& job) {
  if (job.block_count < 1 || job.block_count > BlockTable::kMaxBlocks) {
    return job.block_count > BlockTable::kMaxBlocks
               ? TooManyBlocks(job.block_count)
               : RangeProblem(Field({}, QStringLiteral("block_count")),
                              QString::number(job.block_count), {1, BlockTable::kMaxBlocks});
  }
  if (qsizetype(job.entries.size()) != job.block_count + 1) {
    return Text::tr("%1是 %2, 但%3有 %4 個")
        .arg(Field({}, QStringLiteral("block_count")))
        .arg(job.block_count)
        .arg(Field({}, QStringLiteral("blocks")))
        .arg(qsizetype(job.entries.size()) - 1);
  }
  const Range current{1, job.block_count + 1};
  if (job.current_block < current.lo || job.current_block > current.hi) {
    return RangeProblem(Field({}, QStringLiteral("current_block")),
                        QString::number(job.current_block), current);
  }
  if (job.remainder_edited < kFlagRange.lo || job.remainder_edited > kFlagRange.hi) {
    return RangeProblem(Field({}, QStringLiteral("remainder_edited")),
                        QString::number(job.remainder_edited), kFlagRange);
  }
  for (const auto& [key, row] : {std::pair{QStringLiteral("pallet_row"), job.pallet_row},
                                 std::pair{QStringLiteral("carton_row"), job.carton_row}}) {
    if (row < kRowRange.lo || row > kRowRange.hi) {
      return RangeProblem(Field({}, key), QString::number(row), kRowRange);
    }
  }
  if (job.pallet_row != MainModel::kNoRow && job.pallet_row == job.carton_row) {
    return Text::tr("P/NO 與 C/NO 不能印在同一行 (第 %1 行)").arg(job.pallet_row + 1);
  }

  for (const auto& [key, text] : {std::pair{QStringLiteral("l_last"), job.l_last},
                                  std::pair{QStringLiteral("pic_size"), job.pic_size},
                                  std::pair{QStringLiteral("pic_d_left"), job.pic_d_left},
                                  std::pair{QStringLiteral("pic_d_top"), job.pic_d_top}}) {
    if (QString problem = TextProblem(Field({}, key), text); !problem.isEmpty()) return problem;
  }
  if (QString problem =
          TextProblem(Field({}, QStringLiteral("pic_file_name")), job.pic_file_name, kMaxJobPath);
      !problem.isEmpty()) {
    return problem;
  }
  const QString barcode_place = Text::tr("條碼設定", "place of a field");
  for (const auto& [name, key, text] :
       {std::tuple{ContentFieldName(), "template", job.barcode.content_template},
        std::tuple{PrefixFieldName(), "company_prefix", job.barcode.company_prefix}}) {
    const QString field = NamedField(barcode_place, name, QLatin1String(key));
    if (QString problem = TextProblem(field, text); !problem.isEmpty()) return problem;
  }
  if (QString problem = SettingsProblem(job.barcode); !problem.isEmpty()) {
    return Text::tr("條碼設定的%1").arg(problem);
  }

  for (int entry = 1; entry <= job.block_count + 1; ++entry) {
    const BlockEntry& block = job.entries[entry - 1];
    const QString place = EntryPlace(entry, job.block_count);
    for (const auto& [key, number] : {std::pair{QStringLiteral("blk_start"), block.blk_start},
                                      std::pair{QStringLiteral("blk_end"), block.blk_end}}) {
      if (number < kCartonRange.lo || number > kCartonRange.hi) {
        return RangeProblem(Field(place, key), QString::number(number), kCartonRange);
      }
    }
    if (QString problem = TextProblem(Field(place, QStringLiteral("blk_mix")), block.blk_mix);
        !problem.isEmpty()) {
      return problem;
    }
    for (int row = 0; row < MainModel::kRows; ++row) {
      const QString row_place = RowPlace(entry, job.block_count, row);
      for (const auto& [key, text] :
           {std::pair{QStringLiteral("blk_content"), block.blk_content[row]},
            std::pair{QStringLiteral("blk_array"), block.blk_array[row]}}) {
        if (QString problem = TextProblem(Field(row_place, key), text); !problem.isEmpty()) {
          return problem;
        }
      }
      const QString alignment_field = Field(row_place, QStringLiteral("blk_array"));
      if (QString problem = AlignmentProblem(alignment_field, block.blk_array[row]);
          !problem.isEmpty()) {
        return problem;
      }
    }
  }
  return {};
}

QJsonObject JobToJson(const Job& job) {
  QJsonArray blocks;
  for (int entry = 1; entry <= job.block_count; ++entry) {
    blocks.append(EntryToJson(job.entries[entry - 1]));
  }
  // The barcode settings, and any later section, go in as an object of their own beside
  // "picture"; ParseJob reads them when present and keeps the defaults when not.
  return QJsonObject{
      {QStringLiteral("format"), kJobFormat},
      {QStringLiteral("version"), kJobVersion},
      {QStringLiteral("block_count"), job.block_count},
      {QStringLiteral("current_block"), job.current_block},
      {QStringLiteral("remainder_edited"), job.remainder_edited},
      {QStringLiteral("pallet_row"), job.pallet_row},
      {QStringLiteral("carton_row"), job.carton_row},
      {QStringLiteral("l_last"), job.l_last},
      {QStringLiteral("picture"),
       QJsonObject{
           {QStringLiteral("pic_file_name"), job.pic_file_name},
           {QStringLiteral("pic_size"), job.pic_size},
           {QStringLiteral("pic_d_left"), job.pic_d_left},
           {QStringLiteral("pic_d_top"), job.pic_d_top},
       }},
      {QStringLiteral("barcode"), BarcodeSettingsToJson(job.barcode)},
      {QStringLiteral("blocks"), blocks},
      {QStringLiteral("remainder"), EntryToJson(job.entries[job.block_count])},
  };
}

QByteArray JobBytes(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<Job> ParseJob(const QByteArray& bytes, QString* problem) {
  const QString not_a_job = Text::tr("這不是 Cratemark 的工作檔");
  if (!StartsLikeObject(bytes)) {
    *problem = not_a_job;
    return std::nullopt;
  }
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) {
    *problem = Text::tr("工作檔的內容不完整或已經損壞 (在第 %1 個位元組附近)").arg(error.offset);
    return std::nullopt;
  }
  const QJsonObject top = document.object();
  if (top.value(QStringLiteral("format")) != QJsonValue(kJobFormat)) {
    *problem = not_a_job;
    return std::nullopt;
  }
  const QJsonValue version = top.value(QStringLiteral("version"));
  if (version.isDouble() && version.toDouble() > kJobVersion) {
    *problem = Text::tr("這個工作檔是較新版的 Cratemark 存的 (第 %1 版), 請用新版的程式開啟")
                   .arg(version.toDouble());
    return std::nullopt;
  }
  if (version != QJsonValue(kJobVersion)) {
    *problem = Text::tr("工作檔的版本 (version) 不正確, 應該是 %1").arg(kJobVersion);
    return std::nullopt;
  }

  Reader read;
  Job job;
  const auto block_count = read.Integer(top, {}, QStringLiteral("block_count"),
                                        {1, std::numeric_limits<int32_t>::max()});
  if (block_count && *block_count > BlockTable::kMaxBlocks) {
    *problem = TooManyBlocks(*block_count);
    return std::nullopt;
  }
  const auto current_block =
      read.Integer(top, {}, QStringLiteral("current_block"), {1, BlockTable::kMaxBlocks + 1});
  const auto remainder_edited =
      read.Integer(top, {}, QStringLiteral("remainder_edited"), kFlagRange);
  const auto pallet_row = read.Integer(top, {}, QStringLiteral("pallet_row"), kRowRange);
  const auto carton_row = read.Integer(top, {}, QStringLiteral("carton_row"), kRowRange);
  const auto l_last = read.Text(top, {}, QStringLiteral("l_last"));
  const auto picture = read.Object(top, {}, QStringLiteral("picture"));
  const QString picture_place = Text::tr("圖案設定", "place of a field");
  const QJsonObject pictures = picture.value_or(QJsonObject());
  const auto pic_file_name = read.Text(pictures, picture_place, QStringLiteral("pic_file_name"));
  const auto pic_size = read.Text(pictures, picture_place, QStringLiteral("pic_size"));
  const auto pic_d_left = read.Text(pictures, picture_place, QStringLiteral("pic_d_left"));
  const auto pic_d_top = read.Text(pictures, picture_place, QStringLiteral("pic_d_top"));
  // Written since barcodes came; a job without it has none.
  std::optional<BarcodeSettings> barcode = BarcodeSettings();
  if (top.contains(QStringLiteral("barcode"))) {
    const auto object = read.Object(top, {}, QStringLiteral("barcode"));
    QString barcode_problem;
    barcode = object ? BarcodeSettingsFromJson(*object, &barcode_problem) : std::nullopt;
    if (object && !barcode) read.problem = barcode_problem;
  }
  const auto blocks = read.Array(top, {}, QStringLiteral("blocks"));
  if (blocks && blocks->size() > BlockTable::kMaxBlocks) {
    *problem = TooManyBlocks(blocks->size());
    return std::nullopt;
  }
  if (blocks && blocks->size() != *block_count) {
    read.problem = Text::tr("%1是 %2, 但%3有 %4 個")
                       .arg(Field({}, QStringLiteral("block_count")))
                       .arg(*block_count)
                       .arg(Field({}, QStringLiteral("blocks")))
                       .arg(blocks->size());
  }
  for (int entry = 1; read.problem.isEmpty() && entry <= *block_count; ++entry) {
    const auto block =
        read.Entry(blocks->at(entry - 1), entry, int(*block_count), QStringLiteral("blocks"));
    if (block) job.entries.push_back(*block);
  }
  const auto remainder_value = read.Value(top, {}, QStringLiteral("remainder"));
  if (remainder_value) {
    const auto remainder = read.Entry(*remainder_value, int(*block_count) + 1, int(*block_count),
                                      QStringLiteral("remainder"));
    if (remainder) job.entries.push_back(*remainder);
  }
  if (!read.problem.isEmpty()) {
    *problem = read.problem;
    return std::nullopt;
  }

  job.block_count = int32_t(*block_count);
  job.current_block = int32_t(*current_block);
  job.remainder_edited = int16_t(*remainder_edited);
  job.pallet_row = int(*pallet_row);
  job.carton_row = int(*carton_row);
  job.l_last = *l_last;
  job.pic_file_name = *pic_file_name;
  job.pic_size = *pic_size;
  job.pic_d_left = *pic_d_left;
  job.pic_d_top = *pic_d_top;
  job.barcode = *barcode;
  if (QString found = JobProblem(job); !found.isEmpty()) {
    *problem = found;
    return std::nullopt;
  }
  return job;
}

void ApplyJob(const Job& job, MainModel& model) {
  for (int entry = 0; entry < BlockTable::kEntries; ++entry) model.blocks.Clear(entry);
  for (int entry = 1; entry <= job.block_count + 1; ++entry) {
    model.blocks[entry] = job.entries[entry - 1];
  }
  model.block_count = job.block_count;
  model.current_block = job.current_block;
  model.remainder_edited = job.remainder_edited;
  model.pallet_row = job.pallet_row;
  model.carton_row = job.carton_row;
  model.l_last = job.l_last;
  model.pic_file_name = job.pic_file_name;
  model.pic_size = job.pic_size;
  model.pic_d_left = job.pic_d_left;
  model.pic_d_top = job.pic_d_top;
  model.barcode = job.barcode;

  LoadBlock(model, model.current_block);
  // The list drops "尾數箱" while l_last is not "Yes"; l_block then names the last block, as it
  // does when the option is switched off with the remainder carton on screen.
  model.l_block = model.current_block > model.block_count ? kRemainderEntry
                                                          : QString::number(model.current_block);
  RebuildBlockList(model);
}

QString PictureAsStored(const QString& picture, const QString& job_path) {
  if (picture.trimmed().isEmpty()) return picture;
  const QString absolute = QDir::cleanPath(QFileInfo(picture).absoluteFilePath());
  if (job_path.isEmpty()) return absolute;
  const QString relative = QFileInfo(job_path).absoluteDir().relativeFilePath(absolute);
  const bool outside = relative == QLatin1String("..") ||
                       relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative);
  return outside ? absolute : relative;
}

QString PictureAsUsed(const QString& stored, const QString& job_path) {
  if (stored.trimmed().isEmpty() || QDir::isAbsolutePath(stored) || job_path.isEmpty()) {
    return stored;
  }
  return QDir::cleanPath(QFileInfo(job_path).absoluteDir().filePath(stored));
}
