#include "core/files/filenames.h"

#include <QFile>

namespace {

constexpr char16_t escapeBase = 0xDC00;

// The length of the UTF-8 sequence that starts at i, 0 when none does.
qsizetype utf8SequenceAt(const QByteArray& bytes, qsizetype i) {
  const auto byte = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  const qsizetype length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || i + length > bytes.size()) return 0;
  for (qsizetype k = 1; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  // No overlong forms, no surrogates, nothing beyond U+10FFFF.
  if (lead == 0xE0 && byte(i + 1) < 0xA0) return 0;
  if (lead == 0xED && byte(i + 1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(i + 1) < 0x90) return 0;
  if (lead == 0xF4 && byte(i + 1) >= 0x90) return 0;
  return length;
}

}  // namespace

QString nameFromFileSystem(const QByteArray& bytes) {
  QString name;
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype length = utf8SequenceAt(bytes, i);
    if (length == 0) {
      name += QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    name += QString::fromUtf8(bytes.constData() + i, length);
    i += length;
  }
  return name;
}

QByteArray fileSystemName(const QString& name) {
  QByteArray bytes;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (c >= escapeBase + 0x80 && c <= escapeBase + 0xFF) {
      bytes += char(c - escapeBase);
    } else if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      bytes += name.mid(i, 2).toUtf8();
      ++i;
    } else {
      bytes += QString(QChar(c)).toUtf8();
    }
  }
  return bytes;
}

QString fileNameOfCall(const QString& call) {
  static const QString unheld = QStringLiteral("/\\:*?\"<>|,");
  QString name = call;
  for (QChar& c : name)
    if (unheld.contains(c) || c.unicode() < 0x20) c = u'-';
  return name;
}

bool qtReaches(const QString& name) { return QFile::encodeName(name) == fileSystemName(name); }
