#pragma once
// Between the window and the game's gamepad module (libzandovik-pads.so),
// which the window loads after the first frame: plain C, so either side
// can be built on its own.
#define ZANDOVIK_PADS_EXPORT __attribute__((visibility("default")))

extern "C" {

struct ZandovikPads;

// What the pads did since the last read.
struct ZandovikPadsRead {
  int direction;  // held now over all pads: -1 left, 1 right, 0 neither or both
  int south;      // presses of the south button (A, Cross)
  int start;      // presses of Start
  int pads;       // pads plugged in now
  int back;       // presses of Back (Select, Share): the game's menu
};

// The pads, input only; null, with a line said, where they cannot start.
ZANDOVIK_PADS_EXPORT ZandovikPads* zandovik_pads_open(void);
// From the event thread; never blocks. Takes in pads plugged in or out.
ZANDOVIK_PADS_EXPORT void zandovik_pads_read(ZandovikPads* pads, ZandovikPadsRead* out);
ZANDOVIK_PADS_EXPORT void zandovik_pads_close(ZandovikPads* pads);
}
