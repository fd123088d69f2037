#include "linecontrol.h"
