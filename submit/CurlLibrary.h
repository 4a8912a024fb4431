#pragma once

#include <curl/curl.h>

// libcurl's easy interface, loaded on the first submission rather than with
// the program: its two dozen dependent libraries would otherwise slow every
// start of the wizard by more than its whole first page takes.
struct CurlLibrary {
    CURL* (*easy_init)();
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...);
    CURLcode (*easy_perform)(CURL*);
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...);
    void (*easy_cleanup)(CURL*);
    curl_slist* (*slist_append)(curl_slist*, const char*);
    void (*slist_free_all)(curl_slist*);
};

// Null when libcurl cannot be loaded or lacks a function. Stays loaded.
const CurlLibrary* LoadCurl();
