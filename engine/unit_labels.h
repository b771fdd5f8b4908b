#pragma once
// Fixed-width unit texts printed after numbers in the report.
#include <string>

namespace murena {

struct UnitLabels {
  std::string lengthLabel;  // 3: " IN", "  M", "  L"
  std::string forceLabel;   // 4: " LBS", "  KN", "   F"
  std::string lengthShort;  // 2: "IN", " M", " L"
  std::string forceShort;   // 3: "LBS", " KN", "  F"
  std::string slash = "/";
  std::string dash = "-";
  std::string power = "**";
  std::string two = "2";
  std::string three = "3  ";
  std::string four = "4";
  std::string radians = "RAD";

  // Composite texts shared by several report blocks.
  std::string eiUnit() const { return forceLabel + dash + lengthShort + power + two; }
  std::string forcePerLength() const { return forceLabel + slash + lengthShort; }
  std::string stressLabel() const { return forceLabel + slash + lengthShort + power + two; }
  std::string unitWeightLabel() const { return forceLabel + slash + lengthShort + power + three.substr(0, 1); }
  std::string shortStressLabel() const { return forceShort + slash + lengthShort + power + two; }
  std::string shortUnitWeightLabel() const { return forceShort + slash + lengthShort + power + three.substr(0, 1); }
  std::string shortLineLoadLabel() const { return forceShort + slash + lengthShort; }
};

// unitFlag: positive English, negative SI, zero other units.
void setUnitLabels(UnitLabels& labels, int unitFlag);

}  // namespace murena
