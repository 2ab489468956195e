// Throws arbitrary bytes at the job-file reader: it must never crash, and a job it accepts must
// pass the writer's own checks and come back unchanged through a write and a second read.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "job/job_file.h"

namespace {

void Require(bool condition, const char* rule) {
  if (condition) return;
  std::fprintf(stderr, "rule broken: %s\n", rule);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QString problem;
  const std::optional<Job> job = ParseJob(bytes, &problem);
  if (!job) {
    Require(!problem.isEmpty(), "a refused job says why");
    return 0;
  }
  Require(JobProblem(*job).isEmpty(), "an accepted job passes the writer's checks");
  const QByteArray written = JobBytes(JobToJson(*job));
  QString again_problem;
  const std::optional<Job> again = ParseJob(written, &again_problem);
  Require(again.has_value(), "a written job reads back");
  Require(JobBytes(JobToJson(*again)) == written, "a written job reads back unchanged");
  return 0;
}
