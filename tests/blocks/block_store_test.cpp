#include "blocks/block_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/main_model.h"
#include "model/start_values.h"
#include "support/scripted_prompter.h"

namespace {

class BlockStoreTest : public testing::Test {
 protected:
  BlockStoreTest() {
    model.work_dir = QStringLiteral("/nonexistent-cratemark-folder");
    SetStartValues(model);
  }

  void SetBlock(int entry, int32_t start, int32_t end, int32_t pbox, int16_t p_start,
                const char* mix = "No") {
    BlockEntry& b = model.blocks[entry];
    b.blk_start = start;
    b.blk_end = end;
    b.blk_pbox = pbox;
    b.blk_p_start = p_start;
    b.blk_mix = QString::fromLatin1(mix);
  }

  MainModel model;
  ScriptedPrompter prompter;
};

// The walk carton by carton, exactly as the pallets are filled; the closed form must agree.
PalletWalk WalkCartonByCarton(const BlockTable& table, int n) {
  PalletWalk w;
  for (int i = 1; i <= n; ++i) {
    const BlockEntry& b = table[i];
    w.left = b.blk_pbox;
    w.pallet = b.blk_p_start;
    if (!b.IsMixed()) w.carry = 0;
    for (int64_t j = b.blk_start; j <= b.blk_end; ++j) {
      if (w.carry > 0) {
        --w.carry;
      } else {
        w.last_used = w.pallet;
        if (--w.left <= 0) {
          ++w.pallet;
          w.left = b.blk_pbox;
        }
      }
      if (j >= b.blk_end && w.left != b.blk_pbox) w.carry = w.left;
    }
  }
  return w;
}

}  // namespace

