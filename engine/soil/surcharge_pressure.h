#pragma once
// Lateral pressure on the wall from loads placed on the backfill: point, line
// and strip kernels (modified Boussinesq form) and the summed pressure of a
// surcharge list at one depth.
#include "engine/run_context.h"

namespace murena {

// m = X / H, n = z / H, H the free height of the wall.
double pointSurchargePressure(double Q, double m, double n, double H);
double lineSurchargePressure(double Q, double m, double n, double H);
// Strip of pressure q and width W whose middle lies at distance X, at depth z.
double stripSurchargePressure(double q, double X, double W, double z);
// The same strip kernel with its factor 2/3.1416 written as 0.6366, as the
// layer forces integrate it.
double stripSurchargeForcePressure(double q, double X, double W, double z);

// Kernel of one load by its type (1 point, 2 line, 3 strip; any other type
// acts as a point load).
double surchargeLoadPressure(const SurchargeLoad& load, double H, double z);

// Summed pressure of the loads at depth z: a staircase on the grid
// wallLength/200 * j (j = 1..200), each load taking its value at the deepest
// grid depth strictly above z; 0 when no grid depth lies above z or the list
// is empty.  H must be at least kMinFreeHeight (callers check).
double surchargePressureAt(const SurchargeLoad* loads, int count, double H, double wallLength, double z);

}  // namespace murena
