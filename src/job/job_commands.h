#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "job/job_file.h"

class Prompter;
struct MainModel;

// The job commands of the 檔案 menu on the model, and what the window needs to tell whether the
// job has unsaved changes. Each command that refuses shows why and changes nothing.

// Job files larger than this are refused before they are read. A job of 98 blocks whose every
// row holds 1,000 Chinese characters stays below 6 MB.
inline constexpr qint64 kMaxJobFileBytes = 8 * 1024 * 1024;

// The job as 儲存工作 would write it: the block on screen is stored first with SaveBlock, as the
// print run does. When SaveBlock or the job's checks refuse, the message is shown and nothing is
// returned; the table keeps what SaveBlock stored.
std::optional<Job> JobToSave(MainModel& model, Prompter& prompter);

// The same without a word and on a copy: the model stays as it is. Nothing when the job could not
// be saved as it stands. Comparing these bytes with the last saved ones tells unsaved changes.
std::optional<Job> JobAsSaved(const MainModel& model);
std::optional<QByteArray> JobBytesAsSaved(const MainModel& model);

// Writes the job to `path` in one piece (ReplaceFile): either the whole new file is there or the
// old one stays, and the message names the file and the reason. The picture is kept relative to the
// job's folder when it lies there (PictureAsStored). Returns the job's bytes as JobBytesAsSaved
// gives them, to tell later changes by; the bytes written into the file go to `in_file`.
std::optional<QByteArray> SaveJobFile(MainModel& model, Prompter& prompter, const QString& path,
                                      QByteArray* in_file = nullptr);

// Reads and checks a job file; the problem, in words for the user, goes to `problem`, and the
// file's bytes as read to `in_file`. A picture kept relative to the job's folder comes back with
// its full path.
std::optional<Job> ReadJobFile(const QString& path, QString* problem,
                               QByteArray* in_file = nullptr);

// Opens a job file into the model after checking all of it; a file that does not pass leaves the
// model as it was and shows what is wrong with it.
bool OpenJobFile(MainModel& model, Prompter& prompter, const QString& path);

// The message for a job file that cannot be opened.
QString OpenJobProblem(const QString& path, const QString& problem);

// 開新工作: the state the window starts in. Unlike Refresh it asks nothing and also puts the mixed
// option and the picture fields back to their start values.
void NewJob(MainModel& model);

// `text` as a file name that any computer of the office can keep, also on a shared folder of
// another system: the characters no file name may hold there (/ \ : * ? " < > | and control
// characters) and runs of blanks become one blank, leading dots and blanks and trailing dots and
// blanks go, a name such a system keeps for a device (CON, NUL, COM1…) gets a "_", and it is cut to
// kMaxSuggestedName characters. Empty when nothing is left.
inline constexpr int kMaxSuggestedName = 60;
QString SafeFileName(const QString& text);

// The first row of the job's first block that holds any text, as SafeFileName makes it; empty
// when there is none. Block 1's rows are the ones on screen while it is shown.
QString FirstRowName(const MainModel& model);

// "Cratemark <version>版" while no job file is open and nothing has changed; otherwise the job's
// file name (or 未命名工作), a "*" while there are unsaved changes, and the program's name.
QString JobWindowTitle(const QString& path, bool modified);
