#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The jobs opened or saved last, newest first, kept per user in the program's settings.
class RecentJobs {
 public:
  static constexpr int kMax = 5;

  explicit RecentJobs(QSettings& settings) : settings_(settings) {}

  QStringList Paths() const;
  // Puts the job at the top of the list; the oldest falls off past five.
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store(const QStringList& paths);

  QSettings& settings_;
};

// How the 檔案 menu names each job of `paths`: its file name, and its folder after it where another
// job of the list has the same file name, so that two 客戶A.cratemark of different folders can be
// told apart.
QStringList RecentJobMenuNames(const QStringList& paths);
