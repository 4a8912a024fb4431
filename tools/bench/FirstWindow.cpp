// first-window TITLE TIMEOUT_MS PROGRAM [ARG...]: starts the program and
// prints "<milliseconds> <pid>" once the X server maps a top-level window of
// that title. Listens before the program starts, so no map is missed; leaves
// the program running for the caller to drive.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Property(Display* display, Window window, Atom name) {
    Atom type;
    int format;
    unsigned long count, left;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &left, &data) == Success &&
        data) {
        text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: first-window TITLE TIMEOUT_MS PROGRAM [ARG...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[2]));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first-window: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        // Our output is only the timing; the caller may be reading it to its end.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execv(argv[3], argv + 3);
        _exit(127);
    }
    while (std::chrono::steady_clock::now() - start < timeout) {
        if (!XPending(display)) {
            pollfd x{ConnectionNumber(display), POLLIN, 0};
            poll(&x, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        const Window window = event.xmap.window;
        if (Property(display, window, netName) == title ||
            Property(display, window, XA_WM_NAME) == title) {
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            std::printf("%.1f %d\n", elapsed.count(), static_cast<int>(pid));
            return 0;
        }
    }
    std::fprintf(stderr, "first-window: no window \"%s\" in time\n", title.c_str());
    return 1;
}
