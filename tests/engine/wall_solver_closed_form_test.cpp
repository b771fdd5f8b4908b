// The solver against beam theory: the error of the finite-difference
// solution must shrink with the square of the increment length.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

// A wall of length L in consistent units, clamped at its tip (deflection and
// slope 0 at station NN), loaded by P at the top or by a uniform pressure q.
// The pressure loads stations 1 to NN; the top station's half share q h / 2
// is given as a concentrated load so the nodal loads match the uniform load.
std::string clampedWall(int nn, double length, double ei, double topLoad, double pressure) {
  std::ostringstream f;
  f.precision(17);
  double h = length / nn;
  int code = pressure != 0.0 ? 1 : 0;
  f << "Clamped wall\n";
  f << "3 1\t1\t0\t" << code << "\t0 0 1 0 0\n";
  f << nn << " " << h << "\t1E6\t1E-12\t0\t1\n";
  f << "3\t" << nn << "\t0\t0\n";
  f << "0\t" << nn << "\t1\t" << ei << "\n";
  if (code == 1) topLoad += 0.5 * pressure * h;
  if (topLoad != 0.0)
    f << "1\n1\t0\t0\t" << topLoad << "\t0\t0\n";
  else
    f << "0\n";
  f << "0\n";
  if (code == 1) f << "2\n0\t" << pressure << "\n" << length << "\t" << pressure << "\n";
  f << "0\n";
  return f.str();
}

// A long wall on uniform lateral springs of modulus k, loaded by P at the top.
std::string wallOnSprings(int nn, double length, double ei, double k, double topLoad) {
  std::ostringstream f;
  f.precision(17);
  double h = length / nn;
  f << "Wall on springs\n";
  f << "3 0\t1\t0\t0\t0 0 1 0 0\n";
  f << nn << " " << h << "\t1E6\t1E-12\t0\t1\n";
  f << "0\t" << nn << "\t1\t" << ei << "\n";
  f << "1\n1\t0\t0\t" << topLoad << "\t0\t0\n";
  f << "1\n0\t" << nn << "\t1\t" << k * h << "\t0\n";
  f << "0\n";
  return f.str();
}

double topDeflection(const std::string& data) {
  auto run = runEngineOn(data);
  EXPECT_TRUE(run.reportHas("END OF ANALYSIS"));
  EXPECT_FALSE(run.reportHas("ERROR"));
  return run.ctx->results.deflection[1];
}

void expectSecondOrder(double (*deflectionAt)(int), double exact, int coarsest = 20) {
  double previous = 0.0;
  for (int nn : {coarsest, 2 * coarsest, 4 * coarsest, 8 * coarsest}) {
    double error = std::fabs(deflectionAt(nn) - exact);
    EXPECT_LT(error / exact, 0.05) << "NN " << nn;
    if (previous > 0.0) {
      double ratio = previous / error;
      EXPECT_GT(ratio, 3.5) << "halving h from NN " << nn / 2 << " to " << nn;
      EXPECT_LT(ratio, 4.5) << "halving h from NN " << nn / 2 << " to " << nn;
    }
    previous = error;
  }
}

TEST(WallSolverClosedForm, CantileverWithTopLoad) {
  // P L^3 / 3 EI = 3 * 100^3 / (3 * 1E6) = 1
  expectSecondOrder([](int nn) { return topDeflection(clampedWall(nn, 100.0, 1.0e6, 3.0, 0.0)); }, 1.0);
}

TEST(WallSolverClosedForm, CantileverWithUniformPressure) {
  // q L^4 / 8 EI = 0.08 * 100^4 / (8 * 1E6) = 1
  expectSecondOrder([](int nn) { return topDeflection(clampedWall(nn, 100.0, 1.0e6, 0.0, 0.08)); }, 1.0);
}

TEST(WallSolverClosedForm, LongWallOnSprings) {
  // 2 P beta / k with beta = (k / 4 EI)^(1/4)
  double beta = std::pow(1.0 / (4.0 * 1.0e4), 0.25);
  expectSecondOrder([](int nn) { return topDeflection(wallOnSprings(nn, 200.0, 1.0e4, 1.0, 1.0)); }, 2.0 * beta, 40);
}

TEST(WallSolverClosedForm, LoadedWallWithoutCurvesStopsAtIterationTwo) {
  auto run = runEngineOn(clampedWall(20, 100.0, 1.0e6, 3.0, 0.0));
  EXPECT_TRUE(run.reportHas("     RESULTS -- ITERATION  2"));
  EXPECT_FALSE(run.reportHas("NOT CLOSED"));
}

}  // namespace
}  // namespace murena
