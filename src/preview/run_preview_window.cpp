#include "preview/run_preview_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "model/prompter.h"
#include "preview/sheet_preview.h"
#include "preview/sheet_view.h"
#include "print/qt_print_target.h"
#include "print/symbol_shapes.h"
#include "widgets/window_placement.h"

namespace {

constexpr int kPanelWidth = 330;  // pixels: the summary and the print panel beside the pages

// The zoom box's items hold a percentage, or one of these for a fit.
constexpr int kWholePageItem = -1;
constexpr int kPageWidthItem = -2;

// The PDF file's printable area stands for the page when there is no printer to ask.
const QString kAnyPdf = QStringLiteral("preview.pdf");

QLineEdit* NumberField(const char* name, const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QLatin1String(name));
  field->setMaximumWidth(70);
  field->setAlignment(Qt::AlignRight);
  return field;
}

// The texts around the fields of a phrase such as "第 %1 到 %2 張", where the fields stand for
// %1, %2 … in that order: `fields` + 1 texts, trimmed. The phrase is one text to translate, so a
// translation words it its own way around the same fields.
QStringList AroundFields(const QString& phrase, int fields) {
  QStringList texts;
  qsizetype from = 0;
  for (int field = 1; field <= fields; ++field) {
    const QString mark = u'%' + QString::number(field);
    const qsizetype at = phrase.indexOf(mark, from);
    if (at < 0) break;
    texts << phrase.mid(from, at - from).trimmed();
    from = at + mark.size();
  }
  texts << phrase.mid(from).trimmed();
  while (texts.size() < fields + 1) texts << QString();
  return texts;
}

}  // namespace

