// xctl close WINDOW: ask a window to close as a window manager would.
// Every command waits for the server to carry it out: requests still queued
// when a client hangs up may be dropped.
// xctl unfocus: move the keyboard focus away, as switching windows does.
// xctl focus WINDOW: give a window the keyboard focus; status 0 once it has it.
#include <xcb/xcb.h>

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
}  // namespace

int main(int argc, char** argv) {
  const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
  const bool unfocus = argc == 2 && std::strcmp(argv[1], "unfocus") == 0;
  const bool focus = argc == 3 && std::strcmp(argv[1], "focus") == 0;
  if (!close && !unfocus && !focus) {
    std::fprintf(stderr, "usage: xctl close WINDOW | xctl focus WINDOW | xctl unfocus\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "xctl: cannot open display\n");
    return 1;
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
