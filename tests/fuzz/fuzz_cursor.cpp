// The cursor file reader: any bytes give either nothing or a picture with a
// hot spot from the file's directory entry.
#include "check.h"
#include "core/editor/cursorfile.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);  // loads the image plugins
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<CursorFile> cursor = readCursorFile(inputBytes(data, size));
  if (cursor) {
    MOXTEN_CHECK(!cursor->image.isNull());
    MOXTEN_CHECK(cursor->hotSpot.x() >= 0 && cursor->hotSpot.x() <= 0xFFFF);
    MOXTEN_CHECK(cursor->hotSpot.y() >= 0 && cursor->hotSpot.y() <= 0xFFFF);
  }
  return 0;
}
