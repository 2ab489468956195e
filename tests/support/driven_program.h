#pragma once

// The real program started for an end-to-end test, with a home of the test's own and the test
// driver on (src/app/test_driver.h): the test writes the driver's commands to its standard input
// and reads what they write back.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <utility>

class DrivenProgram {
 public:
  // `environment` changes the test's own: {"LANG", "en_US.UTF-8"} sets a variable, {"LC_ALL", ""}
  // takes it out.
  DrivenProgram(const QString& program, const QString& work_dir, const QString& home,
                const QStringList& arguments,
                const QList<std::pair<QString, QString>>& environment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CRATEMARK_TEST_DRIVER"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    for (const auto& [name, value] : environment) {
      if (value.isEmpty()) {
        env.remove(name);
      } else {
        env.insert(name, value);
      }
    }
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(work_dir);
    process.start(program, arguments);
  }
  ~DrivenProgram() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished();
    }
  }

  void Send(const QString& line) {
    process.write((line + u'\n').toUtf8());
    process.waitForBytesWritten(10000);
  }

  // Sends a command that writes to standard output and returns what it wrote up to its end mark,
  // the line ".", without that line.
  QByteArray Ask(const QString& command) {
    Send(command);
    QDeadlineTimer deadline(30000);
    qsizetype end;
    while ((end = EndMark()) < 0 && !deadline.hasExpired()) {
      process.waitForReadyRead(200);
      output_ += process.readAllStandardOutput();
    }
    if (end < 0) return std::exchange(output_, {});
    const QByteArray answer = output_.left(end);
    output_.remove(0, end + 2);
    return answer;
  }

  // Everything the job as 儲存工作 would save it.
  QByteArray Dump() { return Ask(QStringLiteral("dump")); }

  QProcess process;

 private:
  // Where the end mark's line starts in what has been read, or -1.
  qsizetype EndMark() const {
    if (output_.startsWith(".\n")) return 0;
    const qsizetype at = output_.indexOf("\n.\n");
    return at < 0 ? -1 : at + 1;
  }

  QByteArray output_;  // read but not yet asked for
};
