#pragma once
// The environment is written only before any second thread exists: getenv
// on one thread while setenv moves the table on another reads freed
// memory. Plain C++, no Qt.
#include <cstddef>

namespace zandovik::app {

// set_default writes a variable the user has not set; seal ends all
// writing. After it, setenv, putenv, unsetenv and clearenv from any library
// of the process fail with EPERM and change nothing.
void set_env_default(const char* name, const char* value);
void set_env(const char* name, const char* value);
void seal_environment();
bool environment_sealed();
// Writes refused since the seal (the toolkit's unset of a launcher's
// startup id is one).
std::size_t env_writes_refused();

}  // namespace zandovik::app
