#include "RequestReceiver.h"

namespace {

constexpr std::size_t kChunk = 16u << 10;
constexpr char kHeadEnd[] = "\r\n\r\n";

RequestFault FaultOf(ReadStatus status) {
    switch (status) {
    case ReadStatus::Stopped:
        return RequestFault::Stopped;
    case ReadStatus::Silent:
        return RequestFault::Silent;
    default:
        return RequestFault::ClientLeft;
    }
}

// Returns the offset just past the blank line, or 0 while the head is incomplete.
std::size_t ReadHead(Connection& connection, ReceivedRequest& request) {
    std::size_t searchFrom = 0;
    for (;;) {
        const auto end = request.raw.find(kHeadEnd, searchFrom);
        if (end != std::string::npos)
            return end + 4;
        if (request.raw.size() > kMaxHeadBytes) {
            request.fault = RequestFault::HeadTooLarge;
            return 0;
        }
        searchFrom = request.raw.size() < 3 ? 0 : request.raw.size() - 3;
        const ReadStatus status = connection.readSome(request.raw, kChunk);
        if (status != ReadStatus::Data) {
            request.fault = FaultOf(status);
            return 0;
        }
    }
}

// Reads until `bodyStart + length` bytes are in, or with `untilEof` until the client
// half-closes; false with the fault set otherwise.
bool ReadBody(Connection& connection, ReceivedRequest& request, std::size_t bodyStart,
              std::size_t length, bool untilEof) {
    while (untilEof || request.raw.size() - bodyStart < length) {
        if (request.raw.size() - bodyStart > kMaxBodyBytes) {
            request.fault = RequestFault::BodyTooLarge;
            return false;
        }
        const ReadStatus status = connection.readSome(request.raw, kChunk);
        if (status == ReadStatus::Eof && untilEof)
            return true;
        if (status != ReadStatus::Data) {
            request.fault = FaultOf(status);
            return false;
        }
    }
    return true;
}

} // namespace

ReceivedRequest ReceiveRequest(Connection& connection) {
    ReceivedRequest request;
    const std::size_t bodyStart = ReadHead(connection, request);
    if (bodyStart == 0)
        return request;
    auto head = ParseHttpHead(std::string_view(request.raw).substr(0, bodyStart - 4));
    if (!head) {
        request.fault = RequestFault::BadHead;
        return request;
    }
    request.head = std::move(*head);
    std::size_t length = 0;
    const LengthField field = ContentLength(request.head, length);
    if (field == LengthField::Malformed) {
        request.fault = RequestFault::BadLength;
        return request;
    }
    if (field == LengthField::Valid && length > kMaxBodyBytes) {
        request.fault = RequestFault::BodyTooLarge;
        return request;
    }
    // Only a POST carries a body without announcing its length; it ends at the half-close.
    const bool untilEof = field == LengthField::Absent && request.head.method == "POST";
    if (!ReadBody(connection, request, bodyStart, length, untilEof))
        return request;
    const std::size_t available = request.raw.size() - bodyStart;
    request.body = request.raw.substr(bodyStart, untilEof ? available : length);
    return request;
}
