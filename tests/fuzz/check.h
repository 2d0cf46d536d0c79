#pragma once

#include "core/support/bytesdevice.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when a property that must always hold does not.
#define MOXTEN_CHECK(condition)                                                  \
  do {                                                                           \
    if (!(condition)) {                                                          \
      std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                              \
    }                                                                            \
  } while (false)

// The fuzzer's input as bytes.
inline QByteArray inputBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
