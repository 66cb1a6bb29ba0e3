#pragma once
// The game's own modules (the sound, the gamepads): loaded when first
// needed, beside the game in a build tree, else where the package puts them.
#include <QFunctionPointer>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace zandovik::app {

// The module `file` loaded and each of `names` resolved into `out`, in
// order. False if it cannot be had: "zandovik: no <what>: <why>" is said,
// once in the process's life, in the player's language (`what` is marked
// with QT_TRANSLATE_NOOP("modules", ...)). A module loaded is kept for the process's
// life, as a module with a thread of its own must be.
bool open_module(const char* file, const char* what, std::initializer_list<const char*> names,
                 QFunctionPointer* out);

// The same, each name resolved into the function pointer paired with it.
template <typename... F>
bool open_module(const char* file, const char* what, std::pair<const char*, F*>... symbols) {
  QFunctionPointer found[sizeof...(F)];
  if (!open_module(file, what, {symbols.first...}, found)) return false;
  std::size_t i = 0;
  ((*symbols.second = reinterpret_cast<F>(found[i++])), ...);
  return true;
}

}  // namespace zandovik::app
