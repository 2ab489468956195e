#include "preview/preview_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "widgets/screen_twips.h"

namespace {

class PreviewWindowTest : public testing::Test {
 protected:
  PreviewWindowTest() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    window = std::make_unique<MainWindow>(std::make_unique<ScriptedPrompter>());
  }
  ~PreviewWindowTest() override {
    window.reset();
    QDir::setCurrent(old_dir);
  }

  QLineEdit* Row(int row) {
    return window->findChild<QLineEdit*>(QStringLiteral("l_content(%1)").arg(row));
  }
  void Preview() {
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("show_pre")), Qt::LeftButton);
  }
  PreviewWindow* Open() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window->findChild<PreviewWindow*>(QStringLiteral("show_preview"));
  }

  TempFolder folder;
  QString old_dir;
  std::unique_ptr<MainWindow> window;
};

TEST_F(PreviewWindowTest, OpensOnceWithItsControls) {
  Preview();
  PreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("結果預覽"));
  EXPECT_EQ(preview->size(), ScreenTwipsRect(0, 0, 6315, 4980).size());
  auto* box = preview->findChild<QWidget*>(QStringLiteral("Picture1"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->geometry(), ScreenTwipsRect(240, 120, 5760, 4080));
  auto* ok = preview->findChild<QPushButton*>(QStringLiteral("ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), ScreenTwipsRect(2280, 4320, 1695, 495));
  EXPECT_EQ(ok->text(), QStringLiteral("回到主劃面"));
  EXPECT_EQ(ok->font().family(), QStringLiteral("新細明體"));
  EXPECT_EQ(ok->font().pointSizeF(), 15.75);

  Preview();
  EXPECT_EQ(window->findChildren<PreviewWindow*>().size(), 1);

  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(Open(), nullptr);
}

TEST_F(PreviewWindowTest, ReadsTheTemplateAtEachActivation) {
  Row(0)->setText(QStringLiteral("MADE IN TAIWAN"));
  Preview();
  PreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  ASSERT_TRUE(preview->box()->label());
  EXPECT_EQ(preview->box()->label()->l_content[0], QStringLiteral("MADE IN TAIWAN"));

  // Later edits show only when the window becomes active again.
  Row(0)->setText(QStringLiteral("R.O.C."));
  EXPECT_EQ(preview->box()->label()->l_content[0], QStringLiteral("MADE IN TAIWAN"));
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(preview, &activate);
  EXPECT_EQ(preview->box()->label()->l_content[0], QStringLiteral("R.O.C."));
  EXPECT_EQ(window->model().l_content[0], QStringLiteral("R.O.C."));
}

TEST_F(PreviewWindowTest, TheBoxShowsTheRowsInItsPaint) {
  Row(0)->setText(QStringLiteral("WWWWWWWWWW"));
  Preview();
  PreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  const QImage shot = preview->box()->grab().toImage();
  // Row 0, centred at column 19 and ten columns wide: dark pixels on its first line only.
  const auto dark_in = [&](int left_twips, int top_twips, int width_twips, int height_twips) {
    const QRect area = ScreenTwipsRect(left_twips, top_twips, width_twips, height_twips);
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (qGray(shot.pixel(x, y)) < 128) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(dark_in(18 * 120, 0, 10 * 120, 240));
  EXPECT_FALSE(dark_in(120, 40, 16 * 120, 200));
  EXPECT_FALSE(dark_in(18 * 120, 300, 10 * 120, 2000));
}

TEST_F(PreviewWindowTest, TheBoxGrowsOnlyForABarcodeLowOnTheLabel) {
  // A Code 128 symbol as low on the label as the print checks allow: its human-readable line
  // reaches below the box that holds the sixteen rows.
  window->model().barcode =
      BarcodeSettings{BarcodeKind::kCode128, QStringLiteral("{C}"), 0, {}, 2, 53, 15, 0.33};
  window->ShowModel();
  Preview();
  PreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  const double depth = PreviewDepth(*preview->box()->label());
  ASSERT_GT(depth, 4080) << "the case needs a symbol below the box";
  ASSERT_LT(depth, 4170) << "and one the print run takes";
  const QRect inside = preview->box()->contentsRect();
  EXPECT_GE(inside.height(), ScreenTwips(int(std::ceil(depth))));
  const int grown = preview->box()->height() - ScreenTwips(4080);
  EXPECT_EQ(preview->height(), ScreenTwips(4980) + grown);
  EXPECT_GE(preview->findChild<QPushButton*>(QStringLiteral("ok"))->y(),
            preview->box()->geometry().bottom());
}

}  // namespace
