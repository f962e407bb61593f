// The sign construction as the student sees it, for a look under a display
// (not a test): the session's hub, the construction menu, the sign concept
// with roots -2, 1, 1 and a positive first band, and p = -(x+2)(x-1)²
// accepted; with the argument "selector", the chooser; with "concavidad",
// the concavity construction with abscissas -2 and 1, a negative first
// band and p = -x^4 - 2x^3 + 12x^2 accepted. The window stays up until it
// is closed.
#include "EscenaConstruccion.h"

#include "frmConConcavidad.h"
#include "frmConPosi.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EscenaConstruccion s;
    s.principal->showMaximized();
    if (argc > 1 && QByteArray(argv[1]) == "selector") {
        s.abreSelector();
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "concavidad") {
        auto *c = s.elige<frmConConcavidad>(10, {0.1f, 0.1f, 0.25f, 0, 0.15f, 0.1f});
        if (!c)
            return 1;
        s.responde(*c, "-x^4-2x^3+12x^2");
        return app.exec();
    }
    auto *w = s.elige<frmConPosi>(1, {0.25f, 0.1f, 0.5f, 0, 0.2f, 0, 0.2f, 0});
    if (!w)
        return 1;
    s.responde(*w, "-(x+2)(x-1)^2");
    return app.exec();
}
