#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads a whole file the user named, when it is a regular file of at most `max_bytes` bytes.
// Directories, pipes and devices are refused without being opened (opening a pipe would wait for a
// writer), and a larger file is refused before it is read. The problem, in words for the user,
// goes to `problem`.
std::optional<QByteArray> ReadBoundedFile(const QString& path, qint64 max_bytes, QString* problem);

// Whether `bytes` are text: UTF-8 without control characters other than line ends and tabs. A
// settings file that is not (a picture, a program, random bytes) is damaged as a whole, since
// QSettings would take any bytes and keep what it can.
bool IsPlainText(const QByteArray& bytes);
