#include "LoopbackClient.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

LoopbackClient::LoopbackClient(unsigned short port) {
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (fd_ < 0 || connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot connect to 127.0.0.1:" + std::to_string(port));
}

LoopbackClient::~LoopbackClient() {
    close();
}

void LoopbackClient::send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error("send failed");
        sent += static_cast<std::size_t>(n);
    }
}

void LoopbackClient::halfClose() {
    shutdown(fd_, SHUT_WR);
}

std::string LoopbackClient::readToEnd() {
    std::string received;
    char buffer[4096];
    for (;;) {
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw std::runtime_error("recv failed");
        if (n == 0)
            return received;
        received.append(buffer, static_cast<std::size_t>(n));
    }
}

void LoopbackClient::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::string Exchange(unsigned short port, const std::string& request) {
    LoopbackClient client(port);
    client.send(request);
    return client.readToEnd();
}
