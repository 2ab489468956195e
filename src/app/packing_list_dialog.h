#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "job/packing_list.h"

class QComboBox;
struct MainModel;

// Shows the blocks a packing list makes, one row each, asks which of the job's blocks lends them
// its rows (block 1 unless the clerk picks another), and asks before they replace the job's
// blocks; a line under the table names the file's columns that were not read.
class PackingListDialog : public QDialog {
  Q_OBJECT

 public:
  PackingListDialog(const std::vector<PackedBlock>& blocks, const MainModel& job,
                    QWidget* parent = nullptr, const QStringList& unused_columns = {});

  // The entry of the job whose rows the new blocks get.
  int template_entry() const;

 private:
  QComboBox* template_ = nullptr;
};
