#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "job/packing_list.h"

// Shows the blocks a packing list makes, one row each, and asks before they replace the job's
// blocks; a line under the table names the file's columns that were not read.
class PackingListDialog : public QDialog {
  Q_OBJECT

 public:
  PackingListDialog(const std::vector<PackedBlock>& blocks, int replaced_blocks,
                    QWidget* parent = nullptr, const QStringList& unused_columns = {});
};
