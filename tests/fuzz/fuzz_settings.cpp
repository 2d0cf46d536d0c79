// The settings reader: the synchronise value stays 0, 1 or 2, what Apply
// writes from the values read reads back to the same values, and so does every
// text that Apply takes.
#include "check.h"
#include "core/settings/settingsfile.h"

namespace {

bool operator==(const Settings& a, const Settings& b) {
  return a.speed == b.speed && a.line == b.line && a.offence == b.offence && a.deffence == b.deffence &&
         a.sync == b.sync;
}

// A text that a write and a read give back unchanged: not empty, not starting
// with a blank, and without the field separators.
bool plain(const QString& value) {
  for (const QChar c : value)
    if (c == u',' || c == u'"' || c == u'\r' || c == u'\n' || c == u'\t' || c == QChar(0xFFFD)) return false;
  return !value.isEmpty() && value.front() != u' ';
}

bool readsBack(const Settings& settings) {
  Settings back{QString(), QString(), QString(), QString(), 0};
  BytesDevice written(settingsFileText(settings));
  readSettings(written, back);
  return back == settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Settings settings;
  BytesDevice input(inputBytes(data, size));
  readSettings(input, settings);
  MOXTEN_CHECK(settings.sync >= 0 && settings.sync <= 2);
  if (plain(settings.speed) && plain(settings.line) && plain(settings.offence) && plain(settings.deffence))
    MOXTEN_CHECK(readsBack(settings));
  // The input as typed texts: four lines of it, with a sync value.
  const QStringList typed = QString::fromUtf8(inputBytes(data, size)).split(u'\x01');
  if (typed.size() >= 4) {
    const Settings applied{typed[0], typed[1], typed[2], typed[3], std::int16_t(size % 3)};
    if (canHoldSetting(applied.speed) && canHoldSetting(applied.line) && canHoldSetting(applied.offence) &&
        canHoldSetting(applied.deffence))
      MOXTEN_CHECK(readsBack(applied));
  }
  return 0;
}
