// Seeds of the randomized tests (kept while the suite moves to reference.h).
#pragma once
#include "reference.h"
