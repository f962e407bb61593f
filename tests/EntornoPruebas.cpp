// A test program run by itself, outside ctest, finds what ctest gives it:
// the program's data folder, the source folder and the C locale. Whatever
// the caller set already stays. Runs before main, so before any Qt object.
#include <cstdlib>

namespace {
const bool g_entorno = [] {
    ::setenv("QUORVANE_DATA_DIR", QUORVANE_DATOS_PRUEBA, 0);
    ::setenv("QUORVANE_SOURCE_DIR", QUORVANE_FUENTES_PRUEBA, 0);
    ::setenv("LC_ALL", "C.UTF-8", 0);
    return true;
}();
} // namespace
