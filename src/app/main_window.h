#pragma once

// The main window "Form1": a menu bar over the client area, which holds the label template (16 rows
// of alignment, row number, content and the P/NO and C/NO choices), the block fields, the history
// list, the picture fields and the command buttons. It holds neither behaviour nor a job of its
// own: the job lives in a JobSession (job/job_session.h), whose model the controls show. Every edit
// of a field goes into the model as it is made, as a step of the job's undo history; a command
// runs on the model as a step of its own and the model is shown again (RunStep). The commands live
// in the widget-free folders: app/startup, blocks/, print/, history/, picture/, preview/, about/,
// stock/, job/; the menus and dialogs of the job (檔案, 編輯) are bound by JobController
// (app/job_controller), the rows' sizes by RowSizeControls (app/row_size_controls).

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/main_model.h"
#include "model/prompter.h"
#include "preview/run_preview_window.h"
#include "print/printer_fits.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class AlignmentField;
class PictureBox;
class PictureChooserWindow;
class PreviewWindow;
class RunPreviewWindow;
class RowSizeControls;
class DocumentOpener;
class GuideViewer;
class JobController;
class JobSession;
class PrintFeedback;
class PrintTarget;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `prompter` answers the message boxes; the window's own Qt message boxes when null.
  explicit MainWindow(std::unique_ptr<Prompter> prompter = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The job's model, which the session owns.
  MainModel& model();
  JobSession& session() { return *session_; }
  // The client area below the menu bar, which holds every control.
  QWidget* client_area() const { return client_; }
  Prompter& prompter() { return *prompter_; }

  // Runs `command` on the model as the undo step `name` (see JobSession::Change) with the
  // controls' texts in the model, and shows the model again.
  void RunStep(const QString& name, const std::function<void()>& command, const QString& run = {});
  // The same without an undo step, for commands that leave the job as 儲存工作 writes it: the
  // print run, the checks, the help.
  void RunCommand(const std::function<void()>& command);
  // True while a command runs: the model and the controls may disagree until it is shown.
  bool RunningCommand() const;

  // Control texts → model, and model → controls.
  void ReadControls();
  void ShowModel();
  // A copy of the model with the texts of the controls in it; the model itself stays.
  MainModel ModelOnScreen() const;

  // Draws the picture of pic_file_name in the thumbnail box, or empties the box when it cannot be
  // loaded, without a word and without touching pic_size: a job has been put on screen.
  void RedrawThumbnail();

  JobController& jobs() { return *jobs_; }
  // Says what was wrong with the settings files, offers a job left by a program that did not end
  // cleanly, then opens `job_path` when given: one message box after the other.
  void StartSession(const QString& job_path);

  // Twips → pixels at the screen's logical DPI (1440 twips an inch).
  static int Twips(int twips);

  // What help_doc opens the user guide with; the desktop's application for text files unless
  // replaced. When it fails, the guide shows in the program's own help window.
  void SetDocumentOpener(std::unique_ptr<DocumentOpener> opener);

  // Where l_print's runs go: the default printer or a PDF file with the program's dialogs, unless
  // both are given here (the caller keeps them alive while the window lives).
  void SetPrintDevices(PrintTarget* target, PrintFeedback* feedback);

  // The printers' fits to their stock that the print button applies.
  const PrinterFits& printer_fits() const { return printer_fits_; }

  // 檔案 → 列印預覽…: the print checks, then the whole-run preview of the job as it stands. Nothing
  // opens when a check fails.
  void OpenRunPreview();
  // 檔案 → 條碼設定…: the barcode settings dialog; OK puts its settings into the job.
  void OpenBarcodeSettings();
  // The whole-run preview while it is open.
  RunPreviewWindow* run_preview() const { return run_preview_; }
  // Where the preview's prints go (tests; a printer's fit to its stock); the print system unless
  // replaced.
  void SetPreviewPrintServices(PreviewPrintServices services) {
    preview_services_ = std::move(services);
  }

 signals:
  // A command has run, or a step was undone or redone, and the model is shown in the controls.
  void ModelShown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ReadControlsInto(MainModel& model) const;

  void CreateTemplateArea();
  void CreateBlockArea();
  void CreateHistoryAndPictureArea();
  void CreateCommandButtons();
  void CreateMenus();
  void SetTabOrder();
  void ConnectCommands();
  void ConnectTemplateCommands();
  void ConnectBlockCommands();
  void ConnectPicture();
  void ConnectPreview();
  void ConnectHistory();
  void ConnectEditingKeys();
  void ConnectEdits();
  // An edit of a field made by the user: `set` puts it into the model as a step of the run `run`.
  void Edit(const QString& name, const QString& run, const std::function<void(MainModel&)>& set);
  // The session changed the model by itself (undo, redo, a job opened).
  void SessionChanged(bool picture_changed);
  void ConnectAbout();
  void ConnectPrint();
  void LoadPrinterFitsAtStart();
  void SayStartMessages();
  void OpenPrinterFits();
  void ShowChoices();

  // Controls of the client area, at their places in the window's table of places.
  QLabel* AddLabel(const char* name, const QString& caption);
  QLineEdit* AddTextBox(const char* name, const QString& text, const QString& tooltip = {});
  QComboBox* AddDropDown(const char* name, const QStringList& list, const QString& text);
  QPushButton* AddButton(const char* name, const QString& caption, const QString& tooltip = {});

  // A text of the model and the field or box that shows it. A quiet box's signals are held while
  // a text is shown in it, so that showing is never taken for the user's pick. `step` names the
  // undo step of an edit in it (nothing for l_block, whose text only says which block to pick).
  struct TextBinding {
    QLineEdit* field;
    QComboBox* box;
    QString MainModel::*text;
    bool quiet;
    const char* step;
  };
  // The block fields and the picture fields, in the order they are shown.
  std::vector<TextBinding> TextBindings() const;

  std::unique_ptr<Prompter> prompter_;
  // After the prompter, which it answers through, so that it goes first.
  std::unique_ptr<JobSession> session_;
  JobController* jobs_ = nullptr;
  RowSizeControls* row_sizes_ = nullptr;
  // While the model is being shown, the controls' change signals are not the user's edits.
  bool showing_ = false;

  // The client area: every control of the window stands in it.
  QWidget* client_ = nullptr;

  std::array<AlignmentField*, MainModel::kRows> l_array_{};
  std::array<QLabel*, MainModel::kRows> l_line_{};
  std::array<QLineEdit*, MainModel::kRows> l_content_{};
  std::array<QRadioButton*, MainModel::kRows> l_c_{};
  std::array<QRadioButton*, MainModel::kRows> l_p_{};  // l_p(k) is l_p_[k - 1]
  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QButtonGroup* pallet_group_ = nullptr;
  QButtonGroup* carton_group_ = nullptr;

  QComboBox* l_block_ = nullptr;
  QLineEdit* l_start_ = nullptr;
  QLineEdit* l_end_ = nullptr;
  QComboBox* l_last_ = nullptr;
  QLineEdit* l_pbox_ = nullptr;
  QLineEdit* l_p_start_text_ = nullptr;
  QComboBox* p_mix_box_ = nullptr;

  QListWidget* record_list_ = nullptr;
  PictureBox* picture1_ = nullptr;
  QLineEdit* pic_d_left_ = nullptr;
  QLineEdit* pic_d_top_ = nullptr;
  QLineEdit* pic_size_ = nullptr;
  QLineEdit* pic_file_name_ = nullptr;
  QPushButton* choose_pic_file_ = nullptr;

  QPushButton* l_move_up_ = nullptr;
  QPushButton* l_move_down_ = nullptr;
  QPushButton* l_print_ = nullptr;
  QPushButton* add_block_ = nullptr;
  QPushButton* l_remove_ = nullptr;
  QPushButton* show_pre_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* help_doc_ = nullptr;
  QPushButton* about_ = nullptr;

  // The secondary windows, one of each while open; they delete themselves when closed.
  QPointer<PictureChooserWindow> form3_;
  QPointer<PreviewWindow> show_preview_;
  // Declared before the opener, which may still call on it while it lives.
  std::unique_ptr<GuideViewer> guide_viewer_;
  QPointer<RunPreviewWindow> run_preview_;
  PreviewPrintServices preview_services_;
  std::unique_ptr<DocumentOpener> document_opener_;
  PrintTarget* print_target_ = nullptr;
  PrintFeedback* print_feedback_ = nullptr;
  PrinterFits printer_fits_;
  QStringList start_messages_;  // about the settings files, not said yet
};
