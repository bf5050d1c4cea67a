// Built by the layering test only: core must not see the skin's headers.
#include "core/Geometry.h"
#include "skin/data/SkinData.h"
