#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "print/run_plan.h"

// The choices of a print as the user typed them, in the preview's print panel or on the command
// line: texts, read only when the print is asked for, so a wrong one is named in a message and the
// rest of what was typed stays.
struct PrintOptionTexts {
  PrintChoice::Kind kind = PrintChoice::kWholeRun;
  QString start = QStringLiteral("1");  // label place on the first sheet
  QString from;                         // first sheet or carton (not read for a whole run)
  QString to;                           // last sheet or carton
  QString copies = QStringLiteral("1");
  // Copies come out as whole sets (sheets 1, 2, 3, 1, 2, 3), not each sheet again (1, 1, 2, 2).
  bool collate = true;
};

struct PrintOptions {
  PrintChoice choice;
  int copies = 1;
  bool collate = true;

  bool operator==(const PrintOptions&) const = default;
};

// What the texts say for a run: the options, or a message in Traditional Chinese naming the field
// that is wrong and saying what it may hold.
struct PrintOptionsRead {
  std::optional<PrintOptions> options;
  QString message;
};

inline constexpr int kMaxCopies = 99;

// The lowest and highest carton number on the run's labels; (0, 0) for a run without labels.
std::pair<int64_t, int64_t> CartonSpan(const RunPlan& plan);

// Reads the texts against the run they are for, on sheets of `shape`: the start place must be one
// of the sheet's places, the copies 1 to kMaxCopies, sheets a range of the sheets the whole run
// takes from that start place, cartons a range that selects at least one label; a print that would
// put no label on paper is refused too. Numbers may be typed with full-width digits.
PrintOptionsRead ReadPrintOptions(const PrintOptionTexts& texts, const RunPlan& plan,
                                  const SheetShape& shape);

// Splits a range typed as one text: "17-18", "17–18", "17 到 18", or "17" alone for 17 to 17.
// Nothing when the text is no range at all. The parts are left as texts for ReadPrintOptions.
struct RangeTexts {
  QString from;
  QString to;
};
std::optional<RangeTexts> SplitRange(const QString& text);
