#include "app/shell/environment.h"

#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "app/shell/signals.h"

namespace zandovik::app {

namespace {

std::atomic<bool> g_sealed{false};
std::atomic<std::size_t> g_refused{0};

// True (and counted) when a write must be refused.
bool refuse_write() {
  if (!g_sealed.load(std::memory_order_acquire)) return false;
  g_refused.fetch_add(1, std::memory_order_relaxed);
  errno = EPERM;
  return true;
}

template <typename F>
F real(const char* name) {
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

void set_env_default(const char* name, const char* value) {
  const char* now = std::getenv(name);
  if (!now || !*now) set_env(name, value);
}

void set_env(const char* name, const char* value) {
  if (g_sealed.load()) {
    say("zandovik: internal error: the environment is written after it was sealed\n");
    std::abort();
  }
  ::setenv(name, value, 1);
}

void seal_environment() {
  g_sealed.store(true, std::memory_order_release);
}

bool environment_sealed() {
  return g_sealed.load(std::memory_order_acquire);
}

std::size_t env_writes_refused() {
  return g_refused.load(std::memory_order_relaxed);
}

}  // namespace zandovik::app

// The process's environment writers, in place of the C library's (exported
// from the executable, so every library's calls come here): once sealed,
// they refuse. The toolkit unsets a launcher's startup id while starting,
// beside the threads that record the game and start the painting threads.
extern "C" {

int setenv(const char* name, const char* value, int overwrite) noexcept {
  if (zandovik::app::refuse_write()) return -1;
  static const auto next = zandovik::app::real<int (*)(const char*, const char*, int)>("setenv");
  return next(name, value, overwrite);
}

int unsetenv(const char* name) noexcept {
  if (zandovik::app::refuse_write()) return -1;
  static const auto next = zandovik::app::real<int (*)(const char*)>("unsetenv");
  return next(name);
}

int putenv(char* string) noexcept {
  if (zandovik::app::refuse_write()) return -1;
  static const auto next = zandovik::app::real<int (*)(char*)>("putenv");
  return next(string);
}

int clearenv() noexcept {
  if (zandovik::app::refuse_write()) return -1;
  static const auto next = zandovik::app::real<int (*)()>("clearenv");
  return next();
}
}
