// Placeholder until the earth-pressure module lands.
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"

namespace murena {

void readSoilRecord(RunContext&) { throw InputError("     ERROR -- SOIL DATA (RECORD 11) NOT SUPPORTED YET"); }
void buildGeneratedPressureProfile(RunContext&) { throw InputError("     ERROR -- GENERATED EARTH PRESSURE NOT SUPPORTED YET"); }
void addSurchargeToUserProfile(RunContext&) { throw InputError("     ERROR -- SURCHARGE LOADS NOT SUPPORTED YET"); }

}  // namespace murena
