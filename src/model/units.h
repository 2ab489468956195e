#pragma once

#include <QtGlobal>

// The program's units, named once. Positions on every surface and every window are twips,
// 1/1440 inch; the label grid's columns and lines are in model/label_grid.h, and lengths of the two
// millimetres are typed in model/lengths.h. What the user types in millimetres becomes twips by
// 57.6, a rounded factor the printed labels have always used; a picture's natural size is its
// pixels at 96 an inch in hundredths of a millimetre.

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMetresPerInch = 0.0254;

// Millimetres typed by the user become twips by this rounded factor (not 1440/25.4 = 56.69); the
// printed label, the preview, the pic_size proposal and the barcode's place all use it.
inline constexpr double kTwipsPerMm = 57.6;
// Physical millimetres on the paper, as a ruler reads them: for what has to measure true there (the
// printers' offsets and the label stock, a barcode's modules).
inline constexpr double kTwipsPerPaperMm = kTwipsPerInch / kMmPerInch;

// A picture's natural size: 2540/96 hundredths of a millimetre a pixel.
inline constexpr double kHundredthsMmPerInch = 2540.0;
inline constexpr double kNaturalPixelsPerInch = 96.0;

// Twips and the pixels of a device with `dpi` dots an inch.
constexpr double TwipsToPixels(double twips, double dpi) { return twips * dpi / kTwipsPerInch; }
constexpr double PixelsToTwips(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

// Dots a metre, as a QImage keeps its resolution, for `dpi` dots an inch.
inline int DotsPerMetre(double dpi) { return qRound(dpi / kMetresPerInch); }
