#include "app/pads.h"

#include <QLibrary>
#include <cstdio>

#include "app/modules.h"

namespace zandovik::app {

struct Gamepads::Module {
  decltype(&zandovik_pads_open) open = nullptr;
  decltype(&zandovik_pads_read) read = nullptr;
  decltype(&zandovik_pads_close) close = nullptr;
  ZandovikPads* pads = nullptr;
};

Gamepads::Gamepads() {
  QString error;
  QLibrary* lib = load_module("libzandovik-pads.so", error);
  if (!lib) {
    std::fprintf(stderr, "zandovik: no gamepads: %s\n", error.toLocal8Bit().constData());
    return;
  }
  auto m = std::make_unique<Module>();
  m->open = reinterpret_cast<decltype(m->open)>(lib->resolve("zandovik_pads_open"));
  m->read = reinterpret_cast<decltype(m->read)>(lib->resolve("zandovik_pads_read"));
  m->close = reinterpret_cast<decltype(m->close)>(lib->resolve("zandovik_pads_close"));
  if (!m->open || !m->read || !m->close) {
    std::fprintf(stderr, "zandovik: no gamepads: the gamepad module is of another version\n");
    return;
  }
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
