#pragma once

#include <QString>

#include <optional>

class QIODevice;

// Reads comma-separated fields: a comma or a line end (CR LF, LF or CR)
// closes a field, blanks before a field are skipped, and a field in double
// quotes is read without them. A field longer than maxFieldBytes ends the
// reading: the reader answers no more fields. The play file, the play list
// and the settings file are all read with it.
class FieldReader {
 public:
  explicit FieldReader(QIODevice& device) : device_(device) {}

  bool atEnd() const;

  // The next field's text; nothing when the file has no more text.
  std::optional<QString> textField();

  // The line the last field started on, and its place among that line's
  // fields, each counted from 1.
  int fieldLine() const { return fieldLine_; }
  int fieldInLine() const { return fieldInLine_; }
  // Whether the reading ended at a field longer than maxFieldBytes.
  bool wasCut() const { return cut_; }

 private:
  bool peek(char& c) const;
  void skipBlanks();
  void finishLine(char lineEnd);
  void skipToFieldEnd();
  char takeUntil(char closing, QByteArray& bytes);
  std::optional<QString> finished(const QByteArray& bytes);

  QIODevice& device_;
  bool cut_ = false;
  int line_ = 1;
  int fieldLine_ = 1;
  int fieldInLine_ = 0;
};
