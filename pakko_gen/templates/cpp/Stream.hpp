#ifndef _STREAM_HPP_
#define _STREAM_HPP_

#include <cstddef>
#include <string>

class InputStream {
public:
  virtual ~InputStream() = default;
  // Fills the buffer with exactly byteCount bytes, or throws.
  virtual void readBytes(char *buffer, size_t byteCount) = 0;
  bool readBool();
  int readInt();
  long long readLongLong();
  float readFloat();
  double readDouble();
  // A count of elements or a length in bytes; a negative one is an error.
  size_t readSize();
  std::string readString();
};

class OutputStream {
public:
  virtual ~OutputStream() = default;
  virtual void writeBytes(const char *buffer, size_t byteCount) = 0;
  virtual void flush() = 0;
  void write(bool value);
  void write(int value);
  void write(long long value);
  void write(float value);
  void write(double value);
  void write(const std::string &value);
};

#endif
