#include "frontend/project/data_file_reader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <initializer_list>

#include "common/data_file_layout.h"
#include "common/soil_types.h"
#include "common/unit_system.h"
#include "frontend/entry/word_reader.h"
#include "frontend/project/project_units.h"
#include "frontend/project/soil_parameter_items.h"
#include "frontend/entry/text_lines.h"
#include "frontend/project/crlf_text.h"

namespace murena {
namespace {

// What a layout holds beyond the oldest form.
struct LayoutTraits {
  bool stageCount;
  bool momentEICount;
  bool tiebackCount;
  bool activeWidthOnWallLine;
  bool setMultipliers;
  bool surchargeTable;
  bool layerThickness;
  bool marker;
};

LayoutTraits traitsOf(int layout) {
  switch (layout) {
    case kLayout2013: return {true, true, false, false, true, true, false, true};
    case kLayout30: return {true, false, false, false, false, false, false, true};
    case kLayout20: return {false, false, false, false, false, false, true, false};
    default: return {true, true, true, true, true, true, false, true};
  }
}

constexpr double kLegacyActiveFactor = 0.036;

class BlockReader {
 public:
  BlockReader(TWordReader& in, TProgramData& data, TProjectTables& tables, int layout, int maxCount)
      : in_(in), d_(data), t_(tables), is_(traitsOf(layout)), maxCount_(maxCount) {}

  void read() {
    d_.Title = in_.restOfLine();
    switchUnitSystem(d_, t_, in_.nextInteger());
    english_ = d_.UnitSystem == kEnglishUnits;
    block(false);
    if (!is_.marker) return;
    skipBlankLines();
    const int itemsOnMarkerLine = in_.itemCount();
    if (in_.nextInteger() != layout::kLongTermFollows) return;
    if (itemsOnMarkerLine > 1) in_.restOfLine();  // the rest of the marker line
    in_.restOfLine();                              // the long-term title
    d_.LongTermAnalysis = true;
    in_.nextInteger();  // units, as in the short-term block
    block(true);
    in_.nextInteger();  // the final "0"
  }

 private:
  // One block after its units code.  The long-term block is read into the
  // same tables, except its distributed loads and soil layers; its control
  // codes only decide which records follow (the short-term options stand).
  void block(bool longTerm) {
    const int restraints = count();
    const int sections = count();
    const int modifiers = count();
    const int earthPressure = in_.nextInteger();
    const int pyCode = in_.nextInteger();
    const int sets = count();
    const int stages = is_.stageCount ? in_.nextInteger() : 1;
    const int eiSets = is_.momentEICount ? count() : 0;
    const int tiebacks = is_.tiebackCount ? count() : 0;

    t_.SoilLayer.setRowCount(restraints);
    t_.PileSect.setRowCount(sections);
    t_.PYMod.setRowCount(modifiers);
    t_.PYCurves2.setRowCount(sets);
    t_.MEICurves2.setRowCount(eiSets);
    t_.TiebackTable1.setRowCount(tiebacks);
    if (!longTerm) {
      d_.ApplyRestraints = restraints > 0;
      d_.ApplyPYModifiers = modifiers > 0;
      d_.ApplyEICurves = eiSets > 0;
      d_.ApplyTiebacks = tiebacks > 0;
      d_.ApplyPYCurves = pyCode == layout::kUserCurvesOnly || (pyCode != layout::kNoCurves && sets > 0);
      d_.EarthPressureOption = earthPressure;
      d_.UserEarthPressure = earthPressure == layout::kUserPressure;
      d_.GeneratedEarthPressure = earthPressure >= layout::kTriangularPressure;
      d_.GeneratePYCurves = pyCode == layout::kGeneratedCurves && earthPressure != layout::kNoEarthPressure;
      d_.StageCount = std::clamp(stages, 1, layout::kMaxStages);
    }

    wallLine();
    restraintRows();
    sectionRows();
    loadRows(longTerm);
    springRows(longTerm);
    tiebackRows();
    modifierRows();
    if (earthPressure == layout::kUserPressure) distributedRows(longTerm ? t_.LongDist : t_.DistLoad);
    if (earthPressure == layout::kTriangularPressure || earthPressure == layout::kTrapezoidalPressure ||
        pyCode == layout::kGeneratedCurves)
      soilData(longTerm);
    pyCurveSets();
    momentEISets();
  }

