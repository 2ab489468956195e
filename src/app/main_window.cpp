#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <utility>

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
#include "app/row_size_controls.h"
#include "app/row_text_validator.h"
#include "app/template_commands.h"
#include "blocks/block_commands.h"
#include "history/history_writer.h"
#include "history/recall.h"
#include "job/job_session.h"
#include "job/user_settings.h"
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
#include "widgets/window_placement.h"

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

// The keys typed into row `row` are one run of steps, and so is the row's alignment.
QString RowRun(int row) { return QStringLiteral("l_content(%1)").arg(row); }
QString RowStepName(int row) { return MainWindow::tr("輸入 第 %1 行").arg(row + 1); }

// 復原 and 重做 are the 編輯 menu's in every field of the window. A field's own undo would take
// back keys that the job's history already holds as a step, and would be taken as an edit again.
class UndoKeysToMenu : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
          key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        // Not taken here: the menu's shortcut gets it.
        event->ignore();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Prompter> prompter, QWidget* parent)
    : QMainWindow(parent), prompter_(std::move(prompter)) {
  if (!prompter_) prompter_ = std::make_unique<QtPrompter>(this);
  // The session starts with a new job: the start-up sequence's state.
  session_ = std::make_unique<JobSession>(*prompter_);
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
  ConnectEdits();
  // Before the menus, whose recent jobs come from the settings file.
  if (const QString problem = CheckUserSettings(); !problem.isEmpty()) start_messages_ << problem;
  CreateMenus();

  ShowModel();
  setWindowTitle(session_->Title());
  LoadPrinterFitsAtStart();
  // Said by StartSession before its questions; a window whose session is not started says them
  // once it is up.
  if (!start_messages_.isEmpty()) QTimer::singleShot(0, this, &MainWindow::SayStartMessages);
}

MainWindow::~MainWindow() {
  // The menus go before the session whose steps they name.
  delete jobs_;
}

MainModel& MainWindow::model() { return session_->model(); }

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
  row_sizes_ = new RowSizeControls(this, l_content_);
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
  jobs_ = new JobController(*session_, this);
  jobs_->AddFileActions(file);
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

  QMenu* edit = menuBar()->addMenu(tr("編輯(&E)"));
  edit->setObjectName(QStringLiteral("menu_edit"));
  jobs_->AddEditActions(edit);
  row_sizes_->AddEditAction(edit);

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
    connect(l_c_[row], &QAbstractButton::clicked, this, [this, row] {
      RunStep(tr("C/NO. 第 %1 行").arg(row + 1), [this, row] { ChooseCartonRow(model(), row); });
    });
    connect(l_p_[row], &QAbstractButton::clicked, this, [this, row] {
      RunStep(tr("P/NO. 第 %1 行").arg(row + 1), [this, row] { ChoosePalletRow(model(), row); });
    });
  }
  connect(l_move_up_, &QAbstractButton::clicked, this,
          [this] { RunStep(tr("全部上移"), [this] { MoveRowsUp(model()); }); });
  connect(l_move_down_, &QAbstractButton::clicked, this,
          [this] { RunStep(tr("全部下移"), [this] { MoveRowsDown(model()); }); });
  connect(command1_, &QAbstractButton::clicked, this,
          [this] { RunStep(QStringLiteral("Refresh"), [this] { Refresh(model(), *prompter_); }); });
}

void MainWindow::ConnectBlockCommands() {
  // Only a pick from the list selects; typing into l_block does nothing by itself. After the pick
  // the box's text is the picked entry, which is what ReadControls hands to the command.
  connect(l_block_, &QComboBox::activated, this, [this] {
    RunStep(tr("選擇區段 %1").arg(l_block_->currentText()),
            [this] { SelectBlock(model(), *prompter_); });
  });
  // A pick from the list is one step with the text typed into the box just before it.
  connect(l_last_, &QComboBox::activated, this, [this] {
    RunStep(
        tr("尾數箱? %1").arg(l_last_->currentText()), [this] { RebuildBlockList(model()); },
        QStringLiteral("l_last"));
  });
  connect(add_block_, &QAbstractButton::clicked, this, [this] {
    RunStep(tr("新增區段 %1").arg(model().block_count + 1),
            [this] { AddBlock(model(), *prompter_); });
  });
  connect(l_remove_, &QAbstractButton::clicked, this, [this] {
    RunStep(tr("移除區段 %1").arg(model().current_block),
            [this] { RemoveBlock(model(), *prompter_); });
  });
}

void MainWindow::ConnectPicture() {
  connect(picture1_, &PictureBox::clicked, this, [this] {
    std::optional<Thumbnail> thumbnail;
    RunStep(tr("圖片預覽"),
            [&] { thumbnail = PreviewPicture(model(), *prompter_, picture1_->width_twips()); });
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
        RunStep(tr("選擇圖檔"), [&] {
          thumbnail = ChoosePicture(model(), *prompter_, path, picture1_->width_twips());
        });
        if (!thumbnail) return false;
        picture1_->DrawThumbnail(*thumbnail);
        pic_size_->home(false);
        return true;
      };
      auto* chooser = new PictureChooserWindow(QDir::currentPath(), accept, this);
      PlaceBeside(chooser, this);
      return chooser;
    });
  });
}

