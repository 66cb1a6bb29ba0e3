// cursor_probe: prints "hidden" when the pointer's cursor shows no pixel,
// "shown" otherwise (XFixes' image of the current cursor); status 2 when
// the X server cannot tell.
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "cursor_probe: cannot open display\n");
    return 2;
  }
  std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 4, 0), nullptr));
  auto* image = xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
  if (!image) {
    std::fprintf(stderr, "cursor_probe: no cursor image from the server\n");
    return 2;
  }
  const std::uint32_t* pixels = xcb_xfixes_get_cursor_image_cursor_image(image);
  const int n = xcb_xfixes_get_cursor_image_cursor_image_length(image);
  bool any = false;
  for (int i = 0; i < n && !any; ++i) any = (pixels[i] >> 24) != 0;
  std::printf("%s\n", any ? "shown" : "hidden");
  std::free(image);
  xcb_disconnect(c);
  return 0;
}
