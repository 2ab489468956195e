// The refusals of the core come out as whole sentences in either language: under the English
// translation every part (field names, places, the sentence around them) is English and the values
// stand where the English puts them; without a translator the Chinese is unchanged.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <functional>

#include "blocks/block_commands.h"
#include "blocks/block_store.h"
#include "job/job_commands.h"
#include "job/job_file.h"
#include "job/packing_list.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "model/units.h"
#include "print/preflight.h"
#include "print/print_target.h"
#include "support/english_interface.h"
#include "support/scripted_prompter.h"

namespace {

// A model as the program starts it, with the carton fields as the clerk typed them.
MainModel Typed(const char* start, const char* end) {
  MainModel model;
  model.work_dir = QStringLiteral("/nonexistent-cratemark-folder");
  SetStartValues(model);
  model.l_start = QString::fromUtf8(start);
  model.l_end = QString::fromUtf8(end);
  return model;
}

QString FirstMessage(const ScriptedPrompter& prompter) {
  return prompter.messages.isEmpty() ? QString() : prompter.messages.first();
}

QString SaveBlockRefusal() {
  MainModel model = Typed("99999999999", "10");
  ScriptedPrompter prompter;
  SaveBlock(model, prompter);
  return FirstMessage(prompter);
}

QString AddBlockRefusal() {
  MainModel model = Typed("1", "十");
  ScriptedPrompter prompter;
  AddBlock(model, prompter);
  return FirstMessage(prompter);
}

// A job file whose first block has a carton count per pallet that is not a whole number.
QString JobFileRefusal() {
  MainModel model = Typed("1", "10");
  QJsonObject json = JobToJson(CaptureJob(model));
  QJsonArray blocks = json.value(QStringLiteral("blocks")).toArray();
  QJsonObject first = blocks.at(0).toObject();
  first.insert(QStringLiteral("blk_pbox"), 2.5);
  blocks.replace(0, first);
  json.insert(QStringLiteral("blocks"), blocks);
  QString problem;
  if (ParseJob(JobBytes(json), &problem)) return QString();
  return OpenJobProblem(QStringLiteral("/jobs/a.cratemark"), problem);
}

QString PackingListRefusal() {
  QString problem;
  if (ParsePackingList("from,to,cartons per pallet\n1,20,10\n21,x,10\n", &problem)) return {};
  return problem;
}

// The question before a print with a line past the printable area: its words and its item.
QString PreflightQuestion() {
  Preflight preflight;
  PreflightItem& item = preflight.items.emplace_back();
  item.sheet = 2;
  item.shape = SheetShape{2, 4};  // the A4 sheet of eight: a left and a right label
  item.page_row = 3;
  item.line = 4;
  item.side = PreflightItem::kRight;
  item.twips = 2.5 * kTwipsPerPaperMm;
  item.count = 1;
  PrintDestination destination;
  destination.printer = QStringLiteral("LABELS");
  return PreflightIntro(preflight, destination) + u'\n' + item.Text();
}

TEST(EnglishRefusals, AreWholeSentencesWithTheirValuesInPlace) {
  const struct {
    const char* what;
    std::function<QString()> refusal;
    QString chinese;
    QString english;
  } cases[] = {
      {"a number field out of range", SaveBlockRefusal,
       QStringLiteral("「箱號編號 from」的數字太大了, 請輸入 -2147483648 到 2147483647 之間的數字"),
       QStringLiteral("The number in “Carton number from” is too large; please enter a number "
                      "between -2147483648 and 2147483647")},
      {"a number field that is no number", AddBlockRefusal,
       QStringLiteral("請輸入正確箱數編號: 箱號編號 to 必須是數字。"),
       QStringLiteral("Please enter valid carton numbers: carton number “to” must be a number.")},
      {"a job file refused naming its field", JobFileRefusal,
       QStringLiteral(
           "無法開啟工作檔「a.cratemark」: 第 1 區段的「每墊板的箱數」(blk_pbox)應該是整數"),
       QStringLiteral("Cannot open the job file “a.cratemark”: “Cartons per pallet” (blk_pbox) of "
                      "block 1 should be a whole number")},
      {"a packing list refused naming its line", PackingListRefusal,
       QStringLiteral("裝箱單第 3 行「to」欄的「x」不是數字"),
       QStringLiteral("Line 3 of the packing list: “x” in the “to” column is not a number")},
      {"the preflight's question", PreflightQuestion,
       QStringLiteral("這次的標籤有下面這些問題, 照這樣印出來的標籤會不完整:\n"
                      "超出印表機「LABELS」可以列印的範圍的部分印不出來; 可以到「檔案 → "
                      "印表機校正…」調整這台印表機的位移或每排標籤的距離。\n"
                      "還是要照這樣印嗎?\n"
                      "第 2 張紙第 3 排左邊的標籤的第 4 行超出右邊 2.5 公釐"),
       QStringLiteral("These labels have the problems below and would not come out whole:\n"
                      "What lies outside the area the printer “LABELS” can print will not be "
                      "printed; adjust this printer's offset or the distance between label rows "
                      "under “File → Printer Calibration…”.\n"
                      "Print anyway?\n"
                      "Sheet 2, row 3, left label, line 4: 2.5 mm past the right edge")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.refusal(), c.chinese) << c.what;
  const EnglishInterface english;
  ASSERT_TRUE(english.loaded());
  for (const auto& c : cases) EXPECT_EQ(c.refusal(), c.english) << c.what;
}

}  // namespace
