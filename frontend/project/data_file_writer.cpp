#include "frontend/project/data_file_writer.h"

#include "common/data_file_layout.h"
#include "common/soil_types.h"
#include "common/unit_system.h"
#include "frontend/project/record_text.h"
#include "frontend/project/soil_parameter_items.h"
#include "frontend/project/staged_file_text.h"

namespace murena {
namespace {

struct BlockKind {
  std::string title;
  bool longTerm = false;
  int marker = 0;  // last line of the block
};

class BlockWriter {
 public:
  BlockWriter(const TProgramData& data, TProjectTables& tables, RecordText& out)
      : d_(data), t_(tables), out_(out), english_(data.UnitSystem == kEnglishUnits) {}

  void write(const BlockKind& kind) {
    const int earthPressure =
        kind.longTerm && d_.EarthPressureCode >= layout::kTriangularPressure ? int(layout::kTriangularPressure)
                                                                            : d_.EarthPressureCode;
    std::string title = kind.title;  // one record: line breaks would split it
    for (char& c : title)
      if (c == '\r' || c == '\n') c = ' ';
    out_.text(title).endLine();
    controlLine(earthPressure);
    wallLine();
    restraints();
    wallStiffness();
    concentratedLoads();
    springs();
    tiebacks();
    modificationFactors();
    if (earthPressure == layout::kUserPressure) distributedPressure(kind.longTerm ? t_.LongDist : t_.DistLoad);
    if (earthPressure == layout::kTriangularPressure || earthPressure == layout::kTrapezoidalPressure ||
        d_.PYCurveCode == layout::kGeneratedCurves)
      soilData(kind.longTerm);
    pyCurves();
    momentEICurves();
    out_.intLine(kind.marker);
  }

 private:
  void controlLine(int earthPressure) {
    out_.i(d_.UnitSystem).sp().i(t_.SoilLayer.rowCount()).tab().i(t_.PileSect.rowCount()).tab();
    out_.i(t_.PYMod.rowCount()).tab().i(earthPressure).tab().i(d_.PYCurveCode).sp();
    out_.i(t_.PYCurves2.rowCount()).sp().i(d_.StageCount).sp().i(d_.EICurveSetCount).sp().i(d_.TiebackCount);
    out_.endLine();
  }

  void wallLine() {
    out_.i(d_.NodeCount).sp().r(d_.IncrementLength).tab().r(d_.MaxDeflection).tab().r(d_.DeflectionTolerance);
    out_.tab().r(d_.FreeHeight).tab().r(d_.ActiveWidth).endLine();
  }

  void restraints() {
    GridTable& t = t_.SoilLayer;
    for (int r = 0; r < t.rowCount(); ++r) {
      out_.i(t.integer(col::kRestraintCase, r)).tab().i(t.integer(col::kRestraintNode, r)).tab();
      out_.r(t.real(col::kRestraintDeflection, r)).tab().r(t.real(col::kRestraintSlope, r)).endLine();
    }
  }

  void wallStiffness() {
    GridTable& t = t_.PileSect;
    for (int r = 0; r < t.rowCount(); ++r) {
      out_.i(t.integer(col::kSectFrom, r)).tab().i(t.integer(col::kSectTo, r)).tab();
      out_.i(t.integer(col::kSectMode, r)).tab().r(t.real(col::kSectEI, r)).endLine();
    }
  }

  void concentratedLoads() {
    GridTable& t = t_.BoundCond;
    out_.intLine(t.rowCount());
    for (int r = 0; r < t.rowCount(); ++r) {
      out_.i(t.integer(col::kLoadMode, r)).tab().i(t.integer(col::kLoadFrom, r)).tab().i(t.integer(col::kLoadTo, r));
      out_.tab().r(t.real(col::kLoadLateral, r)).tab().r(t.real(col::kLoadMoment, r)).tab();
      out_.r(t.real(col::kLoadAxial, r)).endLine();
    }
  }

