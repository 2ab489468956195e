#include "app/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include "about/about_box.h"
#include "about/help_document.h"
#include "about/help_window.h"
#include "app/alignment_field.h"
#include "app/barcode_dialog.h"
#include "app/content_key_filter.h"
#include "app/editing_keys.h"
#include "app/job_controller.h"
#include "app/main_window_places.h"
#include "app/print_button.h"
#include "app/qt_print_feedback.h"
#include "app/qt_prompter.h"
#include "app/row_text_validator.h"
#include "app/startup.h"
#include "app/template_commands.h"
#include "blocks/block_commands.h"
#include "history/history_writer.h"
#include "history/recall.h"
#include "model/fonts.h"
#include "model/row_choices.h"
#include "picture/picture_box.h"
#include "picture/picture_chooser_window.h"
#include "picture/picture_settings.h"
#include "preview/preview_window.h"
#include "print/qt_print_target.h"
#include "print/run_checks.h"
#include "stock/printer_fit_dialog.h"
#include "stock/printer_fit_store.h"
#include "version.h"
#include "widgets/control_place.h"
#include "widgets/screen_twips.h"
#include "widgets/single_window.h"

namespace {

const ControlPlace& At(const char* name) { return PlaceOf(kMainWindowPlaces, name); }

QFont NewMing(double points) {
  QFont font(kNewMingFont);
  font.setPointSizeF(points);
  return font;
}

// A caption that does not fit its label at the label's font is drawn a little smaller, down to
// 6.5 points, rather than cut off: the positions are the template's, the fonts the system's.
void FitCaption(QLabel* label) {
  QFont font = label->font();
  const int room = label->width() - 1;
  while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  if (font != label->font()) label->setFont(font);
}

const QStringList& YesNo() {
  static const QStringList list{QStringLiteral("Yes"), QStringLiteral("No")};
  return list;
}

// Sets a control's text only when it differs, so the cursor of the field being typed in stays.
void SetText(QLineEdit* field, const QString& text) {
  if (field->text() != text) field->setText(text);
}

void SetText(QComboBox* box, const QString& text) {
  if (box->currentText() != text) box->setEditText(text);
}

void SetList(QComboBox* box, const QStringList& list) {
  QStringList current;
  for (int i = 0; i < box->count(); ++i) current << box->itemText(i);
  if (current == list) return;
  const QString text = box->currentText();
  box->clear();
  box->addItems(list);
  box->setEditText(text);
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Prompter> prompter, QWidget* parent)
    : QMainWindow(parent), prompter_(std::move(prompter)) {
  if (!prompter_) prompter_ = std::make_unique<QtPrompter>(this);
  setObjectName(QStringLiteral("Form1"));
  // Controls that name no font use 新細明體 9 points, the usual face of Traditional Chinese forms.
  setFont(NewMing(9));
  setWindowTitle(tr("Cratemark %1版").arg(QLatin1String(kCratemarkVersion)));
  // The controls stand in the client area below the menu bar, at their places in twips from its
  // top-left corner; the window is as big as the two together and cannot be resized.
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client_area"));
  client_->setFixedSize(Twips(kMainWindowClientWidth), Twips(kMainWindowClientHeight));
  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  CreateBlockArea();
  CreateTemplateArea();
  CreateHistoryAndPictureArea();
  CreateCommandButtons();
  for (QLabel* label : findChildren<QLabel*>()) {
    if (!label->wordWrap()) FitCaption(label);
  }
  SetTabOrder();
  ConnectCommands();
  CreateMenus();

  StartUp(model_);
  ShowModel();
  jobs_->TakeBaseline();
  LoadPrinterFitsAtStart();
}

MainWindow::~MainWindow() = default;

int MainWindow::Twips(int twips) { return ScreenTwips(twips); }

QLabel* MainWindow::AddLabel(const char* name, const QString& caption) {
  return Place(new QLabel(caption, client_), At(name));
}

QLineEdit* MainWindow::AddTextBox(const char* name, const QString& text, const QString& tooltip) {
  auto* field = Place(new QLineEdit(text, client_), At(name));
  field->setToolTip(tooltip);
  return field;
}

QComboBox* MainWindow::AddDropDown(const char* name, const QStringList& list, const QString& text) {
  auto* box = new QComboBox(client_);
  box->setEditable(true);
  // Typed text stays the box's text; it is never added to the list.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(list);
  box->setEditText(text);
  return Place(box, At(name));
}

QPushButton* MainWindow::AddButton(const char* name, const QString& caption,
                                   const QString& tooltip) {
  auto* button = Place(new QPushButton(caption, client_), At(name));
  button->setToolTip(tooltip);
  return button;
}

void MainWindow::CreateBlockArea() {
  const QFont caption_font = NewMing(11.25);
  AddLabel("Label1", tr("區段"))->setFont(caption_font);
  l_block_ = AddDropDown("l_block", {}, QStringLiteral("1"));
  AddLabel("Label2", tr("箱號編號: from"))->setFont(caption_font);
  l_start_ = AddTextBox("l_start", QStringLiteral("1"));
  AddLabel("Label3", QStringLiteral("to"));
  l_end_ = AddTextBox("l_end", QString());
  AddLabel("Label4", tr("尾數箱?"))->setFont(caption_font);
  l_last_ = AddDropDown("l_last", YesNo(), QStringLiteral("Yes"));

  AddLabel("Label8", tr("每墊板的箱數:"))->setFont(caption_font);
  l_pbox_ = AddTextBox("l_pbox", QString(), tr("請在此鍵入每塊P上所置的貨品箱數"));
  AddLabel("Label9", tr("箱/墊板"))->setFont(caption_font);
  AddLabel("Label10", tr("本區段墊板編號的起始數:"))->setFont(caption_font);
  l_p_start_text_ = AddTextBox("l_p_start_text", QStringLiteral("Text1"));
  AddLabel("Label11", tr("混打?"))->setFont(caption_font);
  p_mix_box_ = AddDropDown("p_mix_box", YesNo(), QStringLiteral("No"));
}

void MainWindow::CreateTemplateArea() {
  const QFont caption_font = NewMing(11.25);
  AddLabel("Label7", tr("對齊"))->setFont(caption_font);
  AddLabel("Label5", tr("行數"))->setFont(caption_font);
  AddLabel("Label6", tr("內容"))->setFont(caption_font);

  frame2_ = Place(new QGroupBox(QStringLiteral("C/NO"), client_), At("Frame2"));
  frame1_ = Place(new QGroupBox(QStringLiteral("P/NO."), client_), At("Frame1"));

  // The groups are exclusive; ShowChoices lifts that for a moment to turn every option off.
  carton_group_ = new QButtonGroup(this);
  pallet_group_ = new QButtonGroup(this);

  QFont ming(kMingFont);
  auto* row_text_validator = new RowTextValidator(this);
  ControlPlace narrow_carton_option = At("l_c");
  narrow_carton_option.width = kNarrowCartonOptionWidth;
  for (int i = 0; i < MainModel::kRows; ++i) {
    const QString number = QString::number(i + 1);

    l_array_[i] = Place(new AlignmentField(AlignmentWords(), client_), At("l_array"), i, i);
    l_array_[i]->setToolTip(tr("按上下鍵可以修改對齊方法"));

    l_line_[i] = Place(new QLabel(number, client_), At("l_line"), i, i);

    l_content_[i] = Place(new QLineEdit(client_), At("l_content"), i, i);
    l_content_[i]->setFont(ming);
    // Pasted line breaks become blanks in the field itself: a row is one line of the label.
    l_content_[i]->setValidator(row_text_validator);

    l_c_[i] = Place(new QRadioButton(number, frame2_),
                    NarrowCartonOption(i) ? narrow_carton_option : At("l_c"), i, i);
    l_c_[i]->setToolTip(tr("選此讓C/NO印在此行"));
    carton_group_->addButton(l_c_[i], i);

    // The pallet-number options count from 1.
    l_p_[i] = Place(new QRadioButton(number, frame1_), At("l_p"), i, i + 1);
    l_p_[i]->setToolTip(tr("選此讓P/NO印在此行"));
    pallet_group_->addButton(l_p_[i], i);
  }
}

void MainWindow::CreateHistoryAndPictureArea() {
  AddLabel("Label12", tr("前10筆資料,敬請享用..."));
  record_list_ = Place(new QListWidget(client_), At("record_list"));
  record_list_->setToolTip(
      tr("點此叫出前列印過的10筆之一的資料.此list中show出的格式為: 編號,第一行內容"));

  AddLabel("Label13", tr("插入圖型預覽"))->setFont(NewMing(11.25));
  picture1_ = Place(new PictureBox(client_), At("Picture1"));
  picture1_->set_width_twips(At("Picture1").width);
  picture1_->setToolTip(tr("預覽您已選擇好的圖案"));

  AddLabel("Label14", tr("離左邊界"));
  pic_d_left_ = AddTextBox("pic_d_left", QStringLiteral("1"),
                           tr("調整您想要列印的圖案是離一張標籤的左邊緣有多少距離(mm)"));
  AddLabel("Label17", QStringLiteral("mm"));
  AddLabel("Label15", tr("離上邊界"));
  pic_d_top_ = AddTextBox("pic_d_top", QStringLiteral("1"),
                          tr("調整您想要列印的圖案是離一張標籤的上邊緣有多少距離(mm)"));
  AddLabel("Label18", QStringLiteral("mm"));
  AddLabel("Label19", tr("調整尺吋(寬)"))->setWordWrap(true);
  pic_size_ = AddTextBox("pic_size", QString(),
                         tr("編輯此欄位可以讓您調整印出圖片的寬度,而其高度會照比例縮放"));
  AddLabel("Label20", QStringLiteral("mm"));
  AddLabel("Label16", tr("檔案路徑"))->setFont(NewMing(11.25));
  choose_pic_file_ = AddButton("choose_pic_file", tr("瀏覽"));
  choose_pic_file_->setFont(NewMing(9.75));
  pic_file_name_ =
      AddTextBox("pic_file_name", QString(),
                 tr("按左邊的\"瀏覽\"按鈕或直接輸入絕對路徑可以讓您選擇想要加在麥頭上面的圖案檔,"
                    "可以是bmp,jpg,gif,png格式"));
}

void MainWindow::CreateCommandButtons() {
  l_move_up_ = AddButton("l_move_up", tr("上移"), tr("全部的內容往上移一行"));
  l_move_down_ = AddButton("l_move_down", tr("下移"), tr("全部的內容往下移一行"));
  l_print_ = AddButton("l_print", tr("印吧"));
  l_print_->setFont(NewMing(27.75));
  add_block_ = AddButton("add_block", tr("新增區段"));
  add_block_->setFont(NewMing(11.25));
  l_remove_ = AddButton("l_remove", tr("移除本區段"), tr("按此刪除本區段資料"));
  l_remove_->setFont(NewMing(11.25));
  show_pre_ = AddButton("show_pre", tr("預覽"));
  show_pre_->setFont(NewMing(11.25));
  command1_ = AddButton("Command1", QStringLiteral("Refresh"));
  help_doc_ = AddButton("help_doc", tr("說明文件"));
  about_ = AddButton("About", QStringLiteral("About"));
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("檔案(&F)"));
  file->setObjectName(QStringLiteral("menu_file"));
  jobs_ = new JobController(this);
  jobs_->AddActions(file);
  file->addAction(tr("條碼設定(&B)…"), this, &MainWindow::OpenBarcodeSettings)
      ->setObjectName(QStringLiteral("action_barcode_settings"));
  QAction* preview = file->addAction(tr("列印預覽(&V)…"), this, &MainWindow::OpenRunPreview);
  preview->setObjectName(QStringLiteral("action_print_preview"));
  preview->setShortcut(QKeySequence::Print);
  QAction* fits = file->addAction(tr("印表機校正(&C)…"), this, &MainWindow::OpenPrinterFits);
  fits->setObjectName(QStringLiteral("action_printer_fit"));
  file->addSeparator();
  QAction* quit = file->addAction(tr("結束(&X)"), this, &QWidget::close);
  quit->setObjectName(QStringLiteral("action_quit"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* help = menuBar()->addMenu(tr("說明(&H)"));
  help->setObjectName(QStringLiteral("menu_help"));
  // The same commands as the buttons, so both behave alike.
  QAction* guide = help->addAction(tr("說明文件(&D)"), help_doc_, &QAbstractButton::click);
  guide->setObjectName(QStringLiteral("action_help"));
  guide->setShortcut(QKeySequence::HelpContents);
  QAction* about = help->addAction(tr("關於 Cratemark(&A)"), about_, &QAbstractButton::click);
  about->setObjectName(QStringLiteral("action_about"));
}

void MainWindow::SetTabOrder() {
  QList<QWidget*> order{l_block_, l_start_, l_end_, l_last_, l_pbox_};
  for (QLineEdit* content : l_content_) order << content;
  order << add_block_ << l_p_start_text_ << p_mix_box_;
  for (AlignmentField* array : l_array_) order << array;
  for (QRadioButton* option : l_c_) order << option;
  for (QRadioButton* option : l_p_) order << option;
  order << record_list_ << pic_d_left_ << pic_d_top_ << pic_size_ << choose_pic_file_
        << pic_file_name_ << l_move_up_ << l_move_down_ << l_print_ << l_remove_ << show_pre_
        << command1_ << help_doc_ << about_;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::ConnectCommands() {
  // Each subsystem connects its controls to its commands here, through RunCommand.
  ConnectTemplateCommands();
  ConnectBlockCommands();
  ConnectPicture();
  ConnectPreview();
  ConnectHistory();
  ConnectEditingKeys();
  ConnectAbout();
  ConnectPrint();
}

void MainWindow::ConnectTemplateCommands() {
  for (int row = 0; row < MainModel::kRows; ++row) {
    connect(l_c_[row], &QAbstractButton::clicked, this,
            [this, row] { RunCommand([this, row] { ChooseCartonRow(model_, row); }); });
    connect(l_p_[row], &QAbstractButton::clicked, this,
            [this, row] { RunCommand([this, row] { ChoosePalletRow(model_, row); }); });
  }
  connect(l_move_up_, &QAbstractButton::clicked, this,
          [this] { RunCommand([this] { MoveRowsUp(model_); }); });
  connect(l_move_down_, &QAbstractButton::clicked, this,
          [this] { RunCommand([this] { MoveRowsDown(model_); }); });
  connect(command1_, &QAbstractButton::clicked, this,
          [this] { RunCommand([this] { Refresh(model_, *prompter_); }); });
}

void MainWindow::ConnectBlockCommands() {
  // Only a pick from the list selects; typing into l_block does nothing by itself. After the pick
  // the box's text is the picked entry, which is what ReadControls hands to the command.
  connect(l_block_, &QComboBox::activated, this,
          [this] { RunCommand([this] { SelectBlock(model_, *prompter_); }); });
  connect(l_last_, &QComboBox::activated, this,
          [this] { RunCommand([this] { RebuildBlockList(model_); }); });
  connect(add_block_, &QAbstractButton::clicked, this,
          [this] { RunCommand([this] { AddBlock(model_, *prompter_); }); });
  connect(l_remove_, &QAbstractButton::clicked, this,
          [this] { RunCommand([this] { RemoveBlock(model_, *prompter_); }); });
}

void MainWindow::ConnectPicture() {
  connect(picture1_, &PictureBox::clicked, this, [this] {
    std::optional<Thumbnail> thumbnail;
    RunCommand([&] { thumbnail = PreviewPicture(model_, *prompter_, picture1_->width_twips()); });
    if (thumbnail) {
      picture1_->DrawThumbnail(*thumbnail);
      pic_size_->home(false);  // the narrow field shows the whole millimetres, not the last digits
    } else {
      picture1_->Clear();
    }
  });

  connect(choose_pic_file_, &QPushButton::clicked, this, [this] {
    form3_ = ShowSingle(form3_.data(), [this] {
      const auto accept = [this](const QString& path) {
        std::optional<Thumbnail> thumbnail;
        RunCommand(
            [&] { thumbnail = ChoosePicture(model_, *prompter_, path, picture1_->width_twips()); });
        if (!thumbnail) return false;
        picture1_->DrawThumbnail(*thumbnail);
        pic_size_->home(false);
        return true;
      };
      return new PictureChooserWindow(QDir::currentPath(), accept, this);
    });
  });
}

void MainWindow::RedrawThumbnail() {
  if (const auto thumbnail = LoadThumbnail(model_.pic_file_name, picture1_->width_twips())) {
    picture1_->DrawThumbnail(*thumbnail);
  } else {
    picture1_->Clear();
  }
}

void MainWindow::ConnectPreview() {
  connect(show_pre_, &QPushButton::clicked, this, [this] {
    show_preview_ = ShowSingle(show_preview_.data(), [this] {
      return new PreviewWindow(
          [this] {
            ReadControls();
            return PreviewLabel::Of(model_);
          },
          this);
    });
  });
}

void MainWindow::OpenRunPreview() {
  // The window is modal, so a second one cannot be asked for while one is open.
  if (run_preview_) return;
  bool checked = false;
  RunCommand([this, &checked] { checked = CheckRun(model_, *prompter_); });
  if (!checked) return;
  PreviewPrintServices services = preview_services_;
  // The preview is modal: the settings cannot change while it is open.
  if (!services.fit) {
    services.fit = [fits = printer_fits_](const PrintDestination& destination) {
      return fits.For(destination);
    };
  }
  if (!services.dialogs) services.dialogs = QtPrintDialogs();
  auto* preview = new RunPreviewWindow(model_, *prompter_, services, this);
  // The history record is the caller's to write, as for the print button; the job printed is the
  // template the window was opened with.
  connect(preview, &RunPreviewWindow::wholeRunPrinted, this,
          [this, preview] { StorePrintedTemplate(preview->job(), *prompter_); });
  run_preview_ = preview;
  preview->show();
}

void MainWindow::OpenBarcodeSettings() {
  BarcodeDialog dialog(model_.barcode, *prompter_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RunCommand([this, &dialog] { model_.barcode = dialog.settings(); });
}

void MainWindow::SetDocumentOpener(std::unique_ptr<DocumentOpener> opener) {
  document_opener_ = std::move(opener);
}

void MainWindow::ConnectAbout() {
  if (!document_opener_) document_opener_ = std::make_unique<DesktopDocumentOpener>();
  guide_viewer_ = std::make_unique<HelpWindowViewer>(this);
  connect(about_, &QPushButton::clicked, this, [this] { AboutBox::ShowFor(this); });
  connect(help_doc_, &QPushButton::clicked, this, [this] {
    RunCommand([this] {
      OpenHelpDocument(model_.work_dir, ProgramGuideFolders(QCoreApplication::applicationDirPath()),
                       HelpDocumentName(QLocale()), *document_opener_, *guide_viewer_, *prompter_);
    });
  });
}

void MainWindow::ConnectEditingKeys() {
  auto* keys = new ContentKeyFilter(this);
  for (int i = 0; i < MainModel::kRows; ++i) keys->Watch(l_content_[i], i);
  connect(keys, &ContentKeyFilter::EnterPressed, this,
          [this](int row) { RunCommand([this, row] { ContentEnter(model_, row); }); });
  connect(keys, &ContentKeyFilter::ArrowReleased, this, [this](int row, int key) {
    RunCommand([this, row, key] { ContentArrowReleased(model_, row, key); });
  });
}

void MainWindow::ConnectHistory() {
  // A click, not a change of the current row: clicking the item already chosen loads its file
  // again, which is how the user throws away edits made since the last recall.
  connect(record_list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QString text = item->text();
    RunCommand([this, text] { RecallHistory(model_, text, *prompter_); });
  });
}

void MainWindow::SetPrintDevices(PrintTarget* target, PrintFeedback* feedback) {
  print_target_ = target;
  print_feedback_ = feedback;
}

void MainWindow::ConnectPrint() {
  connect(l_print_, &QPushButton::clicked, this, [this] {
    RunCommand([this] {
      QtPrintTarget qt_target;
      QtPrintFeedback qt_feedback(this);
      const bool given = print_target_ && print_feedback_;
      PrintButton(model_, *prompter_, given ? *print_target_ : qt_target,
                  given ? *print_feedback_ : qt_feedback, printer_fits_);
    });
  });
}

void MainWindow::LoadPrinterFitsAtStart() {
  const PrinterFitStore store;
  const StoredPrinterFits stored = store.Load();
  printer_fits_ = stored.Fits();
  // Said once the window is up, over it.
  const QString warning = DamagedFitsMessage(stored, store.path());
  if (!warning.isEmpty()) {
    QTimer::singleShot(0, this, [this, warning] { prompter_->Message(warning); });
  }
}

void MainWindow::OpenPrinterFits() {
  QStringList queues;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) queues << QueueOf(name);
  queues.removeDuplicates();
  PrinterFitDialog dialog(PrinterFitStore(), *prompter_, queues,
                          QueueOf(QPrinterInfo::defaultPrinterName()), this);
  dialog.SetDialogs(QtPrintDialogs());
  dialog.exec();
  // Sets that could not be read were reported at start-up; they stay without a fit.
  printer_fits_ = PrinterFitStore().Load().Fits();
}

void MainWindow::RunCommand(const std::function<void()>& command) {
  ++running_commands_;
  ReadControls();
  command();
  ShowModel();
  --running_commands_;
  emit ModelShown();
}

void MainWindow::ReadControls() { ReadControlsInto(model_); }

MainModel MainWindow::ModelOnScreen() const {
  MainModel model = model_;
  ReadControlsInto(model);
  return model;
}

void MainWindow::StartSession(const QString& job_path) { jobs_->StartSession(job_path); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (jobs_->MayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

std::vector<MainWindow::TextBinding> MainWindow::TextBindings() const {
  // In the order they are shown; a box whose signals would report a shown text as a pick is quiet.
  return {
      {nullptr, l_block_, &MainModel::l_block, true},
      {l_start_, nullptr, &MainModel::l_start, false},
      {l_end_, nullptr, &MainModel::l_end, false},
      {nullptr, l_last_, &MainModel::l_last, true},
      {l_pbox_, nullptr, &MainModel::l_pbox, false},
      {l_p_start_text_, nullptr, &MainModel::l_p_start_text, false},
      {nullptr, p_mix_box_, &MainModel::p_mix_box, false},
      {pic_file_name_, nullptr, &MainModel::pic_file_name, false},
      {pic_size_, nullptr, &MainModel::pic_size, false},
      {pic_d_left_, nullptr, &MainModel::pic_d_left, false},
      {pic_d_top_, nullptr, &MainModel::pic_d_top, false},
  };
}

void MainWindow::ReadControlsInto(MainModel& model) const {
  for (int i = 0; i < MainModel::kRows; ++i) {
    model.l_content[i] = l_content_[i]->text();
    model.l_array[i] = l_array_[i]->text();
  }
  const auto checked_row = [](QButtonGroup* group) {
    return group->checkedId() >= 0 ? group->checkedId() : MainModel::kNoRow;
  };
  model.pallet_row = checked_row(pallet_group_);
  model.carton_row = checked_row(carton_group_);
  for (const TextBinding& binding : TextBindings()) {
    model.*binding.text = binding.field ? binding.field->text() : binding.box->currentText();
  }
}

void MainWindow::ShowModel() {
  for (int i = 0; i < MainModel::kRows; ++i) {
    SetText(l_content_[i], model_.l_content[i]);
    SetText(l_array_[i], model_.l_array[i]);
  }
  ShowChoices();

  {
    const QSignalBlocker block(l_block_);
    SetList(l_block_, model_.l_block_list);
  }
  for (const TextBinding& binding : TextBindings()) {
    const QString& text = model_.*binding.text;
    if (binding.field) {
      SetText(binding.field, text);
      continue;
    }
    const QSignalBlocker block(binding.quiet ? binding.box : nullptr);
    SetText(binding.box, text);
  }

  QStringList shown;
  for (int i = 0; i < record_list_->count(); ++i) shown << record_list_->item(i)->text();
  if (shown != model_.record_list) {
    const QSignalBlocker block(record_list_);
    record_list_->clear();
    record_list_->addItems(model_.record_list);
  }

  if (!model_.focus_request.isEmpty()) {
    if (auto* target = findChild<QWidget*>(model_.focus_request)) target->setFocus();
    model_.focus_request.clear();
  }
}

void MainWindow::ShowChoices() {
  const auto show = [](QButtonGroup* group, int row) {
    const QSignalBlocker block(group);
    if (row >= 0 && row < MainModel::kRows) {
      group->button(row)->setChecked(true);
    } else if (QAbstractButton* on = group->checkedButton()) {
      // An exclusive group keeps one button on; lift that for a moment to turn it off.
      group->setExclusive(false);
      on->setChecked(false);
      group->setExclusive(true);
    }
  };
  show(pallet_group_, model_.pallet_row);
  show(carton_group_, model_.carton_row);
}
