#pragma once

#include <string>

// What a submission needs of the application that runs it; the front end
// supplies these.
namespace submit_host {

// The application name, sent as the user agent.
std::string UserAgent();
void BeginWaitCursor();
void EndWaitCursor();

} // namespace submit_host
