// Draws symbols into a PDF through the painter surface, rasterises it at 300 dpi and reads the
// symbols back with a real decoder (zbarimg from zbar-tools).

#include <gtest/gtest.h>

#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "barcode/barcode_drawing.h"
#include "model/fonts.h"
#include "print/paged_surface.h"
#include "support/qt_printers.h"

namespace {

// The cartons of one page: eight labels, two to a page row, four page rows.
constexpr int kLabelsPerPage = 8;

class BarcodeDecoderTest : public testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(u"zbarimg"_qs).isEmpty() ||
        QStandardPaths::findExecutable(u"pdftoppm"_qs).isEmpty()) {
      GTEST_SKIP() << "zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed";
    }
    ASSERT_TRUE(folder_.isValid());
  }

  static BarcodeSettings Settings(BarcodeKind kind, const QString& content_template) {
    BarcodeSettings settings;
    settings.kind = kind;
    settings.content_template = content_template;
    settings.sscc_extension = 1;
    settings.company_prefix = u"0614141"_qs;
    settings.left_mm = 5;
    settings.top_mm = 10;
    settings.height_mm = 15;
    settings.module_mm = 0.33;
    return settings;
  }

  // One page for each entry of `pages`, its labels numbered by `cartons`; a label's text rows are
  // printed around the symbol as on a real label, so the grid's font goes on afterwards.
  QString Print(const QList<std::pair<BarcodeSettings, QList<int64_t>>>& pages) {
    const QString pdf = QDir(folder_.path()).filePath(u"labels.pdf"_qs);
    QPdfWriter writer(pdf);
    writer.setResolution(1200);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    PagedSurface surface(writer);
    surface.SetFont(kMingFont, 12);
    for (const auto& [settings, cartons] : pages) {
      for (int i = 0; i < cartons.size(); ++i) {
        const double left = (i % 2) * kLabelWidthTwips;
        const double top = (i / 2) * kPageRowPitchTwips;
        const BarcodeLabel label{1, 1 + i / 4, cartons[i], false};
        const BarcodeContent content = ComposeContent(settings, label);
        EXPECT_TRUE(content.error.isEmpty()) << content.error.toStdString();
        EXPECT_FALSE(CheckBarcode(settings, content.text, label).has_value());
        EXPECT_TRUE(DrawBarcode(surface, settings, content.text, left, top));
        surface.DrawTextAt(left + 240, top + 14 * 240,
                           QStringLiteral("C/NO. : %1").arg(cartons[i]));
      }
      surface.NewPage();
    }
    surface.EndDocument();
    EXPECT_FALSE(surface.failed());
    return pdf;
  }

  // What zbarimg reads on each page, as "TYPE:data", sorted.
  QList<QStringList> Decode(const QString& pdf, int pages) {
    const QString prefix = QDir(folder_.path()).filePath(u"page"_qs);
    EXPECT_EQ(QProcess::execute(u"pdftoppm"_qs,
                                {u"-r"_qs, u"300"_qs, u"-gray"_qs, u"-png"_qs, pdf, prefix}),
              0);
    QList<QStringList> read;
    for (int page = 1; page <= pages; ++page) {
      QProcess zbarimg;
      zbarimg.start(u"zbarimg"_qs, {u"-q"_qs, QStringLiteral("%1-%2.png").arg(prefix).arg(page)});
      zbarimg.waitForFinished(60000);
      QStringList symbols =
          QString::fromUtf8(zbarimg.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
      symbols.sort();
      read.append(symbols);
    }
    return read;
  }

  static QStringList Sorted(QStringList list) {
    list.sort();
    return list;
  }

  QTemporaryDir folder_;
};

TEST_F(BarcodeDecoderTest, EveryLabelReadsBackAsItsContent) {
  QList<int64_t> first;
  QList<int64_t> second;
  for (int i = 0; i < kLabelsPerPage; ++i) {
    first.append(1 + i);
    second.append(995 + i);
  }
  // GS1's published example SSCC is carton 123456789 under prefix 0614141 with extension 1.
  const QList<int64_t> sscc{123456789, 1, 2, 37, 4711, 99999, 100000, 999999999};
  const QList<int64_t> qr{1, 2, 3, 4};
  const QString pdf = Print({
      {Settings(BarcodeKind::kCode128, u"{C}"_qs), first},
      {Settings(BarcodeKind::kCode128, u"PO4711-{C}"_qs), second},
      {Settings(BarcodeKind::kSscc, QString()), sscc},
      {Settings(BarcodeKind::kQrCode, u"臺灣製造 C/NO. {C} P/NO. {P}"_qs), qr},
  });
  const QList<QStringList> read = Decode(pdf, 4);
  ASSERT_EQ(read.size(), 4);

  QStringList expected;
  for (int64_t carton : first) expected << QStringLiteral("CODE-128:%1").arg(carton);
  EXPECT_EQ(read[0], Sorted(expected));
  expected.clear();
  for (int64_t carton : second) expected << QStringLiteral("CODE-128:PO4711-%1").arg(carton);
  EXPECT_EQ(read[1], Sorted(expected));
  // zbarimg gives GS1-128 as Code 128 without the FNC1 and without brackets round the AI. The
  // check digits by hand: "10614141" weighs 1·3 + 0 + 6·3 + 1 + 4·3 + 1 + 4·3 + 1 = 48, then the
  // serial's nine digits weigh 3, 1, 3, 1, 3, 1, 3, 1, 3.
  EXPECT_EQ(read[2], Sorted({
                         u"CODE-128:00106141411234567897"_qs,  // 48 + 95 = 143 → 7, GS1's
                         u"CODE-128:00106141410000000019"_qs,  // 48 + 1·3 = 51 → 9
                         u"CODE-128:00106141410000000026"_qs,  // 48 + 2·3 = 54 → 6
                         u"CODE-128:00106141410000000378"_qs,  // 48 + 3 + 7·3 = 72 → 8
                         u"CODE-128:00106141410000047113"_qs,  // 48 + 4 + 21 + 1 + 3 = 77 → 3
                         u"CODE-128:00106141410000999993"_qs,  // 48 + 27 + 9 + 27 + 9 + 27 → 3
                         u"CODE-128:00106141410001000001"_qs,  // 48 + 1 = 49 → 1
                         u"CODE-128:00106141419999999991"_qs,  // 48 + 5·27 + 4·9 = 219 → 1
                     }));
  EXPECT_EQ(
      read[3],
      Sorted({u"QR-Code:臺灣製造 C/NO. 1 P/NO. 1"_qs, u"QR-Code:臺灣製造 C/NO. 2 P/NO. 1"_qs,
              u"QR-Code:臺灣製造 C/NO. 3 P/NO. 1"_qs, u"QR-Code:臺灣製造 C/NO. 4 P/NO. 1"_qs}));
}

}  // namespace
