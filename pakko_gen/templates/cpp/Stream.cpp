#include "Stream.hpp"
#include <algorithm>
#include <cstring>
#include <stdexcept>

// Numbers travel little-endian; a big-endian machine reverses their bytes.
static bool isLittleEndianMachine() {
  unsigned short value = 0x0201;
  unsigned char firstByte;
  std::memcpy(&firstByte, &value, 1);
  return firstByte == 1;
}

const bool IS_LITTLE_ENDIAN_MACHINE = isLittleEndianMachine();

template <typename T>
static T readNumber(InputStream &stream) {
  char buffer[sizeof(T)];
  stream.readBytes(buffer, sizeof(T));
  if (!IS_LITTLE_ENDIAN_MACHINE) {
    std::reverse(buffer, buffer + sizeof(T));
  }
  T value;
  std::memcpy(&value, buffer, sizeof(T));
  return value;
}

template <typename T>
static void writeNumber(OutputStream &stream, T value) {
  char buffer[sizeof(T)];
  std::memcpy(buffer, &value, sizeof(T));
  if (!IS_LITTLE_ENDIAN_MACHINE) {
    std::reverse(buffer, buffer + sizeof(T));
  }
  stream.writeBytes(buffer, sizeof(T));
}

bool InputStream::readBool() {
  char byte;
  readBytes(&byte, 1);
  if (byte != 0 && byte != 1) {
    throw std::runtime_error("Unexpected bool value");
  }
  return byte == 1;
}

int InputStream::readInt() { return readNumber<int>(*this); }

long long InputStream::readLongLong() { return readNumber<long long>(*this); }

float InputStream::readFloat() { return readNumber<float>(*this); }

double InputStream::readDouble() { return readNumber<double>(*this); }

size_t InputStream::readSize() {
  int size = readInt();
  if (size < 0) {
    throw std::runtime_error("Negative length or count");
  }
  return static_cast<size_t>(size);
}

// The text grows as its bytes arrive, so that a length no writer sent
// allocates no more than the bytes that really follow it.
std::string InputStream::readString() {
  const size_t chunkSize = 1 << 16;
  size_t length = readSize();
  std::string result;
  while (result.size() < length) {
    size_t start = result.size();
    result.resize(start + std::min(chunkSize, length - start));
    readBytes(&result[start], result.size() - start);
  }
  return result;
}

void OutputStream::write(bool value) {
  char byte = value ? 1 : 0;
  writeBytes(&byte, 1);
}

void OutputStream::write(int value) { writeNumber(*this, value); }

void OutputStream::write(long long value) { writeNumber(*this, value); }

void OutputStream::write(float value) { writeNumber(*this, value); }

void OutputStream::write(double value) { writeNumber(*this, value); }

void OutputStream::write(const std::string &value) {
  write(static_cast<int>(value.size()));
  writeBytes(value.data(), value.size());
}
