#pragma once

#include "Options.h"
#include "RequestReceiver.h"

#include <string>

enum class ReplyKind { Answer, Close, Garbage };

struct Reply {
    ReplyKind kind;
    int status; // ReplyKind::Answer
    std::string reason;
    // Set when unread request bytes may remain, so the socket must drain before closing.
    bool lingering;
};

// What the server answers to one received request under the given fault mode.
Reply DecideReply(const FaultMode& mode, const ReceivedRequest& request);

// The verdict log line without newline: the status sent, or "closed"/"garbage", then the reason.
std::string VerdictLine(const Reply& reply);

// The full HTTP/1.0 answer: status line, Content-Type, Content-Length, Connection: close
// and the reason as a text body (none for statuses that forbid one).
std::string AnswerBytes(const Reply& reply);
