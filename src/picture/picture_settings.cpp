#include "picture/picture_settings.h"

#include <QCoreApplication>

#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"

namespace {

bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

}  // namespace

QString PictureFailedMessage() {
  return QCoreApplication::translate("PictureSettings", "找不到您所指定的圖檔或格式不對了!");
}

QString PicSizeText(int natural_width) {
  return QString::number(natural_width / kTwipsPerMm, 'g', 15);
}

std::optional<Thumbnail> FitThumbnail(const Picture& picture, double box_width_twips) {
  if (picture.IsEmpty() || picture.width == 0) return std::nullopt;
  const std::optional<int16_t> w = RoundToInt16(box_width_twips);
  if (!w) return std::nullopt;
  const double h = Fix(double(*w) / picture.width * picture.height);
  if (!FitsInt16(h)) return std::nullopt;
  return Thumbnail{picture, *w, int16_t(h)};
}

std::optional<Thumbnail> LoadThumbnail(const QString& path, double box_width_twips) {
  const std::optional<Picture> picture = LoadPicture(path);
  if (!picture) return std::nullopt;
  return FitThumbnail(*picture, box_width_twips);
}

std::optional<Thumbnail> PreviewPicture(MainModel& model, Prompter& prompter,
                                        double box_width_twips) {
  std::optional<Thumbnail> thumbnail = LoadThumbnail(model.pic_file_name, box_width_twips);
  if (!thumbnail) {
    prompter.Message(PictureFailedMessage());
    return std::nullopt;
  }
  model.pic_size = PicSizeText(thumbnail->picture.width);
  return thumbnail;
}

std::optional<Thumbnail> ChoosePicture(MainModel& model, Prompter& prompter, const QString& path,
                                       double box_width_twips) {
  std::optional<Thumbnail> thumbnail = LoadThumbnail(path, box_width_twips);
  if (!thumbnail) {
    prompter.Message(PictureFailedMessage());
    return std::nullopt;
  }
  model.pic_file_name = path;
  model.pic_size = PicSizeText(thumbnail->picture.width);
  return thumbnail;
}
