// Registration of the module's custom classes with the host's class dictionary: done on load, undone on
// unload.
#pragma once

// Registers the 26 wrapper classes and the watermark class, in that order; classes that are already
// registered stay as they are.
void registerCustomClasses();
// Deletes the classes in the same order; objects of them in open drawings become proxies.
void deleteCustomClasses();
