// Checks the C++ client's buffered socket streams against a local peer:
// tcp_stream_check. Prints what went wrong and ends with 1, or ends with 0.
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "TcpStream.hpp"

namespace {

int failures = 0;

void check(bool condition, const std::string& what) {
    if (!condition) {
        std::cerr << "failed: " << what << std::endl;
        failures++;
    }
}

std::string error_of(void (*action)(InputStream&, OutputStream&), InputStream& in, OutputStream& out) {
    try {
        action(in, out);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

// Bytes the peer can read at once, without waiting.
size_t pending(int peer) {
    std::vector<char> bytes(64 * 1024);
    ssize_t count = recv(peer, bytes.data(), bytes.size(), MSG_DONTWAIT);
    return count < 0 ? 0 : static_cast<size_t>(count);
}

struct Connection {
    std::shared_ptr<InputStream> in;
    std::shared_ptr<OutputStream> out;
    int peer;
};

Connection connect_pair() {
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    auto stream = std::make_shared<TcpStream>("127.0.0.1", ntohs(address.sin_port));
    int peer = accept(listener, nullptr, nullptr);
    close(listener);
    return {getInputStream(stream), getOutputStream(stream), peer};
}

}  // namespace

int main() {
    Connection c = connect_pair();

    // Nothing goes out before a flush or a full buffer.
    std::vector<char> small(100, 'a');
    c.out->writeBytes(small.data(), small.size());
    usleep(50000);
    check(pending(c.peer) == 0, "a small write waits for the flush");
    c.out->flush();
    usleep(50000);
    check(pending(c.peer) == 100, "the flush sends it");

    std::vector<char> large(9000, 'b');
    c.out->writeBytes(large.data(), large.size());
    usleep(50000);
    check(pending(c.peer) == 8 * 1024, "a full buffer goes out before the flush");
    c.out->flush();
    usleep(50000);
    check(pending(c.peer) == 9000 - 8 * 1024, "the rest goes at the flush");

    // A value split over two receives, and bytes beyond it kept for the next.
    const char first[] = {0x2a, 0x00};
    const char second[] = {0x00, 0x00, 0x07, 0x00, 0x00, 0x00};
    send(c.peer, first, sizeof first, 0);
    usleep(50000);
    send(c.peer, second, sizeof second, 0);
    check(c.in->readInt() == 42, "a split value is reassembled");
    check(c.in->readInt() == 7, "the bytes after it stay buffered");

    // The game goes away.
    close(c.peer);
    check(error_of([](InputStream& in, OutputStream&) { in.readInt(); }, *c.in, *c.out) ==
              "Failed to read from socket",
          "a closed peer fails the read");
    std::string written;
    for (int i = 0; i < 100 && written.empty(); i++) {
        written = error_of(
            [](InputStream&, OutputStream& out) {
                out.write(std::string(100, 'c'));
                out.flush();
            },
            *c.in, *c.out);
    }
    check(written == "Failed to write to socket", "a closed peer fails the write with an error, not a signal");
    return failures == 0 ? 0 : 1;
}
