#pragma once
// The earth-pressure phase of a block: the pressure profile (user points or
// the generated profile), its record in the plot data file and the transverse
// loads it puts on the stations.
#include "engine/run_context.h"

namespace murena {

void buildEarthPressureLoads(RunContext& ctx);

// Calls fn(i) for the profile points that are printed and plotted: every
// printStep-th point from the first, and always the last one.
template <typename Fn>
void forEachPrintedPoint(const PressureProfile& profile, Fn fn) {
  int step = profile.printStep < 1 ? 1 : profile.printStep;
  int last = 0;
  for (int i = 1; i <= profile.count; i += step) {
    fn(i);
    last = i;
  }
  if (profile.count > 0 && last != profile.count) fn(profile.count);
}

}  // namespace murena
