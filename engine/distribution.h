#pragma once
// The distribution rule shared by the wall-stiffness, concentrated-load and
// spring tables: each record covers a FROM..TO range with constant values or
// interpolates to the end node of the next record; ranges add half their
// value at each end station so that two ranges meeting at a station sum to
// the full value there.
#include <array>

#include "engine/analysis_stops.h"
#include "engine/run_context.h"

namespace murena {

constexpr int kMaxDistributedValues = 6;

class TableDistributor {
 public:
  // `targets[i]` receives value i of each record; a null target is skipped.
  TableDistributor(RunContext& ctx, std::array<std::array<double, kStorageSize>*, kMaxDistributedValues> targets)
      : ctx_(ctx), targets_(targets) {}

  // Handles one record and returns its distribution case c (1 to 4).
  int add(int from, int to, int mode, const std::array<double, kMaxDistributedValues>& values);

  // True when the last record asked to interpolate to a record that never came.
  bool pending() const { return previousMode_ == 2; }

 private:
  void distribute(int a, const std::array<double, kMaxDistributedValues>& startValues, int b,
                  const std::array<double, kMaxDistributedValues>& endValues);

  RunContext& ctx_;
  std::array<std::array<double, kStorageSize>*, kMaxDistributedValues> targets_;
  int previousMode_ = 1;
  int pendingStation_ = 0;
  std::array<double, kMaxDistributedValues> pendingValues_{};
};

// Station and node numbers are read within this range so that the index
// arithmetic on them can never overflow; the store check comes after.
constexpr int kStationReadLimit = 1000000;
inline int readStation(FreeFormatReader& in) { return in.readIntInRange(-kStationReadLimit, kStationReadLimit); }

// Ends the run with a message naming the record when `station` lies outside
// the station store (stations -3 to NN+3).
void checkStationInStore(const RunContext& ctx, int station);

}  // namespace murena
