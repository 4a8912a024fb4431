// One call of an entry point: reaches the store and the certificate, records the
// failure text, and on leaving appends the call's line to calls.log:
//   <function>[ <identity>][ <name>=<value>]... => <result>[ <name>=<value>]...
#pragma once
#include "Library.h"

#include <string>
#include <string_view>

class Call {
  public:
    explicit Call(std::string function);
    Call(std::string function, void* cert);
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;
    ~Call();

    // Null after failing the call with the reason the store cannot be loaded.
    Store* store();
    // The certificate given; null after failing the call.
    CertState* cert();
    // True after failing the call: by the step's behaviour switch, or as the store cannot load.
    bool failedBySwitch(std::string_view step);

    void argument(std::string_view name, std::string_view value);
    void output(std::string_view name, std::string_view value);
    // Replaces the logged result, for tqsl_getErrorString.
    void logResult(std::string text) { loggedResult_ = std::move(text); }

    int fail(const ErrorText& text);
    int succeed();
    int result() const { return result_; }

  private:
    Library& library_;
    std::string function_;
    void* cert_ = nullptr;
    bool hasCert_ = false;
    std::string arguments_;
    std::string outputs_;
    std::string loggedResult_;
    int result_ = 0;
};
