#include "app/system/memory.h"

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace zandovik::app {

void need_room(double bytes) {
  void* volatile room = bytes < 1e18 ? std::malloc(static_cast<std::size_t>(bytes)) : nullptr;
  if (!room) {
    if (auto out_of_memory = std::get_new_handler()) out_of_memory();
  }
  std::free(room);
}

void tune_allocator() {
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
  // Each thread's own heap reserves 64 MiB of address space; two are plenty.
  mallopt(M_ARENA_MAX, 2);
}

bool enough_address_space() {
  constexpr rlim_t kMinAddressSpace = 256u << 20;
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
      limit.rlim_cur >= kMinAddressSpace)
    return true;
  std::fprintf(stderr,
               "zandovik: out of memory: needs %lu MiB of address space, the limit is %lu MiB\n",
               static_cast<unsigned long>(kMinAddressSpace >> 20),
               static_cast<unsigned long>(limit.rlim_cur >> 20));
  return false;
}

}  // namespace zandovik::app
