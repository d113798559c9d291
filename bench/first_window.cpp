// bench-first-window SETTLE_MS PROGRAM [ARGUMENT...]
//
// Starts the program on the X display and prints, on one line, the milliseconds from its start
// to the moment the X server maps its first top-level window, and its peak memory in KiB. The
// program gets SETTLE_MS more to draw the window, then it is ended. Exit status 1 when no
// window came within a minute or the program ended first.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
  void operator()(void* pointer) const { std::free(pointer); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The process that says it owns the window; 0 when it says nothing.
pid_t ownerOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom) {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
      nullptr));
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return 0;
  return static_cast<pid_t>(
      *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())));
}

// Waits for the map of a top-level window of the program (or of a process it started);
// false when none came in time or the program ended.
bool waitForFirstWindow(xcb_connection_t* connection, xcb_atom_t pidAtom, pid_t program,
                        Clock::time_point deadline) {
  pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const Reply<xcb_generic_event_t> owned(event);
      if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
      if (map->override_redirect) continue;
      // Another program's window (a Wine service's, say) does not count.
      const pid_t owner = ownerOf(connection, map->window, pidAtom);
      if (owner == 0 || owner == program || getpgid(owner) == program) return true;
    }
    if (xcb_connection_has_error(connection) != 0) return false;
    if (waitpid(program, nullptr, WNOHANG) != 0 || Clock::now() > deadline) return false;
    poll(&server, 1, 20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: bench-first-window SETTLE_MS PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  const auto settle = std::chrono::milliseconds(std::atoi(argv[1]));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "bench-first-window: no X display (%d)\n",
                 xcb_connection_has_error(connection));
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  const Reply<xcb_generic_error_t> refused(xcb_request_check(
      connection,
      xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &events)));
  if (refused) return 1;
  const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");

  const Clock::time_point start = Clock::now();
  const pid_t program = fork();
  if (program == 0) {
    setpgid(0, 0);  // its own group, so that whatever it starts ends with it
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  setpgid(program, program);
  const bool shown =
      waitForFirstWindow(connection, pidAtom, program, start + std::chrono::seconds(60));
  const double milliseconds =
      std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (shown) usleep(static_cast<useconds_t>(settle.count() * 1000));

  kill(-program, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(program, &status, 0, &usage);
  xcb_disconnect(connection);
  if (!shown) {
    std::fprintf(stderr, "bench-first-window: %s showed no window\n", argv[2]);
    return 1;
  }
  std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
  return 0;
}
