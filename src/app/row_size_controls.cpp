#include "app/row_size_controls.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <memory>

#include "app/main_window.h"
#include "app/row_size_dialog.h"

namespace {

bool IsShiftF10(const QKeyEvent& key) {
  return key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
}

}  // namespace

RowSizeControls::RowSizeControls(MainWindow* window,
                                 const std::array<QLineEdit*, MainModel::kRows>& boxes)
    : QObject(window), window_(window), boxes_(boxes) {
  for (QLineEdit* box : boxes_) box->installEventFilter(this);
}

void RowSizeControls::AddEditAction(QMenu* edit_menu) {
  QAction* sizes = edit_menu->addAction(tr("行的字型(&F)…"), this, &RowSizeControls::OpenDialog);
  sizes->setObjectName(QStringLiteral("action_row_sizes"));
}

void RowSizeControls::Show(const MainModel& model) {
  for (int row = 0; row < MainModel::kRows; ++row) {
    const RowSize size = model.l_size[row];
    // The box keeps its place and height: a 放大 row shows twice as wide, as it prints, so a text
    // too long for the label looks too long here too.
    QLineEdit* box = boxes_[row];
    const bool bold = size != RowSize::kNormal;
    const int stretch = size == RowSize::kLarge ? 200 : QFont::AnyStretch;
    if (box->font().bold() != bold || box->font().stretch() != stretch) {
      QFont font = box->font();
      font.setBold(bold);
      font.setStretch(stretch);
      box->setFont(font);
    }
    QString tip;
    if (size == RowSize::kBold) tip = tr("這一行印成粗體字 (編輯 → 行的字型…)");
    if (size == RowSize::kLarge) {
      tip = tr("這一行印成放大字: 寬與高都加倍, 佔用下面一行 (編輯 → 行的字型…)");
    }
    if (box->toolTip() != tip) box->setToolTip(tip);
  }
}

void RowSizeControls::OpenDialog() {
  RowSizeDialog dialog(window_->ModelOnScreen(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  const auto sizes = dialog.sizes();
  window_->RunStep(tr("行的字型"), [this, &sizes] { window_->model().l_size = sizes; });
}

QMenu* RowSizeControls::SizeMenu(int row, QWidget* parent) {
  auto* menu = new QMenu(tr("字型(&F)"), parent);
  menu->setObjectName(QStringLiteral("row_size_menu"));
  auto* group = new QActionGroup(menu);
  const char* const names[] = {QT_TR_NOOP("一般(&N)"), QT_TR_NOOP("粗體(&B)"),
                               QT_TR_NOOP("放大(&L)")};
  for (RowSize size : kRowSizes) {
    QAction* action = menu->addAction(tr(names[int(size)]));
    action->setCheckable(true);
    action->setChecked(window_->model().l_size[row] == size);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, row, size] { SetSize(row, size); });
  }
  return menu;
}

bool RowSizeControls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu && event->type() != QEvent::KeyPress) {
    return QObject::eventFilter(watched, event);
  }
  const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
  if (found == boxes_.end()) return QObject::eventFilter(watched, event);
  QLineEdit* box = *found;
  QPoint at;
  if (event->type() == QEvent::ContextMenu) {
    at = static_cast<QContextMenuEvent*>(event)->globalPos();
  } else if (event->type() == QEvent::KeyPress && IsShiftF10(*static_cast<QKeyEvent*>(event))) {
    // Shift+F10 opens it too, at the cursor, on a keyboard without a menu key.
    at = box->mapToGlobal(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft());
  } else {
    return QObject::eventFilter(watched, event);
  }
  // The box's own menu, with the row's sizes below it.
  const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
  menu->setObjectName(QStringLiteral("row_context_menu"));
  menu->addSeparator();
  menu->addMenu(SizeMenu(int(found - boxes_.begin()), menu.get()));
  menu->exec(at);
  return true;
}

void RowSizeControls::SetSize(int row, RowSize size) {
  if (window_->model().l_size[row] == size) return;
  window_->RunStep(tr("字型 第 %1 行").arg(row + 1),
                   [this, row, size] { window_->model().l_size[row] = size; });
}
