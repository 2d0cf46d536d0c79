#include "core/settings/settingsfile.h"

#include "core/files/fieldreader.h"
#include "core/model/numbers.h"

void readSettings(QIODevice& device, Settings& settings) {
  FieldReader fields(device);
  while (!fields.atEnd()) {
    const std::optional<QString> key = fields.textField();
    const std::optional<QString> value = fields.textField();
    if (!key || !value) return;
    if (*key == QStringLiteral("offence")) {
      settings.offence = *value;
    } else if (*key == QStringLiteral("deffence")) {
      settings.deffence = *value;
    } else if (*key == QStringLiteral("speed")) {
      settings.speed = *value;
    } else if (*key == QStringLiteral("line")) {
      settings.line = *value;
    } else if (*key == QStringLiteral("sync")) {
      const std::optional<std::int16_t> sync = toInt16(readNumber(*value));
      if (!sync || *sync < 0 || *sync > 2) return;
      settings.sync = *sync;
    }
  }
}

bool canHoldSetting(const QString& text) {
  return !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r') &&
         !text.startsWith(u' ') && !text.startsWith(u'\t');
}

QByteArray settingsFileText(const Settings& settings) {
  const QString text = QStringLiteral("speed, ") + settings.speed + QStringLiteral("\r\n") +  //
                       QStringLiteral("line, ") + settings.line + QStringLiteral("\r\n") +    //
                       QStringLiteral("offence, ") + settings.offence + QStringLiteral("\r\n") +
                       QStringLiteral("deffence, ") + settings.deffence + QStringLiteral("\r\n") +
                       QStringLiteral("sync,") + printNumber(settings.sync) + QStringLiteral("\r\n");
  return text.toLocal8Bit();
}
