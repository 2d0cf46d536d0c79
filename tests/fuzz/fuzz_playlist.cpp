// The play list reader: at most 100 entries, each with a name and a file; and
// every path that Save takes is written as a line that reads back the same.
#include "check.h"
#include "core/files/playlist.h"
#include "core/model/playstate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = inputBytes(data, size);
  BytesDevice input(bytes);
  const QList<PlayListEntry> entries = readPlayList(input);
  MOXTEN_CHECK(entries.size() <= maxPlayListEntries);
  for (const PlayListEntry& entry : entries) {
    MOXTEN_CHECK(!entry.name.contains(u'\n') && !entry.file.contains(u'\n'));
    MOXTEN_CHECK(entry.name.size() <= maxPlayListText && entry.file.size() <= maxPlayListText);
  }
  const QString path = QString::fromUtf8(bytes);
  if (playListRefusal(path).isEmpty()) {
    BytesDevice written(playListLine(playTitle(path), path));
    const QList<PlayListEntry> back = readPlayList(written);
    MOXTEN_CHECK(back.size() == 1 && back[0].name == playTitle(path) && back[0].file == path);
  }
  return 0;
}
