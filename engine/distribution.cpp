#include "engine/distribution.h"

#include <string>

#include "engine/run_errors.h"

namespace murena {

void checkStationInStore(const RunContext& ctx, int station) {
  int nn = ctx.block.wall.NN;
  if (station < -3 || station > nn + 3)
    throw InputError("     ERROR -- STATION " + std::to_string(station) + " OUTSIDE THE WALL IN " + ctx.input.record() +
                     ", LINE " + std::to_string(ctx.input.lineNumber() - 1));
}

int TableDistributor::add(int from, int to, int mode, const std::array<double, kMaxDistributedValues>& values) {
  if (mode != 1 && mode != 2)
    throw InputError("     ERROR -- LINE MODE " + std::to_string(mode) + " IS NOT 1 OR 2 IN " + ctx_.input.record() +
                     ", LINE " + std::to_string(ctx_.input.lineNumber() - 1));
  int c = 2 * (previousMode_ - 1) + (mode - 1) + 1;
  switch (c) {
    case 1:
      distribute(from, values, to, values);
      break;
    case 2:
      checkStationInStore(ctx_, from);
      pendingStation_ = from;
      pendingValues_ = values;
      break;
    case 3:
      distribute(pendingStation_, pendingValues_, to, values);
      break;
    default:  // 4: close the pending range and open the next one at TO
      distribute(pendingStation_, pendingValues_, to, values);
      pendingStation_ = to;
      pendingValues_ = values;
      break;
  }
  previousMode_ = mode;
  return c;
}

void TableDistributor::distribute(int a, const std::array<double, kMaxDistributedValues>& startValues, int b,
                                  const std::array<double, kMaxDistributedValues>& endValues) {
  if (b < a) stopStationsNotInOrder(ctx_);
  checkStationInStore(ctx_, a);
  checkStationInStore(ctx_, b);
  double span = b > a ? static_cast<double>(b - a) : 1.0;
  for (int i = 0; i < kMaxDistributedValues; ++i) {
    auto* target = targets_[i];
    if (!target) continue;
    double A = startValues[i], B = endValues[i];
    for (int k = a; k <= b; ++k) (*target)[k + 4] += A + (B - A) * (k - a) / span;
    if (b > a) {
      (*target)[a + 4] += -0.5 * A;
      (*target)[b + 4] += -0.5 * B;
    }
  }
}

}  // namespace murena
