// The style set files of the library (PartsData/styles/<Style>.ini), one per style.
#pragma once

#include "library.h"

namespace partsgen {

void addStyleSets(Library& library);

}  // namespace partsgen
