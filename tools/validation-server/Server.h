#pragma once

#include "Options.h"
#include "RequestLog.h"
#include "StopSignal.h"

// Listens on 127.0.0.1 only and serves one connection at a time until stopped.
class Server {
  public:
    Server(const ServerOptions& options, const StopSignal& stop);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    unsigned short port() const { return port_; }
    void run();

  private:
    void serve(int clientFd);

    const FaultMode mode_;
    const StopSignal& stop_;
    RequestLog log_;
    int listenFd_;
    unsigned short port_;
};
