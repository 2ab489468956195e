#include "app/row_size_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/apply_rows_dialog.h"
#include "model/fonts.h"

namespace {

// A row's text as the dialog lists it: what fits beside its choice.
constexpr int kShownCharacters = 40;

}  // namespace

RowSizeDialog::RowSizeDialog(const MainModel& model, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("row_size_dialog"));
  setWindowTitle(tr("行的字型 - %1").arg(ApplyRowsDialog::EntryName(model, model.current_block)));

  auto* text = new QLabel(tr("每一行印出來的字型。粗體: 一樣大的粗字。"
                             "放大: 字的寬與高都加倍, 會佔用下面一行, 所以下面一行要空著。"),
                          this);
  text->setWordWrap(true);

  auto* rows = new QGridLayout;
  QFont ming(kMingFont);
  for (int row = 0; row < MainModel::kRows; ++row) {
    texts_[row] = model.l_content[row];
    auto* choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("row_size(%1)").arg(row));
    for (RowSize size : kRowSizes) choice->addItem(RowSizeName(size));
    choice->setCurrentIndex(int(model.l_size[row]));
    choices_[row] = choice;
    connect(choice, &QComboBox::currentIndexChanged, this, &RowSizeDialog::UpdateNote);

    auto* number = new QLabel(tr("第 %1 行").arg(row + 1), this);
    number->setBuddy(choice);
    QString shown = texts_[row];
    if (shown.size() > kShownCharacters) shown = shown.left(kShownCharacters) + u'…';
    auto* content = new QLabel(shown, this);
    content->setFont(ming);
    content->setTextFormat(Qt::PlainText);
    rows->addWidget(number, row, 0);
    rows->addWidget(choice, row, 1);
    rows->addWidget(content, row, 2);
  }
  rows->setColumnStretch(2, 1);

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("row_size_note"));
  note_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("確定(&O)"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(rows);
  layout->addWidget(note_);
  layout->addWidget(buttons);
  UpdateNote();
}

std::array<RowSize, MainModel::kRows> RowSizeDialog::sizes() const {
  std::array<RowSize, MainModel::kRows> sizes{};
  for (int row = 0; row < MainModel::kRows; ++row)
    sizes[row] = RowSize(choices_[row]->currentIndex());
  return sizes;
}

void RowSizeDialog::UpdateNote() {
  // What the preflight says before a print, said here already.
  QStringList over;
  const auto chosen = sizes();
  for (int row = 0; row + 1 < MainModel::kRows; ++row) {
    if (chosen[row] == RowSize::kLarge && !texts_[row + 1].trimmed().isEmpty()) {
      over << tr("第 %1 行放大了, 會蓋住第 %2 行的字。").arg(row + 1).arg(row + 2);
    }
  }
  note_->setText(over.join(u'\n'));
  note_->setVisible(!over.isEmpty());
}
