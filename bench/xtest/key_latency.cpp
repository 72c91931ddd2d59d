// Key-to-pixel latency of a window through XTEST: each key press is sent as a real X key event,
// then the window's pixels are read until they change. Also fills a window with key presses.
// Usage: key_latency WINDOW fill COUNT KEYSYM     (presses KEYSYM COUNT times, then waits)
//        key_latency WINDOW measure COUNT         (alternates 1 and keypad +, prints latencies)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char> pixels(Display *display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    std::vector<char> bytes(image->data,
                            image->data + std::size_t(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return bytes;
}

void press(Display *display, KeySym keysym)
{
    const KeyCode code = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

// Milliseconds until the window's pixels differ from before, or -1 after two seconds.
double changeAfter(Display *display, Window window, KeySym keysym)
{
    const std::vector<char> before = pixels(display, window);
    const auto start = Clock::now();
    press(display, keysym);
    while (Clock::now() - start < std::chrono::seconds(2)) {
        if (pixels(display, window) != before)
            return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: key_latency WINDOW fill COUNT KEYSYM | measure COUNT\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const Window window = Window(std::strtoul(argv[1], nullptr, 0));
    const std::string mode = argv[2];
    const int count = std::atoi(argv[3]);
    if (mode == "fill" && argc == 5) {
        const KeySym keysym = XStringToKeysym(argv[4]);
        for (int i = 0; i < count; ++i) {
            press(display, keysym);
            if (i % 500 == 0)
                XSync(display, False);
        }
        XSync(display, False);
        return 0;
    }
    std::vector<double> samples;
    for (int i = 0; i < count; ++i) {
        const double ms = changeAfter(display, window, i % 2 == 0 ? XK_1 : XK_KP_Add);
        if (ms >= 0)
            samples.push_back(ms);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::sort(samples.begin(), samples.end());
    if (samples.empty())
        return 1;
    std::printf("%zu %.3f %.3f\n", samples.size(), samples[samples.size() / 2],
                samples[samples.size() * 9 / 10]);
    XCloseDisplay(display);
    return 0;
}
