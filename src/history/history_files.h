#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The ten history files record_001 … record_010 in the working directory. They hold the label
// template of a print run, one row a line. Files written by the program are UTF-8 with CRLF line
// ends; files from the shipping offices' older systems are Big5 (code page 950). Both are read.

inline constexpr int kHistoryFiles = 10;

// A record needs sixteen lines; no more than this much of a file is read, so a huge file (or one
// that is no record at all) costs the start-up nothing.
inline constexpr qint64 kMaxHistoryBytes = 64 * 1024;

// "record_" + 3 = "record_003"
QString HistoryFileName(const QString& prefix, int number);

// Decodes a whole text file's bytes (a packing list): UTF-8 when they are valid UTF-8 (a byte-order
// mark is dropped), Big5 otherwise.
QString DecodeHistoryText(const QByteArray& bytes);

// Decodes one line of a history file: UTF-8 when it is valid UTF-8, Big5 otherwise. A record
// edited by hand on two systems can hold both.
QString DecodeHistoryLine(QByteArrayView line);

// The lines of a history file's bytes, without their CR/LF ends, each decoded on its own; a byte-
// order mark at the start is dropped. With `complete` false the bytes are the start of a longer
// file, and the line they cut off is left out.
QStringList ParseHistoryRecord(const QByteArray& bytes, bool complete = true);

// The lines of a history file; nothing when the file is missing, cannot be read or is no regular
// file (a FIFO, a device, a link to one).
std::optional<QStringList> ReadHistoryLines(const QString& path);

// The items of the history list for the files in `dir`: "NN,first line" for each file whose first
// line is not empty, in file-number order. Missing and unreadable files are skipped silently.
QStringList HistoryListItems(const QString& dir, const QString& prefix);
