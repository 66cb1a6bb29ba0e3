#include "app/pointer.h"

#include <cmath>

namespace zandovik::app {

PointerSteer::Hold PointerSteer::decide(double centre, double step) const {
  if (!target_ || std::fabs(*target_ - centre) <= step / 2) return Hold::none;
  return *target_ > centre ? Hold::right : Hold::left;
}

}  // namespace zandovik::app
