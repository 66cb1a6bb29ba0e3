#include "app/modules/pads.h"

#include "app/modules/modules.h"

namespace zandovik::app {

struct Gamepads::Module {
  decltype(&zandovik_pads_open) open = nullptr;
  decltype(&zandovik_pads_read) read = nullptr;
  decltype(&zandovik_pads_close) close = nullptr;
  ZandovikPads* pads = nullptr;
};

Gamepads::Gamepads() {
  auto m = std::make_unique<Module>();
  if (!open_module("libzandovik-pads.so", QT_TRANSLATE_NOOP("modules", "gamepads"),
                   std::pair{"zandovik_pads_open", &m->open},
                   std::pair{"zandovik_pads_read", &m->read},
                   std::pair{"zandovik_pads_close", &m->close}))
    return;
  m->pads = m->open();
  if (m->pads) module_ = std::move(m);
}

Gamepads::~Gamepads() {
  if (module_) module_->close(module_->pads);
}

ZandovikPadsRead Gamepads::read() {
  ZandovikPadsRead r{};
  if (module_) module_->read(module_->pads, &r);
  return r;
}

}  // namespace zandovik::app
