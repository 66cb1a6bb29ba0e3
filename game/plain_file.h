#pragma once
// Reading a small file from outside whole: opened without waiting, looked
// at on its descriptor before a byte is read (only a plain file), read
// within a byte budget.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace zandovik::game {

// "FILE: what is wrong".
struct PlainFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The whole text of `path`. `kind` names what it should be ("a best-games
// table") in refusals: a folder, a FIFO, a device or anything over
// `max_bytes` is refused.
std::string read_plain_file(const std::string& path, std::size_t max_bytes,
                            const std::string& kind);

}  // namespace zandovik::game
