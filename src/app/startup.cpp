#include "app/startup.h"

#include "history/history_files.h"
#include "model/main_model.h"
#include "model/start_values.h"

void StartUp(MainModel& model) {
  SetStartValues(model);
  // Unreadable history files are skipped without a word.
  model.record_list = HistoryListItems(model.work_dir, model.record_prefix);
}
