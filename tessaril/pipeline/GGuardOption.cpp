#include "GGuardOption.h"

GGuardOption GuardOption;
