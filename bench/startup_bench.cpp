// startup_bench ORVELLE EMPTY RUNS: under the X display in $DISPLAY, starts the program and a
// minimal Qt program by turns and times, from the process start, the first window mapped and the
// main window mapped (watched through the root window's map events, not polled), then reads each
// program's private memory once it is idle. Prints the medians and the ratios.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Run {
    double firstMs = -1, mainMs = -1;
    long privateKb = -1;
};

std::string WindowName(xcb_connection_t* c, xcb_window_t w)
{
    const auto cookie = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

long PrivateKb(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long kb = 0;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Private_Dirty:", 0) == 0)
            kb = std::atol(line.c_str() + 14);
    return kb;
}

// Starts exe and waits for a mapped top-level window whose name begins with mainPrefix.
Run Measure(xcb_connection_t* c, const char* exe, const char* mainPrefix)
{
    Run run;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(exe, exe, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto ms = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    while (run.mainMs < 0) {
        xcb_generic_event_t* e = xcb_wait_for_event(c);
        if (!e)
            break;
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!map->override_redirect) {
                const double t = ms();
                if (run.firstMs < 0)
                    run.firstMs = t;
                if (WindowName(c, map->window).rfind(mainPrefix, 0) == 0)
                    run.mainMs = t;
            }
        }
        std::free(e);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // idle
    run.privateKb = PrivateKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench ORVELLE EMPTY RUNS\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const int runs = std::atoi(argv[3]);
    std::vector<double> oFirst, oMain, eFirst, eMain, oMem, eMem;
    for (int i = 0; i < runs; ++i) {
        const Run o = Measure(c, argv[1], "Orvelle - ");
        const Run e = Measure(c, argv[2], "Empty");
        oFirst.push_back(o.firstMs), oMain.push_back(o.mainMs), oMem.push_back(static_cast<double>(o.privateKb));
        eFirst.push_back(e.firstMs), eMain.push_back(e.mainMs), eMem.push_back(static_cast<double>(e.privateKb));
    }
    const double of = Median(oFirst), om = Median(oMain), ef = Median(eFirst), em = Median(eMain);
    std::printf("start-up over %d alternated runs (medians)\n", runs);
    std::printf("  first window mapped: Orvelle %.1f ms, empty Qt window %.1f ms, ratio %.2f\n", of, ef, of / ef);
    std::printf("  main window mapped:  Orvelle %.1f ms, empty Qt window %.1f ms, ratio %.2f\n", om, em, om / em);
    std::printf("  private dirty memory when idle: Orvelle %.1f MB, empty Qt window %.1f MB, difference %.1f MB\n",
                Median(oMem) / 1024, Median(eMem) / 1024, (Median(oMem) - Median(eMem)) / 1024);
    xcb_disconnect(c);
    return 0;
}
