// Reads one message of the named root with the generated model and writes it
// back: round_trip ROOT INPUT OUTPUT. Failures go to standard error, status 1.
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Model.hpp"

class BytesInput : public InputStream {
public:
  explicit BytesInput(std::vector<char> bytes) : bytes(bytes), position(0) {}
  void readBytes(char *buffer, size_t byteCount) override {
    if (byteCount > bytes.size() - position) {
      throw std::runtime_error("Unexpected end of input");
    }
    for (size_t i = 0; i < byteCount; i++) {
      buffer[i] = bytes[position++];
    }
  }
  bool atEnd() const { return position == bytes.size(); }

private:
  std::vector<char> bytes;
  size_t position;
};

class BytesOutput : public OutputStream {
public:
  void writeBytes(const char *buffer, size_t byteCount) override {
    bytes.insert(bytes.end(), buffer, buffer + byteCount);
  }
  void flush() override {}
  std::vector<char> bytes;
};

int main(int argc, char **argv) {
  if (argc != 4) {
    std::cerr << "usage: round_trip ROOT INPUT OUTPUT" << std::endl;
    return 2;
  }
  std::string root = argv[1];
  try {
    std::ifstream in(argv[2], std::ios::binary);
    BytesInput input(std::vector<char>(std::istreambuf_iterator<char>(in), {}));
    BytesOutput output;
    if (root == "ServerMessage") {
      ServerMessage::readFrom(input)->writeTo(output);
    } else if (root == "ClientMessage") {
      ClientMessage::readFrom(input)->writeTo(output);
    } else if (root == "DebugState") {
      DebugState::readFrom(input).writeTo(output);
    } else {
      throw std::runtime_error("Unknown root " + root);
    }
    if (!input.atEnd()) {
      throw std::runtime_error("Bytes left after the message");
    }
    std::ofstream out(argv[3], std::ios::binary);
    out.write(output.bytes.data(), static_cast<std::streamsize>(output.bytes.size()));
    out.flush();
    if (!out) {
      throw std::runtime_error("Cannot write the output");
    }
  } catch (const std::exception &e) {
    std::cerr << e.what() << std::endl;
    return 1;
  }
  return 0;
}
