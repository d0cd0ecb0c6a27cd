#pragma once
// The models of the space view, in the files' axes (y up, noses along +z).
// Ships hold the objects "spaceship" and "trail"; buildings stand on y = 0
// over the square from -1 to 1 and hold parts named so that they appear
// in construction order; the cloud is one object "Cube_Cube.001".
#include "mesh.hpp"

namespace asset_gen {

Model worker_ship();
Model melee_ship();
Model ranged_ship();

Model builder_base();
Model melee_base();
Model ranged_base();
Model house();
Model wall();
Model turret();

Model cloud();

}  // namespace asset_gen
