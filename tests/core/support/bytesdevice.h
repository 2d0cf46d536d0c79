#pragma once

#include <QBuffer>
#include <QByteArray>

// Bytes to read from, as an open device.
class BytesDevice : public QBuffer {
 public:
  explicit BytesDevice(const QByteArray& bytes) {
    setData(bytes);
    open(QIODevice::ReadOnly);
  }
};
