#pragma once
// The session bus, asked once before the toolkit starts whether it answers.
// The toolkit's accessibility bridge asks the bus synchronously while the
// window is first shown; a bus that takes connections but never answers (a
// stopped daemon) would leave the window unpainted for good. A bus that
// answers is left as it is, so a screen reader works as ever. Plain C++.
#include <string>

namespace zandovik::app {

enum class BusAnswer {
  answers,  // or refuses at once: the toolkit's own calls end at once too
  silent,   // took the connection, said nothing within the time allowed
  unknown,  // not a local socket we can ask (another transport, no address)
};

// The bus at `address` (DBUS_SESSION_BUS_ADDRESS; empty: the one in
// `runtime_dir`, as the bus library looks for it), given `timeout_ms` to
// answer the first line of a connection.
BusAnswer ask_session_bus(const std::string& address, const std::string& runtime_dir,
                          int timeout_ms);

// The first local socket of a bus address, "@name" for an abstract one;
// empty if there is none.
std::string bus_socket(const std::string& address);

// While the environment may be written: a silent session bus is taken away
// from this process (its address pointed at nothing), with one line said.
void keep_off_a_silent_bus();

}  // namespace zandovik::app
