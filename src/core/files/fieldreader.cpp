#include "core/files/fieldreader.h"

#include "core/files/regularfile.h"

#include <QIODevice>

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool FieldReader::atEnd() const { return cut_ || device_.atEnd(); }

bool FieldReader::peek(char& c) const { return device_.peek(&c, 1) == 1; }

void FieldReader::skipBlanks() {
  char c;
  while (peek(c) && (c == ' ' || c == '\t')) device_.getChar(&c);
}

void FieldReader::finishLine(char lineEnd) {
  ++line_;
  char c;
  if (lineEnd == '\r' && peek(c) && c == '\n') device_.getChar(&c);
}

void FieldReader::skipToFieldEnd() {
  char c;
  while (device_.getChar(&c)) {
    if (c == ',') return;
    if (isLineEnd(c)) return finishLine(c);
  }
}

std::optional<QString> FieldReader::finished(const QByteArray& bytes) {
  if (bytes.size() > maxFieldBytes) cut_ = true;
  if (cut_) return std::nullopt;
  return QString::fromLocal8Bit(bytes);
}

// Takes a field's characters up to the closing character or a line end, and
// answers the one that closed it (0 at the end of the text or past the
// longest field).
char FieldReader::takeUntil(char closing, QByteArray& bytes) {
  char c;
  while (device_.getChar(&c)) {
    if (c == closing) return c;
    if (isLineEnd(c)) {
      finishLine(c);
      return c;
    }
    bytes += c;
    if (bytes.size() > maxFieldBytes) return 0;
  }
  return 0;
}

std::optional<QString> FieldReader::textField() {
  if (cut_) return std::nullopt;
  skipBlanks();
  fieldInLine_ = line_ == fieldLine_ ? fieldInLine_ + 1 : 1;
  fieldLine_ = line_;
  char c;
  if (!peek(c)) return std::nullopt;
  QByteArray bytes;
  if (c == '"') {
    device_.getChar(&c);
    if (takeUntil('"', bytes) == '"') skipToFieldEnd();
  } else {
    takeUntil(',', bytes);
  }
  return finished(bytes);
}
