#pragma once

#include "Connection.h"
#include "HttpHead.h"

#include <cstddef>
#include <string>

enum class RequestFault {
    None,
    ClientLeft,   // EOF or socket error before the request was complete
    Stopped,      // the server was told to stop meanwhile
    Silent,       // the client stalled past the idle timeout
    HeadTooLarge, // no blank line within the head limit
    BadHead,
    BadLength,
    BodyTooLarge,
};

// The faults after which no answer can or need be sent.
inline bool ClientIsGone(RequestFault fault) {
    return fault == RequestFault::ClientLeft || fault == RequestFault::Stopped ||
           fault == RequestFault::Silent;
}

struct ReceivedRequest {
    std::string raw; // every byte read from the client, for the log
    RequestFault fault = RequestFault::None;
    HttpHead head;
    std::string body;
};

constexpr std::size_t kMaxHeadBytes = 64u << 10;
constexpr std::size_t kMaxBodyBytes = 1u << 20;

// Reads one HTTP/1.0 request: the head up to CRLFCRLF, then Content-Length bytes of
// body; a POST without Content-Length reads until the client half-closes, any other
// request without it has no body.
ReceivedRequest ReceiveRequest(Connection& connection);
