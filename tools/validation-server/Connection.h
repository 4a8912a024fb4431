#pragma once

#include "StopSignal.h"

#include <cstddef>
#include <string>

enum class ReadStatus { Data, Eof, Stopped, Silent, Failed };

// One accepted client socket; owns the descriptor. Every wait also watches the stop
// signal and gives up after an idle timeout, so no client can hold the server.
class Connection {
  public:
    Connection(int fd, const StopSignal& stop);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Appends up to `max` bytes to `into`.
    ReadStatus readSome(std::string& into, std::size_t max);
    bool sendAll(const std::string& bytes);

    // Ends our side, then discards what the client still sends until it closes, so the
    // kernel does not reset the connection over unread input before the answer is read.
    void lingeringClose();

  private:
    ReadStatus waitReadable(int timeoutMs);

    int fd_;
    const StopSignal& stop_;
};