void MainWindow::RedrawThumbnail() {
  if (const auto thumbnail = LoadThumbnail(model().pic_file_name, picture1_->width_twips())) {
    picture1_->DrawThumbnail(*thumbnail);
  } else {
    picture1_->Clear();
  }
}

void MainWindow::ConnectPreview() {
  connect(show_pre_, &QPushButton::clicked, this, [this] {
    show_preview_ = ShowSingle(show_preview_.data(), [this] {
      auto* preview = new PreviewWindow(
          [this] {
            ReadControls();
            return PreviewLabel::Of(model());
          },
          this);
      PlaceBeside(preview, this);
      return preview;
    });
  });
}

void MainWindow::OpenRunPreview() {
  // The window is modal, so a second one cannot be asked for while one is open.
  if (run_preview_) return;
  bool checked = false;
  RunCommand([this, &checked] { checked = CheckRun(model(), *prompter_); });
  if (!checked) return;
  PreviewPrintServices services = preview_services_;
  // The preview is modal: the settings cannot change while it is open.
  if (!services.fit) {
    services.fit = [fits = printer_fits_](const PrintDestination& destination) {
      return fits.For(destination);
    };
  }
  if (!services.dialogs) services.dialogs = QtPrintDialogs(session_->SuggestedFileName());
  auto* preview = new RunPreviewWindow(model(), *prompter_, services, this);
  // The history record is the caller's to write, as for the print button; the job printed is the
  // template the window was opened with.
  connect(preview, &RunPreviewWindow::wholeRunPrinted, this,
          [this, preview] { StorePrintedTemplate(preview->job(), *prompter_); });
  run_preview_ = preview;
  preview->show();
}

void MainWindow::OpenBarcodeSettings() {
  BarcodeDialog dialog(model().barcode, *prompter_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RunStep(tr("條碼設定"), [this, &dialog] { model().barcode = dialog.settings(); });
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
      OpenHelpDocument(model().work_dir,
                       ProgramGuideFolders(QCoreApplication::applicationDirPath()),
                       HelpDocumentName(QLocale()), *document_opener_, *guide_viewer_, *prompter_);
    });
  });
}

void MainWindow::ConnectEdits() {
  // Every edit goes into the job as it is made: a run of keys in one field is one step.
  for (int row = 0; row < MainModel::kRows; ++row) {
    connect(l_content_[row], &QLineEdit::textChanged, this, [this, row](const QString& text) {
      Edit(RowStepName(row), RowRun(row), [row, text](MainModel& m) { m.l_content[row] = text; });
    });
    connect(l_array_[row], &QLineEdit::textChanged, this, [this, row](const QString& text) {
      Edit(tr("對齊 第 %1 行").arg(row + 1), QStringLiteral("l_array(%1)").arg(row),
           [row, text](MainModel& m) { m.l_array[row] = text; });
    });
  }
  for (const TextBinding& binding : TextBindings()) {
    if (!binding.step) continue;
    const QString name = tr(binding.step);
    const QString run = binding.field ? binding.field->objectName() : binding.box->objectName();
    const auto set = [this, name, run, text = binding.text](const QString& value) {
      Edit(name, run, [text, value](MainModel& m) { m.*text = value; });
    };
    if (binding.field) {
      connect(binding.field, &QLineEdit::textChanged, this, set);
      continue;
    }
    // A box's text typed or picked from its list; l_last's pick then runs its command, which
    // joins this step.
    connect(binding.box, &QComboBox::editTextChanged, this, set);
  }
  // A field left ends its run of keys.
  connect(qApp, &QApplication::focusChanged, session_.get(), [this] { session_->EndRun(); });
  connect(session_.get(), &JobSession::ModelChanged, this, &MainWindow::SessionChanged);

  auto* undo_keys = new UndoKeysToMenu(this);
  for (QLineEdit* field : client_->findChildren<QLineEdit*>()) field->installEventFilter(undo_keys);
}

void MainWindow::ConnectEditingKeys() {
  auto* keys = new ContentKeyFilter(this);
  for (int i = 0; i < MainModel::kRows; ++i) keys->Watch(l_content_[i], i);
  connect(keys, &ContentKeyFilter::EnterPressed, this, [this](int row) {
    QLineEdit* box = l_content_[row];
    const QString typed = box->text();
    // An abbreviation Enter expands is part of the typing in its row.
    RunStep(
        RowStepName(row), [this, row] { ContentEnter(model(), row); }, RowRun(row));
    // The figures of a line with a head and a tail go between the two.
    if (box->text() != typed) box->setCursorPosition(QuickEntryCursor(box->text()));
  });
  connect(keys, &ContentKeyFilter::ArrowReleased, this, [this](int row, int key) {
    RunCommand([this, row, key] { ContentArrowReleased(model(), row, key); });
  });
}

