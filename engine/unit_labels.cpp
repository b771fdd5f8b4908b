#include "engine/unit_labels.h"

namespace murena {

void setUnitLabels(UnitLabels& labels, int unitFlag) {
  if (unitFlag > 0) {
    labels.lengthLabel = " IN";
    labels.forceLabel = " LBS";
    labels.lengthShort = "IN";
    labels.forceShort = "LBS";
  } else if (unitFlag < 0) {
    labels.lengthLabel = "  M";
    labels.forceLabel = "  KN";
    labels.lengthShort = " M";
    labels.forceShort = " KN";
  } else {
    labels.lengthLabel = "  L";
    labels.forceLabel = "   F";
    labels.lengthShort = " L";
    labels.forceShort = "  F";
  }
}

}  // namespace murena
