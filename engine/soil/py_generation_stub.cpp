// Placeholder until the p-y curve generator lands.
#include "engine/run_errors.h"
#include "engine/soil/py_generation_api.h"

namespace murena {

void loadGeneratedPYCurves(RunContext&) { throw InputError("     ERROR -- GENERATED P-Y CURVES NOT SUPPORTED YET"); }

}  // namespace murena
