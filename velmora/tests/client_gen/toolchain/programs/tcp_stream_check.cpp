// Checks the C++ client's buffered socket streams against a local peer:
// tcp_stream_check. Prints what went wrong and ends with 1, or ends with 0.
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
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

constexpr std::chrono::seconds PATIENCE{10};

// Bytes queued for reading on `socket`.
int queued(int socket) {
    int count = 0;
    return ioctl(socket, FIONREAD, &count) == 0 ? count : -1;
}

// Waits until `done` holds for the bytes queued on `socket`, false when the
// patience runs out first. Arrival wakes a poll for `events`; a reader
// draining the queue raises no event, so with no events it is asked for
// every millisecond.
template <class Done>
bool wait_for_queue(int socket, short events, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
    while (!done(queued(socket))) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd watched{socket, events, 0};
        poll(&watched, 1, events == 0 ? 1 : static_cast<int>(left.count()));
    }
    return true;
}

// What the peer has received: at least `expected` bytes once they are all
// there (or the patience ran out), and whatever else already sits beside
// them. Sends on loopback are queued at the peer before they return, so
// bytes that should not have gone out are already visible.
size_t received(int peer, size_t expected) {
    wait_for_queue(peer, POLLIN, [&](int count) { return count >= static_cast<int>(expected); });
    std::vector<char> bytes(64 * 1024);
    ssize_t count = recv(peer, bytes.data(), bytes.size(), MSG_DONTWAIT);
    return count < 0 ? 0 : static_cast<size_t>(count);
}

struct Connection {
    std::shared_ptr<TcpStream> stream;
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
    return {stream, getInputStream(stream), getOutputStream(stream), peer};
}

}  // namespace

int main() {
    Connection c = connect_pair();

    // Nothing goes out before a flush or a full buffer.
    std::vector<char> small(100, 'a');
    c.out->writeBytes(small.data(), small.size());
    check(received(c.peer, 0) == 0, "a small write waits for the flush");
    c.out->flush();
    check(received(c.peer, 100) == 100, "the flush sends it");

    std::vector<char> large(9000, 'b');
    c.out->writeBytes(large.data(), large.size());
    check(received(c.peer, 8 * 1024) == 8 * 1024, "a full buffer goes out before the flush");
    c.out->flush();
    check(received(c.peer, 9000 - 8 * 1024) == 9000 - 8 * 1024, "the rest goes at the flush");

    // A value split over two receives, and bytes beyond it kept for the next:
    // the second part is sent only once the reader has taken the first.
    int values[2] = {0, 0};
    std::thread reader([&] {
        values[0] = c.in->readInt();
        values[1] = c.in->readInt();
    });
    const char first[] = {0x2a, 0x00};
    const char second[] = {0x00, 0x00, 0x07, 0x00, 0x00, 0x00};
    send(c.peer, first, sizeof first, 0);
    check(wait_for_queue(c.stream->sock, 0, [](int count) { return count == 0; }), "the reader takes the first part");
    send(c.peer, second, sizeof second, 0);
    reader.join();
    check(values[0] == 42, "a split value is reassembled");
    check(values[1] == 7, "the bytes after it stay buffered");

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
