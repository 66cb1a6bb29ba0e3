#pragma once
// The game's own modules (the sound, the gamepads): loaded when first
// needed, beside the game in a build tree, else where the package puts them.
class QLibrary;
class QString;

namespace zandovik::app {

// The module `file` loaded, or null with `error` saying why. Kept for the
// process's life, as a module with a thread of its own must be.
QLibrary* load_module(const char* file, QString& error);

}  // namespace zandovik::app
