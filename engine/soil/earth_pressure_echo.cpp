// Echo of the wall, surcharge and soil data of the earth-pressure module, the
// two stop codes of the soil profile, and the checks that stop a block.
#include <string>

#include "common/unit_system.h"
#include "engine/report_head.h"
#include "engine/analysis_stops.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_module.h"

namespace murena {

namespace {

void framedSection(TextOutput& r, const char* title) {
  r.emptyLines(2);
  writeFramedHeading(r, title);
  r.line({});
}

void valueLine(TextOutput& r, const char* label, double value, const std::string& unit) {
  r << Line().b(6).text(label).E(value, 10, 3).text(unit).str();
}

void writeWallBlock(EarthPressureModule& m) {
  TextOutput& r = m.report;
  const UnitLabels& u = m.labels;
  const EarthPressureInput& in = m.in;
  framedSection(r, "*                WALL INFORMATION                *");
  r.line({});
  valueLine(r, "FREE HEIGHT OF WALL                    = ", in.freeHeight, u.lengthLabel);
  valueLine(r, "WIDTH FOR EARTH PRESSURE, WA           = ", in.activeWidth, u.lengthLabel);
  valueLine(r, "WIDTH FOR SOIL RESISTANCE, WP          = ", in.pyWidth, u.lengthLabel);
  valueLine(r, "DEPTH TO THE WATER TABLE AT BACKFILL   = ", in.waterDepthBackfill, u.lengthLabel);
  valueLine(r, "DEPTH TO THE WATER TABLE AT EXCAVATION = ", in.waterDepthExcavation, u.lengthLabel);
  valueLine(r, "UNIT WEIGHT OF WATER                   = ", m.gammaW, u.unitWeightLabel());
  valueLine(r, "SLOPE OF THE BACKFILL (deg.)           = ", in.backfillSlope, {});
  valueLine(r, "MODIFICATION FOR ACTIVE EARTH PRESSURE = ", in.activePressureFactor, {});
  r.line({});
}

// One surcharge load; the load printed becomes the module's single set.
void writeSurchargeLoad(EarthPressureModule& m, int number, const SurchargeLoad& load) {
  TextOutput& r = m.report;
  const UnitLabels& u = m.labels;
  if (load.type < 1 || load.type > 3) return;
  r.line({});
  r << Line().b(6).text("SURCHARGE LOADING NO.        = ").I(number, 10).str();
  SingleSurcharge set;
  set.distance = load.distance;
  if (load.type == 1) {
    valueLine(r, "POINT LOAD                   = ", load.magnitude, u.forceLabel);
    set.point = load.magnitude;
  } else if (load.type == 2) {
    valueLine(r, "LINE LOAD                    = ", load.magnitude, u.forcePerLength());
    set.line = load.magnitude;
  } else {
    valueLine(r, "STRIP LOAD                   = ", load.magnitude, u.stressLabel());
    valueLine(r, "WIDTH OF THE STRIP LOAD      = ", load.width, u.lengthLabel);
    set.strip = load.magnitude;
    set.stripWidth = load.width;
  }
  valueLine(r, "HORIZONTAL DISTANCE BETWEEN  = ", load.distance, u.lengthLabel);
  if (load.type == 3)
    r << Line().b(6).text("WALL AND MIDDLE OF STRIP WIDTH").b(10).str();
  else
    r << Line().b(6).text("THE WALL AND SURCHARGE").b(9).str();
  r.line({});
  m.current = set;
}

void writeSurchargeBlock(EarthPressureModule& m) {
  TextOutput& r = m.report;
  framedSection(r, "*              SURCHARGE INFORMATION             *");
  r.line({});
  valueLine(r, "UNIFORM SURFACE PRESSURE     =", m.in.surfaceSurcharge, m.labels.stressLabel());
  for (int i = 0; i < m.in.surchargeCount; ++i) writeSurchargeLoad(m, i + 1, m.in.surcharges[i]);
}

void writeSoilBlock(EarthPressureModule& m) {
  TextOutput& r = m.report;
  framedSection(r, "*                SOIL INFORMATION                *");
  int units = m.in.unitSystem;
  if (units != kEnglishUnits && units != kSIUnits) return;
  r.line({});
  r << Line().b(7).text("         TOTAL   COHESION/       TOTAL UNIT").str();
  r << Line().b(7).text("LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP").str();
  if (units == kEnglishUnits)
    r << Line().b(7).text("NO.").b(6).text("FT").b(8).text("PSI").b(7).text("DEG").b(5).text("PCI").b(5)
             .text("T OR F").b(3).text("FT").str();
  else
    r << Line().b(7).text("NO.").b(6).text(" M").b(8).text("kPa").b(7).text("DEG").b(3).text("kN/M^3").b(4)
             .text("T OR F").b(3).text(" M").str();
  double lengthScale = units == kEnglishUnits ? 12.0 : 1.0;  // feet in the table
  for (int L = 1; L <= m.n; ++L) {
    const PressureLayer& p = m.layers[L];
    r << Line().b(7).I(L, 3).F(p.thickness / lengthScale, 10, 2).F(p.cohesion, 11, 1).F(p.frictionAngle, 8, 1)
             .F(p.unitWeight, 9, 3).b(5).text(p.drained ? "T" : "F").F(p.topDepth / lengthScale, 10, 2).str();
  }
}

}  // namespace

void OUTPT(EarthPressureModule& m) {
  writeWallBlock(m);
  writeSurchargeBlock(m);
  writeSoilBlock(m);
  // No layer top at the excavation level: the excavation lies below the soil profile.
  if (m.excavationLayer == 0)
    throw StopCode{"1", "THE EXCAVATION LEVEL (FREE HEIGHT) IS NOT ABOVE THE BOTTOM OF THE SOIL LAYERS"};
  if (m.overflow)
    throw StopCode{"2", "MORE THAN 21 PRESSURE LAYERS (SOIL LAYERS CUT AT THE WATER TABLE AND THE EXCAVATION)"};
}

void checkPressureInput(EarthPressureModule& m) {
  if (m.in.surchargeCount > 0 && !(m.in.freeHeight >= kMinFreeHeight))
    stopAnalysis(m.report, "     ERROR -- FREE HEIGHT OF WALL MUST BE GREATER THAN ZERO WITH SURCHARGE LOADS");
  if (m.in.pressureCode == 3 && m.in.supportCount < 1)
    stopAnalysis(m.report, "     ERROR -- TRAPEZOIDAL EARTH PRESSURE NEEDS AT LEAST ONE SUPPORT (SPRING OR TIEBACK)");
}

}  // namespace murena