  void springs() {
    GridTable& t = t_.SoilStrength;
    out_.intLine(t.rowCount());
    for (int r = 0; r < t.rowCount(); ++r) {
      out_.i(t.integer(col::kSpringFrom, r)).tab().i(t.integer(col::kSpringTo, r)).tab();
      out_.i(t.integer(col::kSpringMode, r)).tab().r(t.real(col::kSpringLateral, r)).tab();
      out_.r(t.real(col::kSpringRotational, r)).endLine();
    }
  }

  void tiebacks() {
    GridTable& t = t_.TiebackTable1;
    const double areaDivisor = d_.UnitSystem == kSIUnits ? 1000000.0 : 1.0;  // mm^2 -> m^2
    for (int r = 0; r < d_.TiebackCount && r < t.rowCount(); ++r) {
      out_.r(t.real(col::kTiebackDepth, r)).tab().r(t.real(col::kTiebackArea, r) / areaDivisor).tab();
      out_.r(t.real(col::kTiebackModulus, r)).tab().r(t.real(col::kTiebackUnbonded, r)).tab();
      out_.r(t.real(col::kTiebackAngle, r)).tab().r(t.real(col::kTiebackSpacing, r)).tab();
      out_.r(t.real(col::kTiebackPrestress, r)).endLine();
    }
  }

  void modificationFactors() {
    GridTable& t = t_.PYMod;
    for (int r = 0; r < t.rowCount(); ++r) {
      out_.r(t.real(col::kModDepth, r) * feet()).tab().r(t.real(col::kModP, r)).tab();
      out_.r(t.real(col::kModY, r)).endLine();
    }
  }

  void distributedPressure(GridTable& t) {
    out_.intLine(t.rowCount());
    for (int r = 0; r < t.rowCount(); ++r)
      out_.r(t.real(col::kDistDepth, r) * feet()).tab().r(t.real(col::kDistLoad, r) / feet()).endLine();
  }

  void soilData(bool longTerm) {
    out_.r(d_.FreeHeight).tab().r(d_.ActiveWidth).tab().r(d_.PYWidth).tab().r(d_.WaterDepthBackfill).tab();
    out_.r(d_.WaterDepthExcavation).tab().r(d_.ActivePressureFactor).tab().i(d_.SoilFlag).tab();
    out_.r(d_.BackfillSlope).endLine();

    out_.r(d_.SurfaceSurcharge);
    for (double v : d_.LegacySurcharge) out_.tab().r(v);
    out_.endLine();

    GridTable& s = t_.SurchargeTable;
    out_.intLine(s.rowCount());
    for (int r = 0; r < s.rowCount(); ++r) {
      out_.i(s.integer(col::kSurchargeType, r)).tab().r(s.real(col::kSurchargeMagnitude, r)).tab();
      out_.r(s.real(col::kSurchargeDistance, r)).tab().r(s.real(col::kSurchargeWidth, r)).endLine();
    }

    GridTable& soil = longTerm ? t_.LongSoil : t_.NewSoil;
    out_.intLine(soil.rowCount());
    for (int r = 0; r < soil.rowCount(); ++r) {
      const int type = soil.integer(col::kSoilType, r);
      out_.i(type).sp().r(soil.real(col::kSoilDepth, r) * feet()).sp().endLine();
      const GridTable* params = soil.subTable(col::kSoilParameters, r);
      for (int row = 0; row < 2; ++row) parameterLine(type, params, row, longTerm);
    }
  }

  // Each value is followed by one space; a placeholder brings its own two.
  void parameterLine(int type, const GridTable* params, int row, bool longTerm) {
    const SoilParameterItems* items = soilParameterItems(type);
    const bool rock = isRock(type);
    for (int k = 0; k < 6; ++k) {
      const SoilParameterItem item = items ? (*items)[static_cast<size_t>(k)] : SoilParameterItem{-1, {}};
      const bool dropped = longTerm && k == 5 && !rock;  // no coefficient in the long term
      if (item.column < 0 || dropped || params == nullptr || row >= params->rowCount() ||
          item.column >= params->columnCount()) {
        out_.placeholder();
        continue;
      }
      out_.r(params->real(item.column, row) / writtenParameterDivisor(item.conversion, d_.UnitSystem)).sp();
    }
    out_.endLine();
  }

