#pragma once

#include "app/Reading.h"

// The one current reading of the program: written by a new reading or an
// opened file, read by the result window and by Save.
Reading& CurrentReading();