TEST_F(BlockStoreTest, SaveBlockConvertsTheFields) {
  model.current_block = 2;
  model.l_start = QStringLiteral(" 12abc");
  model.l_end = QString();
  model.l_pbox = QStringLiteral("10.5");
  model.l_p_start_text = QStringLiteral(" 7 ");
  model.p_mix_box = QStringLiteral(" Yes ");
  model.l_content[0] = QStringLiteral("  MADE IN TAIWAN ");
  model.l_array[0] = QStringLiteral(" 靠左 ");
  ASSERT_TRUE(SaveBlock(model, prompter));

  const BlockEntry& b = model.blocks[2];
  EXPECT_EQ(b.blk_start, 12);
  EXPECT_EQ(b.blk_end, 0);
  EXPECT_EQ(b.blk_pbox, 10);
  EXPECT_EQ(b.blk_p_start, 7);
  EXPECT_EQ(b.blk_mix, QStringLiteral("Yes"));
  EXPECT_EQ(b.blk_content[0], QStringLiteral("  MADE IN TAIWAN "));
  EXPECT_EQ(b.blk_array[0], QStringLiteral("靠左"));
  EXPECT_EQ(b.blk_array[15], QStringLiteral("置中"));
  EXPECT_TRUE(model.blocks[1].blk_content[0].isEmpty()) << "only the current entry is written";
  EXPECT_TRUE(prompter.messages.isEmpty());

  model.l_pbox = QStringLiteral("11.5");
  model.l_p_start_text = QStringLiteral("6.5");
  ASSERT_TRUE(SaveBlock(model, prompter));
  EXPECT_EQ(b.blk_pbox, 12);
  EXPECT_EQ(b.blk_p_start, 6);

  // Full-width digits, as a Chinese input method types them, are the same numbers.
  model.l_start = QStringLiteral("１２");
  model.l_end = QStringLiteral(" ３４箱");
  model.l_pbox = QStringLiteral("１０．５");
  model.l_p_start_text = QStringLiteral("－７");
  ASSERT_TRUE(SaveBlock(model, prompter));
  EXPECT_EQ(b.blk_start, 12);
  EXPECT_EQ(b.blk_end, 34);
  EXPECT_EQ(b.blk_pbox, 10);
  EXPECT_EQ(b.blk_p_start, -7);
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(BlockStoreTest, SaveBlockRefusesFieldsItCannotStore) {
  const struct {
    const char* field;
    const char* text;
    const char* named;
  } cases[] = {
      {"l_p_start_text", "", "本區段墊板編號的起始數"},
      {"l_p_start_text", "3a", "本區段墊板編號的起始數"},
      {"l_p_start_text", "32768", "本區段墊板編號的起始數"},
      {"l_p_start_text", "-32769", "本區段墊板編號的起始數"},
      {"l_start", "3000000000", "箱號編號 from"},
      {"l_end", "-2147483649", "箱號編號 to"},
      {"l_pbox", "1e12", "每墊板的箱數"},
      // Too long for any type: once read as 0, so the labels began at C/NO. 0.
      {"l_start",
       "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
       "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
       "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
       "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
       "99999999999999999999999999999999999999999999999999999999999999999999999999999999",
       "箱號編號 from"},
      {"l_p_start_text", "１e400", "本區段墊板編號的起始數"},
  };
  for (const auto& c : cases) {
    MainModel m = model;
    ScriptedPrompter p;
    m.blocks[1].blk_start = 5;
    m.l_start = QStringLiteral("1");
    m.l_end = QStringLiteral("20");
    m.l_pbox = QStringLiteral("10");
    m.l_p_start_text = QStringLiteral("1");
    m.l_content[0] = QStringLiteral("new text");
    QString* field = c.field == std::string("l_p_start_text") ? &m.l_p_start_text
                     : c.field == std::string("l_start")      ? &m.l_start
                     : c.field == std::string("l_end")        ? &m.l_end
                                                              : &m.l_pbox;
    *field = QString::fromUtf8(c.text);
    EXPECT_FALSE(SaveBlock(m, p)) << c.field << "=" << c.text;
    ASSERT_EQ(p.messages.size(), 1) << c.field << "=" << c.text;
    EXPECT_TRUE(p.messages[0].contains(QString::fromUtf8(c.named))) << c.field;
    EXPECT_EQ(m.blocks[1].blk_start, 5) << "nothing is stored";
    EXPECT_TRUE(m.blocks[1].blk_content[0].isEmpty());
  }
  MainModel m = model;
  m.l_p_start_text = QStringLiteral("-32768");
  EXPECT_TRUE(SaveBlock(m, prompter));
  EXPECT_EQ(m.blocks[1].blk_p_start, -32768);
}

TEST_F(BlockStoreTest, LoadBlockOfANeverSavedEntryShowsZerosAndEmptyRows) {
  model.l_content[3] = QStringLiteral("something");
  LoadBlock(model, 5);
  EXPECT_EQ(model.l_start, QStringLiteral("0"));
  EXPECT_EQ(model.l_end, QStringLiteral("0"));
  EXPECT_EQ(model.l_pbox, QStringLiteral("0"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("0"));
  EXPECT_EQ(model.p_mix_box, QString());
  for (int row = 0; row < MainModel::kRows; ++row) {
    EXPECT_TRUE(model.l_content[row].isEmpty());
    EXPECT_TRUE(model.l_array[row].isEmpty());
  }
}

TEST_F(BlockStoreTest, SavedBlockComesBackNormalised) {
  model.l_start = QStringLiteral("12abc");
  model.l_end = QStringLiteral("30");
  model.l_pbox = QStringLiteral("6");
  model.l_content[15] = QStringLiteral("R.O.C.");
  model.l_array[15] = QStringLiteral("靠右");
  ASSERT_TRUE(SaveBlock(model, prompter));
  model.l_start = model.l_end = model.l_content[15] = QString();
  LoadBlock(model, 1);
  EXPECT_EQ(model.l_start, QStringLiteral("12"));
  EXPECT_EQ(model.l_end, QStringLiteral("30"));
  EXPECT_EQ(model.l_pbox, QStringLiteral("6"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("1"));
  EXPECT_EQ(model.p_mix_box, QStringLiteral("No"));
  EXPECT_EQ(model.l_content[15], QStringLiteral("R.O.C."));
  EXPECT_EQ(model.l_array[15], QStringLiteral("靠右"));
}

TEST_F(BlockStoreTest, WalkPalletsHandsAPartlyFilledLastPalletOnToAMixedBlockOnly) {
  // 25 cartons ten a pallet: pallet 3 holds five and has five places left.
  SetBlock(1, 1, 25, 10, 1);
  EXPECT_EQ(WalkPallets(model.blocks, 1), (PalletWalk{3, 5, 5, 3}));

  // A mixed block fills those places first; an unmixed one starts on its own pallets.
  SetBlock(2, 26, 40, 10, 4, "Yes");
  EXPECT_EQ(WalkPallets(model.blocks, 2), (PalletWalk{5, 10, 0, 4}));
  SetBlock(2, 26, 40, 10, 4, "No");
  EXPECT_EQ(WalkPallets(model.blocks, 2), (PalletWalk{5, 5, 5, 5}));

  // A full last pallet leaves nothing to hand on.
  SetBlock(1, 1, 20, 10, 1);
  EXPECT_EQ(WalkPallets(model.blocks, 1), (PalletWalk{3, 10, 0, 2}));
}

TEST_F(BlockStoreTest, WalkPalletsEdgeCases) {
  // A block whose start is above its end puts no carton on a pallet.
  SetBlock(1, 1, 25, 10, 1);
  SetBlock(2, 9, 3, 7, 8, "Yes");
  EXPECT_EQ(WalkPallets(model.blocks, 2), (PalletWalk{8, 7, 5, 3}));
  SetBlock(2, 9, 3, 7, 8, "No");
  EXPECT_EQ(WalkPallets(model.blocks, 2), (PalletWalk{8, 7, 0, 3}));

  // 0 cartons per pallet moves on at every carton.
  SetBlock(1, 1, 4, 0, 10);
  EXPECT_EQ(WalkPallets(model.blocks, 1), (PalletWalk{14, 0, 0, 13}));

  // A mixed block shorter than the carry passes the rest on.
  SetBlock(1, 1, 25, 10, 1);
  SetBlock(2, 26, 27, 10, 4, "Yes");
  SetBlock(3, 28, 29, 10, 5, "Yes");
  EXPECT_EQ(WalkPallets(model.blocks, 3), (PalletWalk{5, 10, 1, 3}));
}

TEST_F(BlockStoreTest, WalkPalletsAgreesWithTheCartonByCartonWalk) {
  // A spread of ranges, pallet sizes and mixed flags, chained over four blocks.
  const int32_t starts[] = {1, 5, 10, 3, -4};
  const int32_t lengths[] = {0, 1, 2, 9, 10, 11, 23};
  const int32_t pboxes[] = {-3, 0, 1, 3, 10};
  int checked = 0;
  for (int seed = 0; seed < 400; ++seed) {
    BlockTable table;
    for (int i = 1; i <= 4; ++i) {
      const int k = seed * 7 + i * 13;
      BlockEntry& b = table[i];
      b.blk_start = starts[k % 5];
      b.blk_end = b.blk_start + lengths[(k / 5) % 7] - 1;
      b.blk_pbox = pboxes[(k / 35) % 5];
      b.blk_p_start = int16_t(1 + (k % 4));
      b.blk_mix = (k / 3) % 2 ? QStringLiteral("Yes") : QStringLiteral("No");
    }
    for (int n = 1; n <= 4; ++n, ++checked) {
      ASSERT_EQ(WalkPallets(table, n), WalkCartonByCarton(table, n)) << seed << " " << n;
    }
  }
  EXPECT_EQ(checked, 1600);
}
