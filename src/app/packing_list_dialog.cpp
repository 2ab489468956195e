#include "app/packing_list_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/apply_rows_dialog.h"
#include "job/template_rows.h"
#include "model/main_model.h"

PackingListDialog::PackingListDialog(const std::vector<PackedBlock>& blocks, const MainModel& job,
                                     QWidget* parent, const QStringList& unused_columns)
    : QDialog(parent) {
  setObjectName(QStringLiteral("packing_list_dialog"));
  setWindowTitle(tr("匯入裝箱單"));

  auto* text = new QLabel(tr("裝箱單會變成下面 %1 個區段, 取代目前的 %2 個區段。\n"
                             "新的區段都使用下面所選區段的內容與對齊; 尾數箱要再重新選一次。")
                              .arg(blocks.size())
                              .arg(job.block_count),
                          this);

  // The rows of the job's first block, unless the clerk picks another: the block on screen may
  // well be the remainder carton, whose rows are not every carton's.
  template_ = new QComboBox(this);
  template_->setObjectName(QStringLiteral("packing_list_template"));
  for (int entry : TemplateEntries(job)) {
    template_->addItem(ApplyRowsDialog::EntryName(job, entry), entry);
  }
  auto* template_form = new QFormLayout;
  template_form->addRow(tr("內容與對齊取自(&T):"), template_);

  auto* table = new QTableWidget(int(blocks.size()), 6, this);
  table->setObjectName(QStringLiteral("packing_list_table"));
  table->setHorizontalHeaderLabels({tr("區段"), tr("箱號 from"), tr("箱號 to"), tr("每墊板的箱數"),
                                    tr("墊板起始數"), tr("混打")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  for (int row = 0; row < int(blocks.size()); ++row) {
    const PackedBlock& block = blocks[row];
    const QStringList cells{QString::number(row + 1),
                            QString::number(block.start),
                            QString::number(block.end),
                            QString::number(block.pbox),
                            QString::number(block.first_pallet),
                            block.mixed ? QStringLiteral("Yes") : QStringLiteral("No")};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(row, column, item);
    }
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("取代區段(&R)"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(table);
  if (!unused_columns.isEmpty()) {
    auto* unused = new QLabel(tr("沒有用到的欄: %1").arg(unused_columns.join(tr("、"))), this);
    unused->setObjectName(QStringLiteral("packing_list_unused"));
    unused->setWordWrap(true);
    layout->addWidget(unused);
  }
  layout->addLayout(template_form);
  layout->addWidget(buttons);
  resize(560, 420);
}

int PackingListDialog::template_entry() const { return template_->currentData().toInt(); }
