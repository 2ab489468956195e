// Throws arbitrary bytes at the job-file reader: it must never crash, and a job it accepts must
// pass the writer's own checks and come back unchanged through a write and a second read.

#include <QString>

#include "fuzz_rules.h"
#include "job/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
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