  void wallLine() {
    d_.NodeCount = in_.nextInteger();
    d_.IncrementLength = in_.nextReal();
    d_.MaxDeflection = in_.nextReal();
    d_.DeflectionTolerance = in_.nextReal();
    d_.FreeHeight = in_.nextReal();
    // Wa is taken from the soil-and-water record when the block has one; without
    // it (user pressure and user curves) the wall line is its only place, and
    // tiebacks need it.
    if (is_.activeWidthOnWallLine) d_.ActiveWidth = in_.nextReal();
  }

  void restraintRows() {
    GridTable& t = t_.SoilLayer;
    for (int r = 0; r < t.rowCount(); ++r) {
      integers(t, r, {col::kRestraintCase, col::kRestraintNode});
      reals(t, r, {col::kRestraintDeflection, col::kRestraintSlope});
    }
  }

  void sectionRows() {
    GridTable& t = t_.PileSect;
    for (int r = 0; r < t.rowCount(); ++r) {
      integers(t, r, {col::kSectFrom, col::kSectTo, col::kSectMode});
      reals(t, r, {col::kSectEI});
    }
  }

  void loadRows(bool longTerm) {
    GridTable& t = t_.BoundCond;
    const bool any = countedRows(t) > 0;
    if (!longTerm) d_.ApplyConcentratedLoads = any;
    for (int r = 0; r < t.rowCount(); ++r) {
      integers(t, r, {col::kLoadMode, col::kLoadFrom, col::kLoadTo});
      reals(t, r, {col::kLoadLateral, col::kLoadMoment, col::kLoadAxial});
    }
  }

  void springRows(bool longTerm) {
    GridTable& t = t_.SoilStrength;
    const bool any = countedRows(t) > 0;
    if (!longTerm) d_.ApplySprings = any;
    for (int r = 0; r < t.rowCount(); ++r) {
      integers(t, r, {col::kSpringFrom, col::kSpringTo, col::kSpringMode});
      reals(t, r, {col::kSpringLateral, col::kSpringRotational});
    }
  }

  void tiebackRows() {
    GridTable& t = t_.TiebackTable1;
    const double areaFactor = d_.UnitSystem == kSIUnits ? 1000000.0 : 1.0;  // m^2 -> mm^2
    for (int r = 0; r < t.rowCount(); ++r) {
      skipBlankLines();
      const bool withPrestress = in_.itemCount() > 6;
      reals(t, r, {col::kTiebackDepth});
      t.setReal(col::kTiebackArea, r, convertedReal(areaFactor));
      reals(t, r, {col::kTiebackModulus, col::kTiebackUnbonded, col::kTiebackAngle, col::kTiebackSpacing});
      if (withPrestress) reals(t, r, {col::kTiebackPrestress});
    }
  }

  void modifierRows() {
    GridTable& t = t_.PYMod;
    for (int r = 0; r < t.rowCount(); ++r) {
      t.setReal(col::kModDepth, r, in_.nextReal() / feet());
      reals(t, r, {col::kModP, col::kModY});
    }
  }

  void distributedRows(GridTable& t) {
    countedRows(t);
    for (int r = 0; r < t.rowCount(); ++r) {
      t.setReal(col::kDistDepth, r, in_.nextReal() / feet());
      t.setReal(col::kDistLoad, r, convertedReal(feet()));
    }
  }

