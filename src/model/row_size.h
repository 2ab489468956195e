#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// How a template row prints: 一般 as the grid's font, 粗體 bold in the same cells, or 放大 twice
// as wide and twice as tall, each character taking twice its columns and the row reaching down
// over the line below it. Kept per block with the row, like its text and alignment.
enum class RowSize : uint8_t { kNormal, kBold, kLarge };

inline constexpr RowSize kRowSizes[] = {RowSize::kNormal, RowSize::kBold, RowSize::kLarge};

// How many times its columns and lines a character of the row takes.
constexpr int Magnification(RowSize size) { return size == RowSize::kLarge ? 2 : 1; }
constexpr bool IsBold(RowSize size) { return size == RowSize::kBold; }

// The word a job file keeps a size by: 一般, 粗體 or 放大, whatever the interface's language.
QString RowSizeWord(RowSize size);
std::optional<RowSize> RowSizeOfWord(const QString& word);
// The three words, in the order the choices are offered.
const QStringList& RowSizeWords();

// The size as the clerk reads it, in the interface's language.
QString RowSizeName(RowSize size);
