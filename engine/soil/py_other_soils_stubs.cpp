// Placeholders for the generators of sand, silt and rock until they land.
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

void generateSandCurves(PYGeneration&, int) { throw InputError("     ERROR -- SOIL TYPE NOT SUPPORTED YET"); }
void generateSiltCurves(PYGeneration&, int) { throw InputError("     ERROR -- SOIL TYPE NOT SUPPORTED YET"); }
void generateStrongRockCurves(PYGeneration&, int) { throw InputError("     ERROR -- SOIL TYPE NOT SUPPORTED YET"); }
void generateWeakRockCurves(PYGeneration&, int) { throw InputError("     ERROR -- SOIL TYPE NOT SUPPORTED YET"); }

}  // namespace murena
