#pragma once

// What every fuzz target over a file reader shares: the input as bytes, and a rule that stops the
// fuzzer with the rule's words when the reader breaks it.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline void Require(bool condition, const char* rule) {
  if (condition) return;
  std::fprintf(stderr, "rule broken: %s\n", rule);
  std::abort();
}