  void soilData(bool longTerm) {
    d_.FreeHeight = in_.nextReal();
    d_.ActiveWidth = in_.nextReal();
    d_.PYWidth = in_.nextReal();
    d_.WaterDepthBackfill = in_.nextReal();
    d_.WaterDepthExcavation = in_.nextReal();
    d_.ActivePressureFactor = in_.nextReal();
    if (d_.ActivePressureFactor == kLegacyActiveFactor) d_.ActivePressureFactor = 1.0;
    d_.SoilFlag = in_.nextInteger();
    d_.BackfillSlope = in_.nextReal();

    d_.SurfaceSurcharge = in_.nextReal();
    for (double& v : d_.LegacySurcharge) v = in_.nextReal();

    GridTable& s = t_.SurchargeTable;
    if (is_.surchargeTable) {
      const bool any = countedRows(s) > 0;
      if (!longTerm) d_.ApplySurcharge = any;
      for (int r = 0; r < s.rowCount(); ++r) {
        integers(s, r, {col::kSurchargeType});
        reals(s, r, {col::kSurchargeMagnitude, col::kSurchargeDistance, col::kSurchargeWidth});
      }
    } else if (d_.LegacySurcharge[kLegacyDistance] > 0) {
      // The single surcharge set of older files becomes three rows.
      s.setRowCount(3);
      const double magnitudes[3] = {d_.LegacySurcharge[kLegacyPointLoad], d_.LegacySurcharge[kLegacyLineLoad],
                                    d_.LegacySurcharge[kLegacyStripLoad]};
      for (int r = 0; r < 3; ++r) {
        s.setInteger(col::kSurchargeType, r, r + 1);
        s.setReal(col::kSurchargeMagnitude, r, magnitudes[r]);
        s.setReal(col::kSurchargeDistance, r, d_.LegacySurcharge[kLegacyDistance]);
        s.setReal(col::kSurchargeWidth, r, d_.LegacySurcharge[kLegacyStripWidth]);
      }
      d_.ApplySurcharge = true;
    }

    layers(longTerm ? t_.LongSoil : t_.NewSoil, longTerm);
  }

  void layers(GridTable& soil, bool longTerm) {
    countedRows(soil);
    double bottom = 0;
    for (int r = 0; r < soil.rowCount(); ++r) {
      const int type = in_.nextInteger();
      const double depth = in_.nextReal();
      soil.setInteger(col::kSoilType, r, type);
      if (is_.layerThickness) {
        bottom += depth;
        soil.setReal(col::kSoilDepth, r, bottom);
      } else {
        soil.setReal(col::kSoilDepth, r, depth / feet());
      }
      GridTable* params = soil.subTable(col::kSoilParameters, r);
      if (params) params->setRowCount(params->minRows());
      if (is_.layerThickness) {
        thicknessParameterLine(type, params);
      } else {
        parameterLine(type, params, 0, longTerm);
        parameterLine(type, params, 1, longTerm);
      }
    }
  }

  void parameterLine(int type, GridTable* params, int row, bool longTerm) {
    const SoilParameterItems* items = soilParameterItems(type);
    const bool rock = isRock(type);
    for (int k = 0; k < 6; ++k) {
      if (items == nullptr || (longTerm && k == 5 && !rock)) {
        in_.nextReal();
        continue;
      }
      const SoilParameterItem item = (*items)[static_cast<size_t>(k)];
      const double v = convertedReal(writtenParameterDivisor(item.conversion, d_.UnitSystem));
      if (cellExists(params, item.column, row)) params->setReal(item.column, row, v);
    }
  }

  // The oldest layout: one line of five values for both rows, unconverted.
  void thicknessParameterLine(int type, GridTable* params) {
    const SoilParameterItems* items = soilParameterItems(type);
    for (int k = 0; k < 5; ++k) {
      const double v = in_.nextReal();
      if (items == nullptr) continue;
      const int column = (*items)[static_cast<size_t>(k)].column;
      for (int row = 0; row < 2; ++row)
        if (cellExists(params, column, row)) params->setReal(column, row, v);
    }
  }

