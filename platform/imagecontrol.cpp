#include "imagecontrol.h"
