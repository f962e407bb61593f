#pragma once
// What the program tells the desktop about itself before its first window:
// its name, its launcher file, its icon and Qt's own texts in Spanish.

// Call once, after the application object exists.
void PreparaAplicacion();
