#include "app/apply_rows_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "job/template_rows.h"
#include "model/main_model.h"

namespace {

constexpr int kEntryRole = Qt::UserRole;

}  // namespace

QString ApplyRowsDialog::EntryName(const MainModel& model, int entry) {
  if (entry > model.block_count) return tr("尾數箱");
  return tr("第 %1 區段").arg(entry);
}

ApplyRowsDialog::ApplyRowsDialog(const MainModel& model, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("apply_rows_dialog"));
  setWindowTitle(tr("套用到其他區段"));

  auto* text = new QLabel(tr("把畫面上%1的 16 行內容與對齊, 複製到勾選的區段。\n"
                             "那些區段原來的內容與對齊會被取代; 箱號與墊板不變。")
                              .arg(EntryName(model, model.current_block)),
                          this);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("apply_rows_list"));
  for (int entry : TemplateEntries(model)) {
    if (entry == model.current_block) continue;
    auto* item = new QListWidgetItem(EntryName(model, entry), list_);
    item->setData(kEntryRole, entry);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  connect(list_, &QListWidget::itemChanged, this, &ApplyRowsDialog::UpdateButtons);

  auto* buttons = new QDialogButtonBox(this);
  all_ = buttons->addButton(tr("全選(&A)"), QDialogButtonBox::ActionRole);
  all_->setObjectName(QStringLiteral("apply_rows_all"));
  apply_ = buttons->addButton(tr("套用(&P)"), QDialogButtonBox::AcceptRole);
  apply_->setObjectName(QStringLiteral("apply_rows_apply"));
  buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
  connect(all_, &QPushButton::clicked, this, [this] {
    std::vector<int> every;
    for (int i = 0; i < list_->count(); ++i)
      every.push_back(list_->item(i)->data(kEntryRole).toInt());
    SetChosen(every);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  UpdateButtons();
}

std::vector<int> ApplyRowsDialog::chosen() const {
  std::vector<int> entries;
  for (int i = 0; i < list_->count(); ++i) {
    if (list_->item(i)->checkState() == Qt::Checked) {
      entries.push_back(list_->item(i)->data(kEntryRole).toInt());
    }
  }
  return entries;
}

void ApplyRowsDialog::SetChosen(const std::vector<int>& entries) {
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const bool on =
        std::find(entries.begin(), entries.end(), item->data(kEntryRole).toInt()) != entries.end();
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

void ApplyRowsDialog::UpdateButtons() { apply_->setEnabled(!chosen().empty()); }
