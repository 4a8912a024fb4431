#include "Server.h"

#include "Connection.h"
#include "Reply.h"
#include "RequestReceiver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int Listen(unsigned short port, unsigned short& boundPort) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    }
    boundPort = ntohs(address.sin_port);
    return fd;
}

} // namespace

Server::Server(const ServerOptions& options, const StopSignal& stop)
    : mode_(options.mode), stop_(stop), log_(options.logDir),
      listenFd_(Listen(options.port, port_)) {}

Server::~Server() {
    close(listenFd_);
}

void Server::run() {
    pollfd fds[2] = {{listenFd_, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("poll failed");
        }
        if (fds[1].revents)
            return;
        const int client = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0)
            serve(client);
    }
}

void Server::serve(int clientFd) {
    Connection connection(clientFd, stop_);
    const unsigned number = log_.next();
    const ReceivedRequest request = ReceiveRequest(connection);
    log_.writeRequest(number, request.raw);
    const bool stoppedWhileSlow = mode_.kind == FaultKind::Slow && !ClientIsGone(request.fault) &&
                                  !stop_.sleepFor(mode_.delayMs);
    const Reply reply = stoppedWhileSlow ? Reply{ReplyKind::Close, 0, "server stopped", false}
                                         : DecideReply(mode_, request);
    log_.writeVerdict(number, VerdictLine(reply));
    if (reply.kind == ReplyKind::Close)
        return;
    connection.sendAll(AnswerBytes(reply));
    if (reply.lingering)
        connection.lingeringClose();
}