  void pyCurveSets() {
    GridTable& sets = t_.PYCurves2;
    for (int r = 0; r < sets.rowCount(); ++r) {
      sets.setInteger(col::kSetNode, r, in_.nextInteger());
      const int points = count();
      sets.setReal(col::kSetPMultiplier, r, is_.setMultipliers ? in_.nextReal() : 1.0);
      sets.setReal(col::kSetYMultiplier, r, is_.setMultipliers ? in_.nextReal() : 1.0);
      pointRows(sets.subTable(col::kSetCurve, r), points);
    }
  }

  void momentEISets() {
    GridTable& sets = t_.MEICurves2;
    for (int r = 0; r < sets.rowCount(); ++r) {
      sets.setInteger(col::kEIFrom, r, in_.nextInteger());
      sets.setInteger(col::kEITo, r, in_.nextInteger());
      const int points = count();
      pointRows(sets.subTable(col::kEIData, r), points);
    }
  }

  // Two reals per point into columns 0 and 1 of the curve table.
  void pointRows(GridTable* curve, int points) {
    if (curve) curve->setRowCount(points);
    for (int p = 0; p < points; ++p) {
      const double x = in_.nextReal();
      const double y = in_.nextReal();
      if (curve == nullptr) continue;
      curve->setReal(0, p, x);
      curve->setReal(1, p, y);
    }
  }

  static bool cellExists(const GridTable* t, int column, int row) {
    return t != nullptr && column >= 0 && column < t->columnCount() && row < t->rowCount();
  }

  // One row's items, read in the order of the columns given.
  void integers(GridTable& t, int row, std::initializer_list<int> columns) {
    for (int c : columns) t.setInteger(c, row, in_.nextInteger());
  }
  void reals(GridTable& t, int row, std::initializer_list<int> columns) {
    for (int c : columns) t.setReal(c, row, in_.nextReal());
  }

  // A real converted to the units the tables hold; a value that the
  // conversion takes beyond the finite numbers is refused like an item that
  // is not a number (it could never be written again).
  double convertedReal(double factor) {
    const double v = in_.nextReal() * factor;
    if (!std::isfinite(v)) in_.failLastReal();
    return v;
  }

  // Sets the table's rows from a count item; returns the row count.
  int countedRows(GridTable& t) {
    t.setRowCount(count());
    return t.rowCount();
  }

  // A count item: negative counts as 0; a count beyond the file's lines
  // cannot be satisfied and is capped so that no table grows without bound.
  int count() { return std::clamp(in_.nextInteger(), 0, maxCount_); }

  void skipBlankLines() {
    while (!in_.atEnd() && in_.itemCount() == 0) in_.restOfLine();
  }

  double feet() const { return english_ ? 12.0 : 1.0; }

  TWordReader& in_;
  TProgramData& d_;
  TProjectTables& t_;
  LayoutTraits is_;
  int maxCount_;
  bool english_ = true;
};

}  // namespace

int layoutForFilterIndex(int filterIndex) {
  if (filterIndex >= kLayoutCurrent && filterIndex <= kLayout20) return filterIndex;
  return filterIndex > kLayout20 ? int(kLayout20) : int(kLayoutCurrent);
}

int layoutForExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == ".mr4d") return kLayout2013;
  if (ext == ".mrd") return kLayout30;
  return kLayoutCurrent;
}

std::string readProjectText(std::string_view text, TProgramData& data, TProjectTables& tables, int layout) {
  std::string message;
  try {
    TWordReader in = TWordReader::fromText(text);
    const int lines = static_cast<int>(std::min<size_t>(splitTextLines(text).size(), GridTable::kMaxRowCount));
    BlockReader(in, data, tables, layoutForFilterIndex(layout), lines).read();
  } catch (const MessageError& e) {
    message = e.what();
  }
  tables.fillToMinimumRows();
  return message;
}

std::string cannotOpenFileMessage(const std::string& path) { return "Cannot open file \"" + path + "\""; }

std::string readProjectFile(const std::string& path, TProgramData& data, TProjectTables& tables, int layout) {
  std::string text;
  if (!readWholeFile(path, text)) {
    tables.fillToMinimumRows();
    return cannotOpenFileMessage(path);
  }
  return readProjectText(text, data, tables, layout);
}

}  // namespace murena
