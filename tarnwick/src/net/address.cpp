#include "tarnwick/net/address.hpp"

#include <cerrno>
#include <cstring>
#include <memory>

#include <netdb.h>

#include "tarnwick/net/os_error.hpp"

namespace tarnwick::net {

std::string SocketAddress::to_string() const {
    char host[NI_MAXHOST];
    char service[NI_MAXSERV];
    if (::getnameinfo(get(), length, host, sizeof host, service, sizeof service,
                      NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
        return "(unknown address)";
    }
    if (family() == AF_INET6) {
        return std::string("[") + host + "]:" + service;
    }
    return std::string(host) + ":" + service;
}

std::vector<SocketAddress> resolve(const std::string& host, std::uint16_t port, Purpose purpose) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_NUMERICSERV | (purpose == Purpose::Listen ? AI_PASSIVE : 0);
    const std::string service = std::to_string(port);
    const std::string context = "Could not resolve " + host + ":" + service;

    addrinfo* found = nullptr;
    const int status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (status == EAI_SYSTEM) {
        throw os_error(errno, context);
    }
    if (status != 0) {
        const auto kind = status == EAI_NONAME ? pakko::ErrorKind::NotFound : pakko::ErrorKind::Os;
        throw pakko::IoError(kind, context + ": " + ::gai_strerror(status));
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, &::freeaddrinfo);

    std::vector<SocketAddress> addresses;
    for (const addrinfo* info = found; info != nullptr; info = info->ai_next) {
        if (info->ai_addrlen > sizeof(sockaddr_storage)) {
            continue;
        }
        SocketAddress address;
        std::memcpy(&address.storage, info->ai_addr, info->ai_addrlen);
        address.length = info->ai_addrlen;
        addresses.push_back(address);
    }
    if (addresses.empty()) {
        throw pakko::IoError(pakko::ErrorKind::NotFound, context + ": no address found");
    }
    return addresses;
}

}  // namespace tarnwick::net
