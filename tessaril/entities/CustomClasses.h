// Registration of the module's custom classes with the host's class dictionary: done on load, undone on
// unload.
#pragma once

void registerCustomClasses();
void deleteCustomClasses();
