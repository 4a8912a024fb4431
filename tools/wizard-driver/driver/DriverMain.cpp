// The outside hand of the end-to-end tests: reads one command a line on stdin,
// drives the wizard as a person would, answers one line on stdout.
#include "Session.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

bool readLine(std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c != EOF || !line.empty();
}

} // namespace

int main() {
    // The reader is a Linux process: answers end in "\n" alone.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    wizard_driver::Session session;
    std::string line;
    while (!session.finished() && readLine(line)) {
        const std::string answer = session.answer(line) + "\n";
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}
