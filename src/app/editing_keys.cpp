#include "app/editing_keys.h"

#include <QString>
#include <Qt>
#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

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

// The heads of the lines whose figures stand between the head and a tail.
constexpr const char16_t* kHeadsWithTail[] = {u"Q'TY :", u"N.WT.:", u"G.WT.:"};
constexpr int kHeadLength = 6;

// Where the figures of a line with a head and a tail go: from the end of the head to the start of
// the tail, the run of characters after the last blank. Nothing when the text is no such line.
std::optional<std::pair<int, int>> FiguresBetweenHeadAndTail(const QString& text) {
  const bool has_head =
      std::any_of(std::begin(kHeadsWithTail), std::end(kHeadsWithTail),
                  [&](const char16_t* head) { return text.startsWith(QStringView(head)); });
  if (!has_head) return std::nullopt;
  const int tail = int(text.lastIndexOf(u' ')) + 1;
  if (tail <= kHeadLength || tail == text.size()) return std::nullopt;  // no blanks, or no tail
  return std::pair{kHeadLength, tail};
}

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

int QuickEntryCursor(const QString& text) {
  const auto figures = FiguresBetweenHeadAndTail(text);
  if (!figures) return int(text.size());
  // One blank after the head, as after "SIZE :".
  return std::min(figures->first + 1, figures->second - 1);
}

int BlanksTypedOver(const QString& text, int cursor, int typed) {
  const auto figures = FiguresBetweenHeadAndTail(text);
  if (!figures || cursor < figures->first || cursor >= figures->second) return 0;
  int blanks = 0;
  while (cursor + blanks < figures->second && text[cursor + blanks] == u' ') ++blanks;
  // The last blank before the tail stays, so the figures never run into it.
  if (cursor + blanks == figures->second) --blanks;
  return std::clamp(typed, 0, std::max(blanks, 0));
}
