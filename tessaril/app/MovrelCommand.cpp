#include "MovrelCommand.h"

// The update check, the main dialog and the batch are the command's steps; until they are part of the
// module the command has nothing to show.
void movrel()
{
}
