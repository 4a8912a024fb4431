#include "SubmitSignedRequest.h"

#include "FormEncoding.h"
#include "core/Texts.h"
#include "toolkit/WinApp.h"

#include <wininet.h>

#include <cstring>

namespace {

const char kServerHost[] = "www.corvalen.org";
const char kResource[] = "/validation/signed_request.jsp";
const char kContentType[] = "Content-Type: application/x-www-form-urlencoded";

// Opens the request, sends it and reads the status; the caller closes what
// was opened.
bool Exchange(HINTERNET internet, HINTERNET& connection, HINTERNET& request, std::string& body) {
    connection = InternetConnectA(internet, kServerHost, INTERNET_DEFAULT_HTTP_PORT, nullptr,
                                  nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!connection)
        return false;
    request = HttpOpenRequestA(connection, "POST", kResource, "HTTP/1.0", nullptr, nullptr,
                               INTERNET_FLAG_KEEP_CONNECTION, 0);
    if (!request)
        return false;
    if (!HttpSendRequestA(request, kContentType, sizeof kContentType - 1, &body[0],
                          static_cast<DWORD>(body.size())))
        return false;
    char status[32] = {};
    DWORD length = sizeof status - 1;
    return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE, status, &length, nullptr) &&
           std::strcmp(status, "200") == 0;
}

} // namespace

bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                         std::string& reason) {
    // Built before the busy cursor shows, so a failed allocation cannot leave it.
    std::string body = BuildFormBody(certText, record, signatureText);
    CWinApp* app = AfxGetApp();
    app->BeginWaitCursor();
    HINTERNET internet =
        InternetOpenA(app->AppName(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection = nullptr, request = nullptr;
    const bool accepted = internet && Exchange(internet, connection, request, body);
    if (request)
        InternetCloseHandle(request);
    if (connection)
        InternetCloseHandle(connection);
    if (!accepted)
        reason = texts::kConnectionFailure;
    app->EndWaitCursor();
    if (internet)
        InternetCloseHandle(internet);
    return accepted;
}
