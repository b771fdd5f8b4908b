#include "frontend/results/result_graphs.h"

namespace murena {

namespace {

void depthGraph(TGraphPlot& g, const char* caption, const char* curveName, const char* xCaption,
                const char* xUnits) {
  g.Caption = caption;
  g.CurveName = curveName;
  g.XCaption = xCaption;
  g.XUnits = xUnits;
  g.YCaption = "Depth (ft)";
  g.XOnTop = true;
}

}  // namespace

TResultGraphs::TResultGraphs() {
  pltPY.Caption = "p-y Curves";
  pltPY.CurveName = "Depth ";
  pltPY.XCaption = "Deflection, y";
  pltPY.XUnits = "L";
  pltPY.YCaption = "Soil Resistance, p";
  pltPY.YUnits = "F/L";
  pltPY.XOnTop = false;

  depthGraph(pltDef, "Deflection vs Depth", "Load #", "Deflection", "L");
  depthGraph(pltMom, "Moment vs Depth", "Load #", "Bending Moment (in-kips)", "");
  depthGraph(pltShear, "Shear vs Depth", "Load #", "Shear (kips)", "");
  depthGraph(pltSoil, "Net Reaction vs Depth", "Load #", "Reaction", "F");
  depthGraph(pltLD, "Earth Pressure Distribution", "Curve #", "Distributed load", "F/L");
  depthGraph(PltCombine, "Earth Pressure Combined", "Curve #", "Distributed load", "F/L");
  depthGraph(pltDMS, "Deflection, Moment, Shear vs Depth", "Curve #", "Deflection", "L");
  pltDMS.XCaption2 = pltMom.XCaption;
  pltDMS.YCaption2 = pltMom.YCaption;
  pltDMS.XCaption3 = pltShear.XCaption;
  pltDMS.YCaption3 = pltShear.YCaption;
  pltDMS.XUnits2 = pltMom.XUnits;
  pltDMS.XUnits3 = pltShear.XUnits;
  pltDMS.ShowThree = true;
}

std::array<TGraphPlot*, 8> TResultGraphs::all() {
  return {&pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltLD, &PltCombine, &pltDMS};
}

bool hasDrawableCurve(const TGraphPlot& graph) {
  return !graph.Curves.empty() && graph.Curves.front().Points.size() > 1;
}

}  // namespace murena
