#include "SubmitSignedRequest.h"

#include "CurlLibrary.h"
#include "FormEncoding.h"
#include "SubmitHost.h"
#include "core/Texts.h"

namespace {

const char kUrl[] = "http://www.corvalen.org/validation/signed_request.jsp";

// The answer's body is never read.
size_t DiscardBody(char*, size_t size, size_t count, void*) {
    return size * count;
}

// Appends a header line; false, with the list as it was, when out of memory.
bool AddHeader(const CurlLibrary& curl, curl_slist*& headers, const char* line) {
    curl_slist* longer = curl.slist_append(headers, line);
    if (longer)
        headers = longer;
    return longer != nullptr;
}

// Sends the request and reads the status; the caller closes what was opened.
bool Exchange(const CurlLibrary& curl, CURL* easy, curl_slist* headers, const std::string& body,
              const std::string& userAgent) {
    curl.easy_setopt(easy, CURLOPT_URL, kUrl);
    curl.easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl.easy_setopt(easy, CURLOPT_POST, 1L);
    curl.easy_setopt(easy, CURLOPT_POSTFIELDS, body.data());
    curl.easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl.easy_setopt(easy, CURLOPT_USERAGENT, userAgent.c_str());
    curl.easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl.easy_setopt(easy, CURLOPT_WRITEFUNCTION, DiscardBody);
    long status = 0;
    return curl.easy_perform(easy) == CURLE_OK &&
           curl.easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status == 200;
}

} // namespace

bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                         std::string& reason) {
    // Built before the busy cursor shows, so a failed allocation cannot leave it.
    const std::string body = BuildFormBody(certText, record, signatureText);
    const std::string userAgent = submit_host::UserAgent();
    submit_host::BeginWaitCursor();
    const CurlLibrary* curl = LoadCurl();
    CURL* easy = curl ? curl->easy_init() : nullptr;
    curl_slist* headers = nullptr;
    // The one header line of our own; an empty "Accept:" drops curl's default.
    const bool accepted =
        easy && AddHeader(*curl, headers, "Content-Type: application/x-www-form-urlencoded") &&
        AddHeader(*curl, headers, "Accept:") && Exchange(*curl, easy, headers, body, userAgent);
    if (!accepted)
        reason = texts::kConnectionFailure;
    submit_host::EndWaitCursor();
    if (headers)
        curl->slist_free_all(headers);
    if (easy)
        curl->easy_cleanup(easy);
    return accepted;
}