RunPreviewWindow::RunPreviewWindow(const MainModel& job, Prompter& prompter,
                                   PreviewPrintServices services, QWidget* parent)
    : QDialog(parent),
      job_(job),
      plan_(RunPlan::Of(job_)),
      prompter_(prompter),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("run_preview"));
  setWindowTitle(tr("列印預覽"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Modal to the main window: the job is a snapshot, and nothing may change it while it shows.
  setWindowModality(Qt::WindowModal);
  setSizeGripEnabled(true);

  view_ = new SheetView(this);
  view_->setObjectName(QStringLiteral("sheet_view"));
  view_->SetTipText([this](qint64 label) { return LabelTip(*layout_, label); });

  auto* pages = new QVBoxLayout;
  pages->addWidget(CreateNavigation());
  pages->addWidget(view_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(pages, 1);
  layout->addWidget(CreatePanel());

  FillPrinters();
  Connect();
  ChoiceChanged();

  // On the main window's screen, over or beside it. Escape closes the window, as in every dialog.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() : QSize(1024, 768);
  resize(std::min(room.width() * 9 / 10, 1100), std::min(room.height() * 9 / 10, 900));
  if (parent) PlaceBeside(this, parent);
}

RunPreviewWindow::~RunPreviewWindow() = default;

QWidget* RunPreviewWindow::CreateNavigation() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  const auto button = [bar, row](const char* name, const QString& text, const QString& tip,
                                 const QKeySequence& key) {
    auto* b = new QPushButton(text, bar);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setShortcut(key);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
  };
  first_ = button("first_page", tr("第一頁"), tr("第一張標籤紙 (Ctrl+Home)"),
                  QKeySequence(Qt::CTRL | Qt::Key_Home));
  previous_ = button("previous_page", tr("上一頁"), tr("上一張標籤紙 (Page Up)"),
                     QKeySequence(Qt::Key_PageUp));
  // %1 is the page number field, %2 the count of pages.
  const QStringList page_texts = AroundFields(tr("第 %1 頁, 共 %2 頁"), 1);
  if (!page_texts[0].isEmpty()) row->addWidget(new QLabel(page_texts[0], bar));
  page_number_ = new QSpinBox(bar);
  page_number_->setObjectName(QStringLiteral("page_number"));
  page_number_->setKeyboardTracking(false);
  row->addWidget(page_number_);
  page_count_text_ = page_texts[1];
  page_count_ = new QLabel(bar);
  page_count_->setObjectName(QStringLiteral("page_count"));
  row->addWidget(page_count_);
  next_ = button("next_page", tr("下一頁"), tr("下一張標籤紙 (Page Down)"),
                 QKeySequence(Qt::Key_PageDown));
  last_ = button("last_page", tr("最後一頁"), tr("最後一張標籤紙 (Ctrl+End)"),
                 QKeySequence(Qt::CTRL | Qt::Key_End));
  row->addStretch(1);
  auto* zoom_label = new QLabel(tr("縮放(&Z):"), bar);
  row->addWidget(zoom_label);
  zoom_ = new QComboBox(bar);
  zoom_->setObjectName(QStringLiteral("zoom"));
  zoom_label->setBuddy(zoom_);
  zoom_->addItem(tr("整頁"), kWholePageItem);
  zoom_->addItem(tr("頁寬"), kPageWidthItem);
  for (const int percent : kZoomSteps) zoom_->addItem(tr("%1 %").arg(percent), percent);
  zoom_->setToolTip(tr("Ctrl++ 放大, Ctrl+− 縮小; 也可以按住 Ctrl 轉動滑鼠滾輪"));
  row->addWidget(zoom_);
  return bar;
}

QWidget* RunPreviewWindow::CreatePanel() {
  auto* panel = new QWidget(this);
  panel->setFixedWidth(kPanelWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  // The summary takes a few lines; the preflight's items, the room they need.
  auto* checks = new QSplitter(Qt::Vertical, panel);
  checks->setChildrenCollapsible(false);
  auto* summary_box = new QGroupBox(tr("摘要"), checks);
  auto* summary_layout = new QVBoxLayout(summary_box);
  summary_text_ = new QTextBrowser(summary_box);
  summary_text_->setObjectName(QStringLiteral("summary"));
  summary_text_->setOpenLinks(false);
  // A line of the summary is a paragraph: without the blank line between them it stays short.
  summary_text_->document()->setDefaultStyleSheet(
      QStringLiteral("p { margin-top: 0; margin-bottom: 4px; }"));
  summary_layout->addWidget(summary_text_);
  auto* preflight_box = new QGroupBox(tr("列印前檢查"), checks);
  preflight_box->setObjectName(QStringLiteral("preflight_box"));
  auto* preflight_layout = new QVBoxLayout(preflight_box);
  preflight_list_ = new QListWidget(preflight_box);
  preflight_list_->setObjectName(QStringLiteral("preflight"));
  preflight_list_->setWordWrap(true);
  preflight_list_->setSpacing(2);  // wrapped items apart
  preflight_list_->setToolTip(tr("按一下問題, 就會翻到那一張標籤紙, 用紅框標出問題的位置"));
  preflight_layout->addWidget(preflight_list_);
  checks->setStretchFactor(0, 2);
  checks->setStretchFactor(1, 3);
  column->addWidget(checks, 1);

  auto* print_box = new QGroupBox(tr("列印"), panel);
  auto* form = new QFormLayout(print_box);
  printer_ = new QComboBox(print_box);
  printer_->setObjectName(QStringLiteral("printer"));
  form->addRow(tr("印表機(&R):"), printer_);
  auto* copies_row = new QWidget(print_box);
  auto* copies_line = new QHBoxLayout(copies_row);
  copies_line->setContentsMargins(0, 0, 0, 0);
  copies_ = new QSpinBox(copies_row);
  copies_->setObjectName(QStringLiteral("copies"));
  copies_->setRange(1, kMaxCopies);
  copies_->setMaximumWidth(80);
  collate_ = new QCheckBox(tr("自動分頁(&O)"), copies_row);
  collate_->setObjectName(QStringLiteral("collate"));
  collate_->setChecked(true);
  collate_->setEnabled(false);  // one copy has nothing to sort
  collate_->setToolTip(
      tr("印多份時一份一份印出: 第 1、2、3 張, 再第 1、2、3 張。"
         "不勾時每張連印: 第 1、1 張, 再第 2、2 張…"));
  copies_line->addWidget(copies_);
  copies_line->addWidget(collate_);
  copies_line->addStretch(1);
  auto* copies_label = new QLabel(tr("份數(&N):"), print_box);
  copies_label->setBuddy(copies_);
  form->addRow(copies_label, copies_row);
  start_place_ = new QSpinBox(print_box);
  start_place_->setObjectName(QStringLiteral("start_place"));
  // The places of the chosen printer's stock (UpdatePaper).
  start_place_->setRange(1, 1);
  start_place_->setMaximumWidth(80);
  start_place_->setToolTip(
      tr("第一張標籤紙從第幾格開始印: 由左到右、由上到下數, 前面的格子留空, "
         "用來印完用過一半的標籤紙"));
  form->addRow(tr("起始位置(&T):"), start_place_);

  kind_ = new QButtonGroup(this);
  whole_ = new QRadioButton(tr("全部"), print_box);
  whole_->setObjectName(QStringLiteral("print_whole"));
  whole_->setChecked(true);
  kind_->addButton(whole_, PrintChoice::kWholeRun);
  form->addRow(tr("列印範圍:"), whole_);

  // `phrase`: the radio button's caption, then the first field, then the second.
  const auto range_row = [&](const char* radio_name, const QString& phrase, QRadioButton*& radio,
                             PrintChoice::Kind kind, const char* from_name, QLineEdit*& from,
                             const QString& from_text, const char* to_name, QLineEdit*& to,
                             const QString& to_text) {
    const QStringList texts = AroundFields(phrase, 2);
    auto* row = new QWidget(print_box);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    radio = new QRadioButton(texts[0], row);
    radio->setObjectName(QLatin1String(radio_name));
    kind_->addButton(radio, kind);
    from = NumberField(from_name, from_text, row);
    to = NumberField(to_name, to_text, row);
    line->addWidget(radio);
    line->addWidget(from);
    if (!texts[1].isEmpty()) line->addWidget(new QLabel(texts[1], row));
    line->addWidget(to);
    if (!texts[2].isEmpty()) line->addWidget(new QLabel(texts[2], row));
    line->addStretch(1);
    form->addRow(QString(), row);
  };
  const auto [lowest, highest] = CartonSpan(plan_);
  // The sheets of the whole run on the chosen printer's stock (UpdatePaper), numbered as the
  // preview of the whole run shows them: from the start place, not from some other counting.
  range_row("print_sheets", tr("預覽中的第 %1 到 %2 張"), sheets_range_, PrintChoice::kSheets,
            "sheets_from", sheets_from_, QStringLiteral("1"), "sheets_to", sheets_to_,
            QStringLiteral("1"));
  const QString sheets_tip =
      tr("張數照整份列印的預覽算: 從「起始位置」排起, 預覽的第 1 頁就是第 1 張。"
         "選了這一項, 預覽就只顯示這幾張。");
  for (QWidget* widget : {static_cast<QWidget*>(sheets_range_), static_cast<QWidget*>(sheets_from_),
                          static_cast<QWidget*>(sheets_to_)}) {
    widget->setToolTip(sheets_tip);
  }
  range_row("print_cartons", tr("箱號 %1 到 %2"), cartons_range_, PrintChoice::kCartons,
            "cartons_from", cartons_from_, QString::number(lowest), "cartons_to", cartons_to_,
            QString::number(highest));

  choice_status_ = new QLabel(print_box);
  choice_status_->setObjectName(QStringLiteral("choice_status"));
  choice_status_->setWordWrap(true);
  // Room for a message of three lines, so the panel does not jump while the user types.
  choice_status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  choice_status_->setMinimumHeight(choice_status_->fontMetrics().lineSpacing() * 3);
  form->addRow(choice_status_);
  column->addWidget(print_box);

  auto* buttons = new QHBoxLayout;
  print_ = new QPushButton(tr("列印(&P)"), panel);
  print_->setObjectName(QStringLiteral("print"));
  // Enter in a range field must not print: it only ends the typing.
  print_->setAutoDefault(false);
  save_pdf_ = new QPushButton(tr("存成 PDF(&S)…"), panel);
  save_pdf_->setObjectName(QStringLiteral("save_pdf"));
  save_pdf_->setAutoDefault(false);
  close_ = new QPushButton(tr("關閉(&C)"), panel);
  close_->setObjectName(QStringLiteral("close"));
  close_->setAutoDefault(false);
  buttons->addWidget(print_);
  buttons->addWidget(save_pdf_);
  buttons->addWidget(close_);
  column->addLayout(buttons);
  return panel;
}

void RunPreviewWindow::FillPrinters() {
  const QStringList names = target().PrinterNames();
  printer_->addItems(names);
  const QString preferred = target().DefaultPrinterName();
  if (names.contains(preferred)) printer_->setCurrentText(preferred);
  if (names.isEmpty()) {
    printer_->setPlaceholderText(tr("沒有印表機, 只能存成 PDF"));
    printer_->setEnabled(false);
    print_->setEnabled(false);
  }
}

void RunPreviewWindow::Connect() {
  connect(first_, &QPushButton::clicked, this, [this] { view_->ShowSheet(1); });
  connect(previous_, &QPushButton::clicked, this, [this] { view_->ShowSheet(view_->sheet() - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { view_->ShowSheet(view_->sheet() + 1); });
  connect(last_, &QPushButton::clicked, this, [this] { view_->ShowSheet(view_->sheet_count()); });
  connect(page_number_, &QSpinBox::valueChanged, this,
          [this](int sheet) { view_->ShowSheet(sheet); });
  connect(view_, &SheetView::sheetChanged, this, &RunPreviewWindow::ShowPageNumber);
  connect(zoom_, &QComboBox::activated, this, [this](int index) {
    const int item = zoom_->itemData(index).toInt();
    if (item == kWholePageItem) {
      view_->SetZoom(ZoomMode::kWholePage);
    } else if (item == kPageWidthItem) {
      view_->SetZoom(ZoomMode::kPageWidth);
    } else {
      view_->SetZoom(ZoomMode::kPercent, item);
    }
  });
  connect(view_, &SheetView::zoomChanged, this, &RunPreviewWindow::ShowZoom);
  // Wherever the focus is in the window; the spot in the middle of the view stays there.
  const auto zoom_key = [this](const QList<QKeySequence>& keys, int steps) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, view_, [this, steps] { view_->ZoomBy(steps); });
    addAction(action);
  };
  // Ctrl+= is Ctrl++ without the Shift key that + takes on many keyboards.
  zoom_key({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1);
  zoom_key({QKeySequence::ZoomOut}, -1);

  connect(printer_, &QComboBox::currentIndexChanged, this, &RunPreviewWindow::ChoiceChanged);
  connect(copies_, &QSpinBox::valueChanged, this, [this](int copies) {
    collate_->setEnabled(copies > 1);
    ChoiceChanged();
  });
  connect(start_place_, &QSpinBox::valueChanged, this, &RunPreviewWindow::ChoiceChanged);
  connect(kind_, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) ChoiceChanged();
  });
  // Typing a range chooses it.
  for (QLineEdit* field : {sheets_from_, sheets_to_}) {
    connect(field, &QLineEdit::textEdited, sheets_range_,
            [this] { sheets_range_->setChecked(true); });
    connect(field, &QLineEdit::textChanged, this, &RunPreviewWindow::ChoiceChanged);
  }
  for (QLineEdit* field : {cartons_from_, cartons_to_}) {
    connect(field, &QLineEdit::textEdited, cartons_range_,
            [this] { cartons_range_->setChecked(true); });
    connect(field, &QLineEdit::textChanged, this, &RunPreviewWindow::ChoiceChanged);
  }

  connect(preflight_list_, &QListWidget::currentRowChanged, this,
          &RunPreviewWindow::ShowPreflightItem);
  connect(print_, &QPushButton::clicked, this, &RunPreviewWindow::Print);
  connect(save_pdf_, &QPushButton::clicked, this, &RunPreviewWindow::SaveAsPdf);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

PrintOptionTexts RunPreviewWindow::OptionTexts() const {
  PrintOptionTexts texts;
  texts.kind = PrintChoice::Kind(std::max(kind_->checkedId(), 0));
  texts.start = start_place_->text();
  texts.copies = copies_->text();
  texts.collate = collate_->isChecked();
  if (texts.kind == PrintChoice::kSheets) {
    texts.from = sheets_from_->text();
    texts.to = sheets_to_->text();
  } else if (texts.kind == PrintChoice::kCartons) {
    texts.from = cartons_from_->text();
    texts.to = cartons_to_->text();
  }
  return texts;
}

void RunPreviewWindow::UpdatePaper() {
  const PrintDestination destination = PreviewDestination();
  if (geometry_ && destination == paper_for_) return;
  // Asking the print system for a printer's area takes a moment: once for each printer chosen.
  paper_for_ = destination;
  PaperSetup paper = PaperSetupOf(target(), destination);
  if (paper.printable.isEmpty()) {
    // A printer that is not known: its stock's page drawn whole.
    PrintDestination pdf = destination;
    pdf.pdf_path = kAnyPdf;
    paper.printable = target().PrintableArea(pdf);
  }
  // No stock has no places: the first paper is always another stock.
  const SheetShape old_shape = geometry_ ? geometry_->shape() : SheetShape{0, 0};
  geometry_.emplace(LabelGeometry::Of(job_, paper));
  const SheetShape shape = geometry_->shape();
  if (shape == old_shape) return;
  // Another stock: its places to start from, and the sheets the whole run takes on it, unless a
  // range of sheets is being typed.
  const QSignalBlocker block(start_place_);
  start_place_->setRange(1, shape.places());
  if (!sheets_range_->isChecked()) {
    const QSignalBlocker block_to(sheets_to_);
    const int start = start_place_->value();
    sheets_to_->setText(QString::number(std::max<int64_t>(
        PrintLayout(plan_, PrintChoice{PrintChoice::kWholeRun, 0, 0, start}, shape).sheets(), 1)));
  }
}

void RunPreviewWindow::ChoiceChanged() {
  UpdatePaper();
  const PrintOptionsRead read = ReadPrintOptions(OptionTexts(), plan_, geometry_->shape());
  if (read.options) {
    ShowLayout(*read.options);
    choice_status_->setStyleSheet(QString());
    choice_status_->setText(LayoutSummary(*layout_, read.options->copies));
  } else {
    // The pages keep showing the last choice that was right; the message says what is wrong.
    if (!layout_) ShowLayout(PrintOptions{});
    choice_status_->setStyleSheet(QStringLiteral("color: #b00000"));
    choice_status_->setText(read.message);
  }
}

PrintDestination RunPreviewWindow::PreviewDestination() const {
  PrintDestination destination;
  destination.printer = printer_->currentText();
  if (destination.printer.isEmpty()) destination.pdf_path = kAnyPdf;
  if (services_.fit) destination.fit = services_.fit(destination);
  return destination;
}

void RunPreviewWindow::ShowLayout(const PrintOptions& options) {
  const PrintChoice& choice = options.choice;
  const SheetShape shape = geometry_->shape();
  // The summary counts the copies; the pages show one.
  if (summary_.isEmpty() || summary_start_ != choice.start_place || summary_shape_ != shape ||
      summary_copies_ != options.copies) {
    summary_start_ = choice.start_place;
    summary_shape_ = shape;
    summary_copies_ = options.copies;
    summary_ = RunSummary(job_, plan_, shape, choice.start_place, options.copies);
    summary_text_->setHtml(SummaryHtml(summary_));
  }
  if (shown_for_ == paper_for_ && layout_ && choice == shown_choice_) return;
  shown_for_ = paper_for_;
  shown_choice_ = choice;
  // The drawer refers to the layout: it goes first.
  sheets_.reset();
  layout_.emplace(plan_, choice, shape);
  sheets_ = std::make_unique<SheetPreview>(job_, *layout_, *geometry_);
  view_->SetSheets(
      layout_->sheets(), geometry_->page(),
      [this](qint64 sheet, int dpi, double ratio, const QRect& part, QList<LabelArea>* areas) {
        return sheets_->Paint(sheet, dpi, ratio, areas, part);
      });
  ShowPreflight();
  ShowPageNumber();
}

void RunPreviewWindow::ShowPreflight() {
  SymbolShapes shapes;
  preflight_ = RunPreflight(job_, *layout_, *geometry_, shapes);
  const QSignalBlocker block(preflight_list_);
  preflight_list_->clear();
  if (preflight_.items.isEmpty()) {
    auto* clear = new QListWidgetItem(
        tr("沒有問題: 箱號沒有重複, 每個字、圖片和條碼都在可以列印的範圍內, 沒有互相蓋住。"),
        preflight_list_);
    clear->setForeground(QColor(0x00, 0x60, 0x00));
    clear->setFlags(Qt::ItemIsEnabled);
    return;
  }
  for (const QString& text : preflight_.Texts()) {
    auto* item = new QListWidgetItem(text, preflight_list_);
    item->setForeground(QColor(0xb0, 0x00, 0x00));
  }
}

void RunPreviewWindow::ShowPreflightItem(int index) {
  if (index < 0 || index >= preflight_.items.size()) return;
  const PreflightItem& item = preflight_.items[index];
  if (item.sheet <= 0) return;
  // The spot is where the print puts it; on the paper it lies past the unprintable edge.
  sheets_->SetOutline(item.sheet, item.spot.translated(geometry_->origin()));
  view_->ShowSheet(item.sheet);
  view_->Repaint();
}

void RunPreviewWindow::ShowPageNumber() {
  const qint64 count = view_->sheet_count();
  const qint64 sheet = view_->sheet();
  {
    const QSignalBlocker block(page_number_);
    page_number_->setRange(count > 0 ? 1 : 0,
                           int(std::min<qint64>(count, std::numeric_limits<int>::max())));
    page_number_->setValue(int(count > 0 ? sheet : 0));
  }
  page_count_->setText(page_count_text_.arg(count));
  first_->setEnabled(sheet > 1);
  previous_->setEnabled(sheet > 1);
  next_->setEnabled(sheet < count);
  last_->setEnabled(sheet < count);
}

void RunPreviewWindow::ShowZoom() {
  int item = qRound(view_->zoom_percent());
  if (view_->zoom_mode() == ZoomMode::kWholePage) item = kWholePageItem;
  if (view_->zoom_mode() == ZoomMode::kPageWidth) item = kPageWidthItem;
  zoom_->setCurrentIndex(zoom_->findData(item));
}

void RunPreviewWindow::Print() {
  RunRequest request;
  request.printer = printer_->currentText();
  if (request.printer.isEmpty()) {
    prompter_.Message(tr("找不到任何印表機, 無法列印。請按「存成 PDF…」把標籤存成 PDF 檔。"));
    return;
  }
  PrintTo(std::move(request));
}

void RunPreviewWindow::SaveAsPdf() {
  RunRequest request;
  request.ask_pdf = true;
  PrintTo(std::move(request));
}

void RunPreviewWindow::PrintTo(RunRequest request) {
  request.options = OptionTexts();
  request.fit = services_.fit;
  // The sequence stores the block on screen as the print button does; the preview's job is a
  // snapshot, and stays one.
  MainModel job = job_;
  const RunOutcome outcome = RunSequence(job, request, prompter_, target(), feedback());
  if (!outcome.printed) return;
  choice_status_->setStyleSheet(QString());
  choice_status_->setText(outcome.destination.pdf_path.isEmpty()
                              ? tr("已送到印表機 %1: %2 張標籤, %3 張標籤紙, %4 份")
                                    .arg(outcome.destination.printer)
                                    .arg(outcome.labels)
                                    .arg(outcome.sheets)
                                    .arg(outcome.destination.copies)
                              : tr("已存成 PDF 檔 %1: %2 張標籤, %3 頁")
                                    .arg(outcome.destination.pdf_path)
                                    .arg(outcome.labels)
                                    .arg(outcome.sheets));
  if (outcome.history_due) emit wholeRunPrinted();
}

PrintTarget& RunPreviewWindow::target() {
  if (services_.target) return *services_.target;
  if (!own_target_) own_target_ = std::make_unique<QtPrintTarget>();
  return *own_target_;
}

PrintFeedback& RunPreviewWindow::feedback() {
  if (services_.feedback) return *services_.feedback;
  if (!own_feedback_) {
    own_feedback_ = services_.dialogs ? services_.dialogs(this) : std::make_unique<QuietFeedback>();
  }
  return *own_feedback_;
}
