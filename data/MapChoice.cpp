#include "data/MapChoice.h"

unsigned char mapChoice = 0;
