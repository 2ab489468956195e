#include "job/recent_jobs.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kKey = QStringLiteral("recent_jobs");
}

QStringList RecentJobs::Paths() const {
  QStringList paths = settings_.value(kKey).toStringList();
  paths.removeAll(QString());
  return paths.mid(0, kMax);
}

void RecentJobs::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = Paths();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  Store(paths.mid(0, kMax));
}

void RecentJobs::Remove(const QString& path) {
  QStringList paths = Paths();
  paths.removeAll(QFileInfo(path).absoluteFilePath());
  paths.removeAll(path);
  Store(paths);
}

void RecentJobs::Store(const QStringList& paths) {
  settings_.setValue(kKey, paths);
  settings_.sync();
}

QStringList RecentJobMenuNames(const QStringList& paths) {
  QStringList names;
  for (const QString& path : paths) names << QFileInfo(path).fileName();
  QStringList shown;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    shown << (names.count(names[i]) > 1
                  ? QStringLiteral("%1 (%2)").arg(names[i], QFileInfo(paths[i]).absolutePath())
                  : names[i]);
  }
  return shown;
}
