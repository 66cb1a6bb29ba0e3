#pragma once
// Memory: the allocator tuned, the address space checked, room asked for
// ahead of what cannot fail cleanly. Plain C++, no Qt.

namespace zandovik::app {

// Large freed blocks go back to the system, and few per-thread heaps are
// made, so resident memory follows the window's size.
void tune_allocator();

// Below this much address space the toolkit's own C libraries fail in ways
// that cannot be caught: false, with the line said, if the limit is lower.
bool enough_address_space();

// Room for this many bytes, or the new handler's clean end (out of memory).
// For what a library will allocate where a failure cannot be caught.
void need_room(double bytes);

}  // namespace zandovik::app
