#include "app/editing_keys.h"

#include <Qt>

#include "model/main_model.h"

namespace {

struct Abbreviation {
  QChar letter;
  const char16_t* text;
  bool moves_on;
};

// The renderer knows the heads "SIZE :", "Q'TY :", "N.WT.:" and "G.WT.:" by their first six
// characters, so these texts must stay exactly as they are, blanks included.
constexpr Abbreviation kAbbreviations[] = {
    {u'S', u"SIZE : ", false},
    {u'Q', u"Q'TY :          PCS.", false},
    {u'N', u"N.WT.:          KGS.", false},
    {u'G', u"G.WT.:          KGS.", false},
    {u'M', u"MADE IN TAIWAN", true},
    {u'R', u"R.O.C.", true},
};

QString ContentName(int row) { return QStringLiteral("l_content(%1)").arg(row); }

bool IsRow(const MainModel& model, int row) {
  return row >= 0 && row <= model.max_line && row < MainModel::kRows;
}

}  // namespace

void ContentEnter(MainModel& model, int row) {
  if (!IsRow(model, row)) return;
  QString& content = model.l_content[row];
  const bool last = row >= model.max_line;
  for (const Abbreviation& a : kAbbreviations) {
    // The whole content, one letter in either case: "s" counts, "s " and "SI" do not.
    if (content.size() != 1 || content[0].toUpper() != a.letter) continue;
    content = QString::fromUtf16(a.text);
    if (a.moves_on && !last) model.focus_request = ContentName(row + 1);
    return;
  }
  model.focus_request = last ? QStringLiteral("add_block") : ContentName(row + 1);
}

void ContentArrowReleased(MainModel& model, int row, int key) {
  if (!IsRow(model, row)) return;
  if (key == Qt::Key_Up && row > 0) model.focus_request = ContentName(row - 1);
  if (key == Qt::Key_Down && row < model.max_line) model.focus_request = ContentName(row + 1);
}