  void pyCurves() {
    GridTable& sets = t_.PYCurves2;
    for (int r = 0; r < sets.rowCount(); ++r) {
      const GridTable* curve = sets.subTable(col::kSetCurve, r);
      const int points = curve ? curve->rowCount() : 0;
      out_.i(sets.integer(col::kSetNode, r)).tab().i(points).tab().r(sets.real(col::kSetPMultiplier, r)).tab();
      out_.r(sets.real(col::kSetYMultiplier, r)).endLine();
      for (int p = 0; p < points; ++p)
        out_.r(curve->real(col::kCurveY, p)).tab().r(curve->real(col::kCurveP, p)).endLine();
    }
  }

  void momentEICurves() {
    GridTable& sets = t_.MEICurves2;
    for (int r = 0; r < d_.EICurveSetCount && r < sets.rowCount(); ++r) {
      const GridTable* data = sets.subTable(col::kEIData, r);
      const int points = data ? data->rowCount() : 0;
      out_.i(sets.integer(col::kEIFrom, r)).tab().i(sets.integer(col::kEITo, r)).tab().i(points).endLine();
      for (int p = 0; p < points; ++p)
        out_.r(data->real(col::kEIMoment, p)).tab().r(data->real(col::kEIStiffness, p)).endLine();
    }
  }

  // Feet-based table columns are written inch-based in English units.
  double feet() const { return english_ ? 12.0 : 1.0; }

  const TProgramData& d_;
  TProjectTables& t_;
  RecordText& out_;
  bool english_;
};

}  // namespace

int derivedEarthPressureCode(const TProgramData& data) {
  if (data.UserEarthPressure) return layout::kUserPressure;
  if (data.GeneratePYCurves || data.GeneratedEarthPressure) return data.EarthPressureOption;
  return layout::kNoEarthPressure;
}

int derivedPYCurveCode(const TProgramData& data) {
  return data.GeneratePYCurves ? layout::kGeneratedCurves
         : data.ApplyPYCurves  ? layout::kUserCurvesOnly
                               : layout::kNoCurves;
}

void prepareForWriting(TProgramData& data, TProjectTables& tables) {
  if (!data.ApplyConcentratedLoads) tables.BoundCond.setRowCount(0);
  if (!data.ApplyRestraints) tables.SoilLayer.setRowCount(0);
  if (!data.ApplyPYCurves) tables.PYCurves2.setRowCount(0);
  if (!data.ApplyPYModifiers) tables.PYMod.setRowCount(0);
  if (!data.ApplySurcharge) tables.SurchargeTable.setRowCount(0);
  if (!data.ApplySprings) tables.SoilStrength.setRowCount(0);
  if (!data.ApplyTiebacks) tables.TiebackTable1.setRowCount(0);

  GridTable& sections = tables.PileSect;
  if (sections.rowCount() > 0) sections.setInteger(col::kSectMode, sections.rowCount() - 1, layout::kConstantLine);

  data.EarthPressureCode = derivedEarthPressureCode(data);
  data.PYCurveCode = derivedPYCurveCode(data);
  data.EICurveSetCount = data.ApplyEICurves ? tables.MEICurves2.rowCount() : 0;
  data.TiebackCount = data.ApplyTiebacks ? tables.TiebackTable1.rowCount() : 0;
}

std::string dataFileText(TProgramData& data, TProjectTables& tables) {
  prepareForWriting(data, tables);
  RecordText out;
  BlockWriter writer(data, tables, out);
  const int marker = data.LongTermAnalysis ? layout::kLongTermFollows : layout::kEndOfData;
  writer.write({data.Title, false, marker});
  if (marker == layout::kLongTermFollows) {
    writer.write({data.Title, true, layout::kEndOfData});
  }
  return out.str();
}

std::string stageFileText(TProgramData& data, TProjectTables& tables, int stage) {
  prepareForWriting(data, tables);
  RecordText out;
  BlockWriter writer(data, tables, out);
  writer.write({stage == 1 ? data.Title : kStageTitlePrefix + std::to_string(stage), false, stage});
  return out.str();
}

}  // namespace murena
