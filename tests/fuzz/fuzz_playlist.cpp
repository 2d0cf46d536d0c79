// The play list reader: at most 100 entries, each with a name and a file.
#include "check.h"
#include "files/playlist.h"
#include "model/playstate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BytesDevice input(inputBytes(data, size));
  const QList<PlayListEntry> entries = readPlayList(input);
  MOXTEN_CHECK(entries.size() <= maxPlayListEntries);
  for (const PlayListEntry& entry : entries) {
    MOXTEN_CHECK(!entry.name.contains(u'\n') && !entry.file.contains(u'\n'));
    (void)playTitle(entry.file);
  }
  return 0;
}
