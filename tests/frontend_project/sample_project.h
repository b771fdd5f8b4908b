#pragma once
// A project that uses every option and every table, for write-read tests.
#include <initializer_list>

#include "common/soil_types.h"
#include "frontend/project/project.h"

namespace murena::testing_support {

// Sets a soil layer's type and bottom depth; returns its parameter sub-table,
// built for the type.
inline GridTable& setLayer(GridTable& soil, int row, int type, double depth) {
  soil.setInteger(col::kSoilType, row, type);
  soil.setReal(col::kSoilDepth, row, depth);
  return *soil.subTable(col::kSoilParameters, row);
}

// The same, with every parameter row holding `parameters` from column 0 on.
inline void setLayer(GridTable& soil, int row, int type, double depth, std::initializer_list<double> parameters) {
  GridTable& p = setLayer(soil, row, type, depth);
  for (int r = 0; r < p.rowCount(); ++r) {
    int c = 0;
    for (double v : parameters) p.setReal(c++, r, v);
  }
}

// The same, with a distinct value in every parameter cell, from `base` on.
inline void fillLayer(GridTable& soil, int row, int type, double depth, double base) {
  GridTable& p = setLayer(soil, row, type, depth);
  for (int r = 0; r < p.rowCount(); ++r)
    for (int c = 0; c < p.columnCount(); ++c) p.setReal(c, r, base + 10 * c + r + 0.25);
}

// Earth pressure and p-y curves given by the user, none generated.
inline void chooseUserPressureAndCurves(TProgramData& d) {
  d.EarthPressureOption = 1;
  d.UserEarthPressure = true;
  d.GeneratePYCurves = false;
  d.ApplyPYCurves = true;
}

// userPressure: earth pressure and p-y curves given by the user, else a
// generated trapezoidal distribution with generated curves and a long term.
inline void fillEveryOption(TProject& project, int unitSystem, bool userPressure) {
  project.setUnitSystem(unitSystem);
  TProgramData& d = project.data();
  TProjectTables& t = project.tables();
  d.Title = "Every option";
  d.NodeCount = 80;
  d.IncrementLength = 6;
  d.MaxDeflection = 10;
  d.DeflectionTolerance = 0.00001;
  d.FreeHeight = 144;
  d.ActiveWidth = 12;
  d.PYWidth = 14;
  d.WaterDepthBackfill = 48;
  d.WaterDepthExcavation = 120;
  d.ActivePressureFactor = 0.9;
  d.BackfillSlope = 5;
  d.SurfaceSurcharge = 0.5;
  d.LegacySurcharge = {3, 100, 10, 1, 24};
  d.ApplyRestraints = d.ApplyConcentratedLoads = d.ApplySprings = d.ApplyTiebacks = true;
  d.ApplyPYModifiers = d.ApplyPYCurves = d.ApplyEICurves = d.ApplySurcharge = true;
  if (userPressure) {
    chooseUserPressureAndCurves(d);
  } else {
    d.EarthPressureOption = 3;
    d.LongTermAnalysis = true;
  }

  t.SoilLayer.setRowCount(2);
  t.SoilLayer.setInteger(col::kRestraintCase, 0, 1);
  t.SoilLayer.setInteger(col::kRestraintNode, 0, 0);
  t.SoilLayer.setReal(col::kRestraintDeflection, 0, 0.125);
  t.SoilLayer.setInteger(col::kRestraintCase, 1, 2);
  t.SoilLayer.setInteger(col::kRestraintNode, 1, 40);
  t.SoilLayer.setReal(col::kRestraintSlope, 1, -0.001);

  t.PileSect.setRowCount(2);
  t.PileSect.setInteger(col::kSectFrom, 0, 0);
  t.PileSect.setInteger(col::kSectTo, 0, 40);
  t.PileSect.setInteger(col::kSectMode, 0, 2);
  t.PileSect.setReal(col::kSectEI, 0, 5.3e9);
  t.PileSect.setInteger(col::kSectFrom, 1, 40);
  t.PileSect.setInteger(col::kSectTo, 1, 80);
  t.PileSect.setInteger(col::kSectMode, 1, 2);  // written as constant
  t.PileSect.setReal(col::kSectEI, 1, 1.23456789e10);

  t.BoundCond.setRowCount(2);
  for (int r = 0; r < 2; ++r) {
    t.BoundCond.setInteger(col::kLoadMode, r, 1);
    t.BoundCond.setInteger(col::kLoadFrom, r, 2 + r);
    t.BoundCond.setInteger(col::kLoadTo, r, 2 + r);
    t.BoundCond.setReal(col::kLoadLateral, r, 1000.5 + r);
    t.BoundCond.setReal(col::kLoadMoment, r, -250);
    t.BoundCond.setReal(col::kLoadAxial, r, 3e4);
  }
  t.SoilStrength.setRowCount(1);
  t.SoilStrength.setInteger(col::kSpringMode, 0, 1);
  t.SoilStrength.setInteger(col::kSpringFrom, 0, 0);
  t.SoilStrength.setInteger(col::kSpringTo, 0, 0);
  t.SoilStrength.setReal(col::kSpringLateral, 0, 1500);
  t.SoilStrength.setReal(col::kSpringRotational, 0, 2.5e7);

  t.TiebackTable1.setRowCount(2);
  for (int r = 0; r < 2; ++r) {
    const double v[7] = {4.0 + r, 500.25, 2.9e7, 15, 15, 8, 25000.0 * r};
    for (int c = 0; c < 7; ++c) t.TiebackTable1.setReal(c, r, v[c]);
  }
  t.PYMod.setRowCount(2);
  t.PYMod.setReal(col::kModDepth, 1, 20.5);
  t.PYMod.setReal(col::kModP, 1, 0.8);
  t.PYMod.setReal(col::kModY, 1, 1.2);

  for (GridTable* dist : {&t.DistLoad, &t.LongDist}) {
    dist->setRowCount(3);
    for (int r = 0; r < 3; ++r) {
      dist->setReal(col::kDistDepth, r, 10.0 * r);
      dist->setReal(col::kDistLoad, r, 100.0 * r + (dist == &t.LongDist ? 7 : 0));
    }
  }

  t.SurchargeTable.setRowCount(3);
  for (int r = 0; r < 3; ++r) {
    t.SurchargeTable.setInteger(col::kSurchargeType, r, r + 1);
    t.SurchargeTable.setReal(col::kSurchargeMagnitude, r, 100.0 + r);
    t.SurchargeTable.setReal(col::kSurchargeDistance, r, 36);
    t.SurchargeTable.setReal(col::kSurchargeWidth, r, r == 2 ? 24 : 0);
  }

  for (GridTable* soil : {&t.NewSoil, &t.LongSoil}) {
    soil->setRowCount(7);
    for (int r = 0; r < 7; ++r) fillLayer(*soil, r, r + 1, 5.0 * (r + 1), soil == &t.LongSoil ? 200 : 100);
  }

  t.PYCurves2.setRowCount(2);
  for (int r = 0; r < 2; ++r) {
    t.PYCurves2.setInteger(col::kSetNode, r, 30 + 10 * r);
    t.PYCurves2.setReal(col::kSetPMultiplier, r, 1.5);
    t.PYCurves2.setReal(col::kSetYMultiplier, r, 0.5);
    GridTable* curve = t.PYCurves2.subTable(col::kSetCurve, r);
    curve->setRowCount(3);
    for (int p = 0; p < 3; ++p) {
      curve->setReal(col::kCurveY, p, 0.1 * p);
      curve->setReal(col::kCurveP, p, 40.0 * p + r);
    }
  }
  t.MEICurves2.setRowCount(1);
  t.MEICurves2.setInteger(col::kEIFrom, 0, 10);
  t.MEICurves2.setInteger(col::kEITo, 0, 20);
  GridTable* ei = t.MEICurves2.subTable(col::kEIData, 0);
  ei->setRowCount(3);
  for (int p = 0; p < 3; ++p) {
    ei->setReal(col::kEIMoment, p, 1e6 * p);
    ei->setReal(col::kEIStiffness, p, 5e9 - 1e9 * p);
  }
}

}  // namespace murena::testing_support
