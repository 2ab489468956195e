#pragma once

// The main window's client area as the template lays it out: its size and the place of every
// control, in twips. MainWindow puts its controls at these places (widgets/control_place.h).

#include "widgets/control_place.h"

inline constexpr int kMainWindowClientWidth = 11235;
inline constexpr int kMainWindowClientHeight = 6450;
inline constexpr int kTemplateRowStep = 240;  // from one template row to the next

// Where every control stands, in twips from the top-left corner of the client area; the options
// l_c and l_p from that of their frames. The template rows stand one below the other from row 0.
inline constexpr ControlPlace kMainWindowPlaces[] = {
    // The block area.
    {"Label1", 120, 0, 495, 255},
    {"l_block", 720, 0, 975, 300},
    {"Label2", 2040, 0, 1455, 255},
    {"l_start", 3480, 0, 615, 270},
    {"Label3", 4200, 0, 135, 255},
    {"l_end", 4440, 0, 615, 270},
    {"Label4", 6600, 0, 855, 255},
    {"l_last", 7440, 0, 735, 300},
    {"Label8", 120, 480, 1575, 255},
    {"l_pbox", 1680, 480, 615, 270},
    {"Label9", 2400, 480, 735, 255},
    {"Label10", 3480, 480, 2655, 255},
    {"l_p_start_text", 6120, 480, 615, 270},
    {"Label11", 6960, 480, 615, 255},
    {"p_mix_box", 7560, 480, 735, 300},
    // The template.
    {"Label7", 0, 840, 495, 255},
    {"Label5", 840, 840, 495, 255},
    {"Label6", 1560, 840, 495, 255},
    {"Frame2", 6480, 915, 735, 4215},
    {"Frame1", 7200, 915, 735, 4215},
    {"l_array", 0, 1200, 615, 300, kTemplateRowStep},
    {"l_line", 840, 1200, 495, 255, kTemplateRowStep},
    {"l_content", 1560, 1200, 4815, 270, kTemplateRowStep},
    {"l_c", 120, 270, 495, 255, kTemplateRowStep},
    {"l_p", 120, 270, 495, 255, kTemplateRowStep},
    // The history list and the picture.
    {"Label12", 8040, 840, 2415, 255},
    {"record_list", 8040, 1080, 2415, 2220},
    {"Label13", 8040, 3480, 1455, 255},
    {"Picture1", 8040, 3720, 1455, 1095},
    {"Label14", 9600, 3840, 735, 255},
    {"pic_d_left", 10320, 3840, 615, 270},
    {"Label17", 10920, 3840, 255, 255},
    {"Label15", 9600, 4200, 735, 255},
    {"pic_d_top", 10320, 4200, 615, 270},
    {"Label18", 10920, 4200, 255, 255},
    {"Label19", 9600, 4560, 735, 375},
    {"pic_size", 10320, 4560, 615, 270},
    {"Label20", 10920, 4560, 375, 255},
    {"Label16", 8040, 4920, 1095, 255},
    {"choose_pic_file", 7920, 5160, 735, 270},
    {"pic_file_name", 8640, 5160, 2415, 270},
    // The command buttons.
    {"l_move_up", 1560, 5160, 615, 375},
    {"l_move_down", 2280, 5160, 615, 375},
    {"l_print", 3360, 5400, 1935, 975},
    {"add_block", 480, 6000, 1215, 375},
    {"l_remove", 1920, 6000, 1335, 375},
    {"show_pre", 5520, 6000, 855, 375},
    {"Command1", 6600, 6000, 735, 375},
    {"help_doc", 9120, 6000, 1095, 375},
    {"About", 10440, 6000, 615, 375},
};

// The carton-number options of these rows are narrower, as the template has them.
inline constexpr int kNarrowCartonOptionWidth = 375;
constexpr bool NarrowCartonOption(int row) {
  return row == 1 || row == 2 || row == 3 || row == 6 || row == 8;
}
