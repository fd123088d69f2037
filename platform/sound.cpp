#include "sound.h"
