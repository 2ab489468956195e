#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "print/picture_file.h"

struct MainModel;
class Prompter;

// The label picture as the main window handles it: the thumbnail in the picture box and the
// pic_size text that the chosen picture suggests.

// The one message for every way a picture can fail to show in the thumbnail: the user gets no
// cause, only the hint to look at the path and the file.
QString PictureFailedMessage();

// The pic_size text for a picture of `natural_width` hundredths of a millimetre: the width in
// millimetres at which it prints at its natural size in twips (2646 → "45.9375").
QString PicSizeText(int natural_width);

// The thumbnail: the picture drawn at the box's top-left corner, `width` × `height` twips.
struct Thumbnail {
  Picture picture;
  int16_t width = 0;
  int16_t height = 0;
};

// The picture at the box's width with its own proportions. Nothing when the picture has no width
// or its height or the box width does not fit the 16-bit twip values the box works with.
std::optional<Thumbnail> FitThumbnail(const Picture& picture, double box_width_twips);

// Loads `path` and fits it into the box; nothing for an empty path, a missing file or a file that
// is no picture.
std::optional<Thumbnail> LoadThumbnail(const QString& path, double box_width_twips);

// A click on the thumbnail box: the picture of pic_file_name at the box's width, and pic_size set
// from its natural width. When it cannot be shown the message goes out, the model is left as it
// was and nothing is returned; the caller clears the box.
std::optional<Thumbnail> PreviewPicture(MainModel& model, Prompter& prompter,
                                        double box_width_twips);

// Confirming the picture chooser with `path`: on success pic_file_name becomes the path and
// pic_size follows the picture. A path that cannot be shown gets the message and changes nothing,
// so a typing slip in the chooser never replaces a good picture setting.
std::optional<Thumbnail> ChoosePicture(MainModel& model, Prompter& prompter, const QString& path,
                                       double box_width_twips);
