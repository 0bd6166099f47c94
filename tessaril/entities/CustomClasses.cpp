#include "CustomClasses.h"

// The wrapper and watermark classes register here; the module defines none yet.
void registerCustomClasses()
{
}

void deleteCustomClasses()
{
}
