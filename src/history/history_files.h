#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The ten history files record_001 … record_010 in the working directory. They hold the label
// template of a print run, one row a line. Files written by the program are UTF-8 with CRLF line
// ends; files from the shipping offices' older systems are Big5 (code page 950). Both are read.

inline constexpr int kHistoryFiles = 10;

// "record_" + 3 = "record_003"
QString HistoryFileName(const QString& prefix, int number);

// Decodes a history file's bytes: UTF-8 when they are valid UTF-8 (a byte-order mark is dropped),
// Big5 otherwise.
QString DecodeHistoryText(const QByteArray& bytes);

// The lines of a history file, without their CR/LF ends; nothing when the file cannot be read.
std::optional<QStringList> ReadHistoryLines(const QString& path);

// The items of the history list for the files in `dir`: "NN,first line" for each file whose first
// line is not empty, in file-number order. Missing and unreadable files are skipped silently.
QStringList HistoryListItems(const QString& dir, const QString& prefix);
