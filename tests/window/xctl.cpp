// xctl close WINDOW: ask a window to close as a window manager would.
// Every command waits for the server to carry it out: requests still queued
// when a client hangs up may be dropped.
// xctl unfocus: move the keyboard focus away, as switching windows does.
// xctl focus WINDOW: give a window the keyboard focus; status 0 once it has it.
// xctl await WINDOW PROPERTY: status 0 once the window has that property, 1
// when the window is gone or 60 s passed first; it sleeps on the server's
// events meanwhile, so a busy machine is not made busier.
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  auto* reply = xcb_intern_atom_reply(c, cookie, nullptr);
  xcb_atom_t a = reply ? reply->atom : 0;
  std::free(reply);
  return a;
}

int await_property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
  const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  // Selected before the first look, so that a change between the two is not missed.
  if (xcb_generic_error_t* err = xcb_request_check(
          c, xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask))) {
    std::free(err);
    return 1;  // no such window
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (;;) {
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr);
    const bool has = reply && reply->type != XCB_NONE;
    std::free(reply);
    if (has) return 0;
    bool again = false;
    while (!again) {
      while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
        const auto type = ev->response_type & 0x7f;
        const bool gone = type == XCB_DESTROY_NOTIFY;
        again = again || (type == XCB_PROPERTY_NOTIFY &&
                          reinterpret_cast<xcb_property_notify_event_t*>(ev)->atom == property);
        std::free(ev);
        if (gone) return 1;
      }
      if (xcb_connection_has_error(c)) return 1;
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                            deadline - std::chrono::steady_clock::now())
                            .count();
      if (left <= 0) return 1;
      if (!again) {
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&fd, 1, static_cast<int>(left));
      }
    }
  }
}
}  // namespace

int main(int argc, char** argv) {
  const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
  const bool unfocus = argc == 2 && std::strcmp(argv[1], "unfocus") == 0;
  const bool focus = argc == 3 && std::strcmp(argv[1], "focus") == 0;
  const bool await = argc == 4 && std::strcmp(argv[1], "await") == 0;
  if (!close && !unfocus && !focus && !await) {
    std::fprintf(stderr,
                 "usage: xctl close WINDOW | xctl focus WINDOW | xctl unfocus |"
                 " xctl await WINDOW PROPERTY\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "xctl: cannot open display\n");
    return 1;
  }
  if (await) {
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    const int status = await_property(c, window, atom(c, argv[3]));
    xcb_disconnect(c);
    return status;
  }
  if (unfocus) {
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    // A round trip, so the server has carried it out before we hang up.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  } else if (focus) {
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    auto* reply = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    const bool has = reply && reply->focus == window;
    std::free(reply);
    xcb_disconnect(c);
    return has ? 0 : 1;
  } else {
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = window;
    ev.type = atom(c, "WM_PROTOCOLS");
    ev.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    ev.data.data32[1] = XCB_CURRENT_TIME;
    auto cookie = xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                         reinterpret_cast<const char*>(&ev));
    if (xcb_generic_error_t* err = xcb_request_check(c, cookie)) {
      std::fprintf(stderr, "xctl: the window refused the message (error %d)\n", err->error_code);
      std::free(err);
      xcb_disconnect(c);
      return 1;
    }
  }
  xcb_flush(c);
  xcb_disconnect(c);
  return 0;
}
