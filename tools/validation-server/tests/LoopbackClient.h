#pragma once

#include <string>

// A plain TCP client on 127.0.0.1, so tests control every byte on the wire.
class LoopbackClient {
  public:
    explicit LoopbackClient(unsigned short port);
    ~LoopbackClient();
    LoopbackClient(const LoopbackClient&) = delete;
    LoopbackClient& operator=(const LoopbackClient&) = delete;

    void send(const std::string& bytes);
    void halfClose();
    // Everything the server sends until it closes; throws on a socket error.
    std::string readToEnd();
    void close();

  private:
    int fd_ = -1;
};

// Sends a request and returns the whole answer.
std::string Exchange(unsigned short port, const std::string& request);