void MainWindow::ConnectHistory() {
  // A click, not a change of the current row: clicking the item already chosen loads its file
  // again, which is how the user throws away edits made since the last recall.
  connect(record_list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QString text = item->text();
    RunStep(tr("叫出紀錄 %1").arg(text.left(2)),
            [this, text] { RecallHistory(model(), text, *prompter_); });
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
      QtPrintFeedback qt_feedback(this, session_->SuggestedFileName());
      const bool given = print_target_ && print_feedback_;
      PrintButton(model(), *prompter_, given ? *print_target_ : qt_target,
                  given ? *print_feedback_ : qt_feedback, printer_fits_);
    });
  });
}

void MainWindow::LoadPrinterFitsAtStart() {
  const PrinterFitStore store;
  const StoredPrinterFits stored = store.Load();
  printer_fits_ = stored.Fits();
  const QString warning = DamagedFitsMessage(stored, store.path());
  if (!warning.isEmpty()) start_messages_ << warning;
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

void MainWindow::RunStep(const QString& name, const std::function<void()>& command,
                         const QString& run) {
  session_->Change(
      name,
      [&](MainModel&) {
        ReadControls();
        command();
      },
      run);
  ShowModel();
  emit ModelShown();
}

void MainWindow::RunCommand(const std::function<void()>& command) {
  session_->Use([&](MainModel&) {
    ReadControls();
    command();
  });
  ShowModel();
  emit ModelShown();
}

bool MainWindow::RunningCommand() const { return session_->busy(); }

void MainWindow::Edit(const QString& name, const QString& run,
                      const std::function<void(MainModel&)>& set) {
  if (showing_) return;
  session_->Change(name, set, run);
}

void MainWindow::SessionChanged(bool picture_changed) {
  ShowModel();
  // The thumbnail shows the job's picture, as it did when the job was opened.
  if (picture_changed) RedrawThumbnail();
  emit ModelShown();
}

void MainWindow::ReadControls() { ReadControlsInto(model()); }

MainModel MainWindow::ModelOnScreen() const {
  MainModel model = session_->model();
  ReadControlsInto(model);
  return model;
}

void MainWindow::StartSession(const QString& job_path) {
  // Before the questions about the job rather than on top of them.
  SayStartMessages();
  session_->Start(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), job_path);
}

void MainWindow::SayStartMessages() {
  for (const QString& message : std::exchange(start_messages_, {})) prompter_->Message(message);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (session_->MayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

std::vector<MainWindow::TextBinding> MainWindow::TextBindings() const {
  // In the order they are shown; a box whose signals would report a shown text as a pick is quiet.
  return {
      {nullptr, l_block_, &MainModel::l_block, true, nullptr},
      {l_start_, nullptr, &MainModel::l_start, false, QT_TR_NOOP("輸入 箱號 from")},
      {l_end_, nullptr, &MainModel::l_end, false, QT_TR_NOOP("輸入 箱號 to")},
      {nullptr, l_last_, &MainModel::l_last, true, QT_TR_NOOP("輸入 尾數箱?")},
      {l_pbox_, nullptr, &MainModel::l_pbox, false, QT_TR_NOOP("輸入 每墊板的箱數")},
      {l_p_start_text_, nullptr, &MainModel::l_p_start_text, false,
       QT_TR_NOOP("輸入 墊板編號的起始數")},
      {nullptr, p_mix_box_, &MainModel::p_mix_box, false, QT_TR_NOOP("輸入 混打?")},
      {pic_file_name_, nullptr, &MainModel::pic_file_name, false, QT_TR_NOOP("輸入 檔案路徑")},
      {pic_size_, nullptr, &MainModel::pic_size, false, QT_TR_NOOP("輸入 圖片寬度")},
      {pic_d_left_, nullptr, &MainModel::pic_d_left, false, QT_TR_NOOP("輸入 離左邊界")},
      {pic_d_top_, nullptr, &MainModel::pic_d_top, false, QT_TR_NOOP("輸入 離上邊界")},
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
  const QScopedValueRollback<bool> showing(showing_, true);
  for (int i = 0; i < MainModel::kRows; ++i) {
    SetText(l_content_[i], model().l_content[i]);
    SetText(l_array_[i], model().l_array[i]);
  }
  row_sizes_->Show(model());
  ShowChoices();

  {
    const QSignalBlocker block(l_block_);
    SetList(l_block_, model().l_block_list);
  }
  for (const TextBinding& binding : TextBindings()) {
    const QString& text = model().*binding.text;
    if (binding.field) {
      SetText(binding.field, text);
      continue;
    }
    const QSignalBlocker block(binding.quiet ? binding.box : nullptr);
    SetText(binding.box, text);
  }

  QStringList shown;
  for (int i = 0; i < record_list_->count(); ++i) shown << record_list_->item(i)->text();
  if (shown != model().record_list) {
    const QSignalBlocker block(record_list_);
    record_list_->clear();
    record_list_->addItems(model().record_list);
  }

  if (!model().focus_request.isEmpty()) {
    if (auto* target = findChild<QWidget*>(model().focus_request)) target->setFocus();
    model().focus_request.clear();
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
  show(pallet_group_, model().pallet_row);
  show(carton_group_, model().carton_row);
}
