#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/block_table.h"
#include "model/label_barcode.h"

struct MainModel;

// A job file (*.cratemark) keeps a whole consignment: the block table, the remainder carton, the
// row marks and the picture settings. It is a JSON object:
//
//   "format": "cratemark-job", "version": 1
//   "block_count", "current_block", "remainder_edited": the program-wide block state
//   "pallet_row", "carton_row": the marked template rows, 0..15, or -1 for none
//   "l_last": the remainder-carton option as typed ("Yes", "No", …)
//   "picture": {"pic_file_name", "pic_size", "pic_d_left", "pic_d_top"}, the fields' texts
//   "barcode": the barcode settings (BarcodeSettingsToJson); a file without it has no barcode
//   "blocks": entries 1..block_count, "remainder": entry block_count + 1, each
//       {"blk_start", "blk_end", "blk_pbox", "blk_p_start", "blk_mix",
//        "blk_content": [16 texts], "blk_array": [16 texts, each 置中, 靠左, 靠右 or empty],
//        "blk_size": [16 texts, each 一般, 粗體 or 放大]}; a file without "blk_size" (written
//        before rows had sizes) has every row 一般
//   "pic_file_name" is relative to the job file's folder when the picture lies in it (see
//   PictureAsStored).
//
// Keys this version does not know are ignored wherever they stand, so a file written by a later
// version that only adds settings still opens; a later version that changes the
// meaning of a key raises "version" instead, and such a file is refused. QJsonDocument writes the
// keys sorted, so the same job always gives the same bytes.

inline const QString kJobFormat = QStringLiteral("cratemark-job");
inline constexpr int kJobVersion = 1;
// Texts longer than this are refused; a label row is 48 columns wide.
inline constexpr int kMaxJobText = 1000;
inline constexpr int kMaxJobPath = 4096;
// Carton numbers as the print run counts them.
inline constexpr int kLowestJobCarton = -32768;
inline constexpr int kHighestJobCarton = 32766;

// The part of the main window's state a job file holds.
struct Job {
  int32_t block_count = 1;
  int32_t current_block = 1;
  int16_t remainder_edited = 0;
  int pallet_row = -1;
  int carton_row = -1;
  QString l_last;
  QString pic_file_name;
  QString pic_size;
  QString pic_d_left;
  QString pic_d_top;
  BarcodeSettings barcode;
  // Entries 1..block_count + 1 of the block table: the numbered blocks, then the remainder carton.
  std::vector<BlockEntry> entries;
};

// The job as the model holds it now; the block on screen is taken as stored, not as typed.
Job CaptureJob(const MainModel& model);

// What keeps the job from being written or opened (a number outside its column's range, a text
// with control characters or too long, a count that does not fit), naming the block and field;
// empty when nothing does.
QString JobProblem(const Job& job);

// The JSON of a job that JobProblem passes.
QJsonObject JobToJson(const Job& job);
QByteArray JobBytes(const QJsonObject& object);

// Reads a job from a file's bytes, checking every field before anything is returned; on failure the
// problem, in words for the user, goes to `problem`.
std::optional<Job> ParseJob(const QByteArray& bytes, QString* problem);

// A job file keeps its picture relative to its own folder when the picture lies in that folder or
// below it, so that a job folder copied to another computer keeps its logo; a picture elsewhere
// keeps its absolute path. `picture` is the path as the program uses it (a relative one from the
// working folder); with no `job_path` (a recovery file) the path is made absolute.
QString PictureAsStored(const QString& picture, const QString& job_path);
// The other way: a relative path in the job file at `job_path` is taken from the job's folder.
QString PictureAsUsed(const QString& stored, const QString& job_path);

// Puts the job into the model: the table, the counts, the marks, l_last, the picture fields and
// the barcode settings;
// the entry current_block is shown and l_block lists the blocks with the shown entry as its text.
void ApplyJob(const Job& job, MainModel& model);
