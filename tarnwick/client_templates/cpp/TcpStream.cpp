#include "TcpStream.hpp"
#include <cstring>
#include <stdexcept>
#include <vector>

#ifdef MSG_NOSIGNAL
// A closed game must give a write error, not a signal that ends the program.
static const int SEND_FLAGS = MSG_NOSIGNAL;
#else
static const int SEND_FLAGS = 0;
#endif

TcpStream::TcpStream(const std::string& host, int port)
{
#ifdef _WIN32
    WSADATA wsaData;
    if (WSAStartup(MAKEWORD(1, 1), &wsaData) != 0) {
        throw std::runtime_error("Failed to initialize sockets");
    }
#endif
    sock = socket(AF_INET, SOCK_STREAM, 0);
    if (sock == -1) {
        throw std::runtime_error("Failed to create socket");
    }
    int yes = 1;
    if (setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, (char*)&yes, sizeof(int)) < 0) {
        throw std::runtime_error("Failed to set TCP_NODELAY");
    }
    addrinfo hints, *servinfo;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &servinfo) != 0) {
        throw std::runtime_error("Failed to get addr info");
    }
    if (connect(sock, servinfo->ai_addr, servinfo->ai_addrlen) == -1) {
        freeaddrinfo(servinfo);
        throw std::runtime_error("Failed to connect");
    }
    freeaddrinfo(servinfo);
}

class TcpInputStream : public InputStream {
public:
    TcpInputStream(std::shared_ptr<TcpStream> tcpStream)
        : tcpStream(tcpStream)
        , buffer(BUFFER_CAPACITY)
        , bufferPos(0)
        , bufferSize(0)
    {
    }
    void readBytes(char* bytes, size_t byteCount)
    {
        while (byteCount > 0) {
            if (bufferPos == bufferSize) {
                refill();
            }
            size_t available = bufferSize - bufferPos;
            size_t count = available < byteCount ? available : byteCount;
            memcpy(bytes, buffer.data() + bufferPos, count);
            bytes += count;
            byteCount -= count;
            bufferPos += count;
        }
    }

private:
    static const size_t BUFFER_CAPACITY = 8 * 1024;
    std::shared_ptr<TcpStream> tcpStream;
    std::vector<char> buffer;
    size_t bufferPos;
    size_t bufferSize;
    void refill()
    {
        bufferPos = 0;
        bufferSize = 0;
        int received = recv(tcpStream->sock, buffer.data() + bufferSize, BUFFER_CAPACITY - bufferSize, 0);
        if (received <= 0) {
            throw std::runtime_error("Failed to read from socket");
        }
        bufferSize += received;
    }
};

class TcpOutputStream : public OutputStream {
public:
    TcpOutputStream(std::shared_ptr<TcpStream> tcpStream)
        : tcpStream(tcpStream)
        , buffer(BUFFER_CAPACITY)
        , bufferPos(0)
        , bufferSize(0)
    {
    }
    void writeBytes(const char* bytes, size_t byteCount)
    {
        while (byteCount > 0) {
            size_t space = BUFFER_CAPACITY - bufferSize;
            size_t count = space < byteCount ? space : byteCount;
            memcpy(buffer.data() + bufferSize, bytes, count);
            bufferSize += count;
            bytes += count;
            byteCount -= count;
            if (bufferSize == BUFFER_CAPACITY) {
                flush();
            }
        }
    }
    void flush()
    {
        while (bufferPos < bufferSize) {
            int sent = send(tcpStream->sock, buffer.data() + bufferPos, bufferSize - bufferPos, SEND_FLAGS);
            if (sent < 0) {
                throw std::runtime_error("Failed to write to socket");
            }
            bufferPos += sent;
        }
        bufferPos = 0;
        bufferSize = 0;
    }

private:
    static const size_t BUFFER_CAPACITY = 8 * 1024;
    std::shared_ptr<TcpStream> tcpStream;
    std::vector<char> buffer;
    size_t bufferPos;
    size_t bufferSize;
};

std::shared_ptr<InputStream> getInputStream(std::shared_ptr<TcpStream> tcpStream)
{
    return std::shared_ptr<InputStream>(new TcpInputStream(tcpStream));
}

std::shared_ptr<OutputStream> getOutputStream(std::shared_ptr<TcpStream> tcpStream)
{
    return std::shared_ptr<OutputStream>(new TcpOutputStream(tcpStream));
}
