#include "SubmitSignedRequest.h"

#include "FormEncoding.h"
#include "SubmitHost.h"
#include "core/Texts.h"

#include <curl/curl.h>

namespace {

const char kUrl[] = "http://www.corvalen.org/validation/signed_request.jsp";

// The answer's body is never read.
size_t DiscardBody(char*, size_t size, size_t count, void*) {
    return size * count;
}

// Sends the request and reads the status; the caller closes what was opened.
bool Exchange(CURL* curl, curl_slist* headers, const std::string& body,
              const std::string& userAgent) {
    curl_easy_setopt(curl, CURLOPT_URL, kUrl);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardBody);
    long status = 0;
    return curl_easy_perform(curl) == CURLE_OK &&
           curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status == 200;
}

} // namespace

bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                         std::string& reason) {
    // Built before the busy cursor shows, so a failed allocation cannot leave it.
    const std::string body = BuildFormBody(certText, record, signatureText);
    const std::string userAgent = submit_host::UserAgent();
    submit_host::BeginWaitCursor();
    CURL* curl = curl_easy_init();
    // The one header line of our own; an empty "Accept:" drops curl's default.
    curl_slist* headers =
        curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
    curl_slist* withAccept = headers ? curl_slist_append(headers, "Accept:") : nullptr;
    const bool accepted = curl && withAccept && Exchange(curl, withAccept, body, userAgent);
    if (!accepted)
        reason = texts::kConnectionFailure;
    submit_host::EndWaitCursor();
    curl_slist_free_all(headers);
    if (curl)
        curl_easy_cleanup(curl);
    return accepted;
}
