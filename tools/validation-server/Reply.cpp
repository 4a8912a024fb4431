#include "Reply.h"

#include "FormFields.h"
#include "SubmissionCheck.h"

namespace {

const char kGarbage[] = "this is not http\r\n\r\n";

const char* ReasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 413:
        return "Payload Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

bool ForbidsBody(int status) {
    return status < 200 || status == 204 || status == 304;
}

Reply Respond(int status, std::string reason, bool lingering = false) {
    return {ReplyKind::Answer, status, std::move(reason), lingering};
}

const char* GoneReason(RequestFault fault) {
    switch (fault) {
    case RequestFault::Stopped:
        return "server stopped";
    case RequestFault::Silent:
        return "client went silent";
    default:
        return "client left before the request was complete";
    }
}

Reply Validate(const ReceivedRequest& request) {
    switch (request.fault) {
    case RequestFault::HeadTooLarge:
        return Respond(400, "request head too large", true);
    case RequestFault::BadHead:
        return Respond(400, "malformed request head", true);
    case RequestFault::BadLength:
        return Respond(400, "malformed Content-Length", true);
    case RequestFault::BodyTooLarge:
        return Respond(413, "body too large", true);
    default:
        break;
    }
    if (request.head.method != "POST" || !IsValidationTarget(request.head.target))
        return Respond(404, "no such resource");
    std::string error;
    const auto submission = DecodeSubmission(request.body, error);
    if (!submission)
        return Respond(400, error);
    const CheckResult check = CheckSubmission(*submission);
    return Respond(check.accepted ? 200 : 403, check.reason);
}

} // namespace

Reply DecideReply(const FaultMode& mode, const ReceivedRequest& request) {
    if (ClientIsGone(request.fault))
        return {ReplyKind::Close, 0, GoneReason(request.fault), false};
    const bool unread = request.fault != RequestFault::None;
    switch (mode.kind) {
    case FaultKind::Status:
        return Respond(mode.status, "forced by mode status:" + std::to_string(mode.status), unread);
    case FaultKind::Close:
        return {ReplyKind::Close, 0, "forced by mode close", false};
    case FaultKind::Garbage:
        return {ReplyKind::Garbage, 0, "forced by mode garbage", unread};
    default:
        return Validate(request);
    }
}

std::string VerdictLine(const Reply& reply) {
    switch (reply.kind) {
    case ReplyKind::Close:
        return "closed " + reply.reason;
    case ReplyKind::Garbage:
        return "garbage " + reply.reason;
    default:
        return std::to_string(reply.status) + " " + reply.reason;
    }
}

std::string AnswerBytes(const Reply& reply) {
    if (reply.kind == ReplyKind::Garbage)
        return kGarbage;
    const std::string body = ForbidsBody(reply.status) ? "" : reply.reason + "\n";
    return "HTTP/1.0 " + std::to_string(reply.status) + " " + ReasonPhrase(reply.status) +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}
