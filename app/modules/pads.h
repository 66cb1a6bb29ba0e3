#pragma once
// The gamepads: the module that reads them (app/pad_module.cpp, on SDL) is
// loaded after the first frame, as the sound is. No module, no SDL: no
// pads, and at most one line on stderr.
#include <memory>

#include "app/modules/pad_module.h"

namespace zandovik::app {

class Gamepads {
 public:
  Gamepads();
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  bool available() const { return module_ != nullptr; }
  // What the pads did since the last read; all zero without the module.
  ZandovikPadsRead read();

 private:
  struct Module;
  std::unique_ptr<Module> module_;
};

}  // namespace zandovik::app
