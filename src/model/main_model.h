#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "model/block_table.h"
#include "model/label_barcode.h"
#include "model/row_size.h"

// The main window's state as plain data: the texts of its fields, the row choices, the lists of
// its combo boxes and list box, the program-wide variables and the block table. Every command is a
// function on this model; the window copies its controls into it before a command and shows it
// afterwards. Field names are the controls' names.
struct MainModel {
  static constexpr int kRows = 16;  // template rows 0..15
  static constexpr int kNoRow = -1;

  // The label template, row i as shown to the user as i+1.
  std::array<QString, kRows> l_content{};
  std::array<QString, kRows> l_array{};
  // Each row's size (行的字型), chosen from the 編輯 menu or the content box's context menu.
  std::array<RowSize, kRows> l_size{};
  // The row whose pallet-number option l_p(row+1) is on, and the row whose carton-number option
  // l_c(row) is on; kNoRow when none is.
  int pallet_row = kNoRow;
  int carton_row = kNoRow;

  // Block area.
  QString l_block = QStringLiteral("1");
  QStringList l_block_list;
  QString l_start = QStringLiteral("1");
  QString l_end;
  QString l_last = QStringLiteral("Yes");
  QString l_pbox;
  QString l_p_start_text = QStringLiteral("Text1");
  QString p_mix_box = QStringLiteral("No");

  // History list and picture settings.
  QStringList record_list;
  QString pic_file_name;
  QString pic_size;
  QString pic_d_left = QStringLiteral("1");
  QString pic_d_top = QStringLiteral("1");
  // The symbol on every label, a job setting like the picture fields (條碼設定…): the refresh
  // command leaves it alone, 開新工作 puts it back to none.
  BarcodeSettings barcode;

  // Program-wide state; the start-up sequence gives them their start values.
  int16_t max_line = 0;
  int16_t line_width = 0;
  int16_t label_gap = 0;
  int16_t page_rows_per_page = 0;
  int32_t block_count = 0;
  int32_t current_block = 0;
  int16_t remainder_edited = 0;
  QString record_prefix;

  BlockTable blocks;

  // The folder of the history files; the working directory unless a test says otherwise.
  QString work_dir = QStringLiteral(".");

  // The objectName of the control that should take the input focus after a command (empty: leave
  // the focus where it is). The window moves the focus and clears it.
  QString focus_request;

  bool operator==(const MainModel&) const = default;
};

// The alignment words, in the order the alignment fields step through them.
inline const QStringList& AlignmentWords() {
  static const QStringList words{QStringLiteral("置中"), QStringLiteral("靠左"),
                                 QStringLiteral("靠右")};
  return words;
}

// The entry of l_block for the remainder carton.
inline const QString kRemainderEntry = QStringLiteral("尾數箱");
