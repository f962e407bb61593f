// The sign construction as the student sees it, for a look under a display
// (not a test): the session's hub, the construction menu, the sign concept
// with roots -2, 1, 1 and a positive first band, and p = -(x+2)(x-1)²
// accepted; with the argument "selector", the chooser; with "concavidad",
// the concavity construction with abscissas -2 and 1, a negative first
// band and p = -x^4 - 2x^3 + 12x^2 accepted; with "criticos", the critical
// points -1, 0, 2 and p = 3x^4 - 4x^3 - 12x^2 accepted; with "derivada",
// P' = -1, p = -x + 5 and q = -x - 9 accepted; with "algebra", a long
// product expanded in the algebra window beside that construction and
// plotted in the zoom. The window stays up until it is closed.
#include "EscenaConstruccion.h"

#include "frmConConcavidad.h"
#include "frmConDerivada.h"
#include "frmConPosi.h"
#include "frmConPtoCritico.h"
#include "frmZoom.h"
#include "frmpidepoli.h"

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
    if (argc > 1 && QByteArray(argv[1]) == "criticos") {
        auto *c = s.elige<frmConPtoCritico>(5, {0.1f, 0.15f, 0, 0, 0, 0.25f});
        if (!c)
            return 1;
        s.responde(*c, "3x^4-4x^3-12x^2");
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "algebra") {
        auto *c = s.elige<frmConPtoCritico>(5, {0.1f, 0.15f, 0, 0, 0, 0.25f});
        if (!c)
            return 1;
        SesionPrueba::Pulsa(c->CmdExpande());
        frmpidepoli *a = SesionPrueba::Ventana<frmpidepoli>();
        if (!a)
            return 1;
        SesionPrueba::Escribe(*a->RtpPidepoli1(), QStringLiteral("(x+11)(x-12)(x+13)(x-14)(x+15)(x-16)(x+17)(x-18)"));
        SesionPrueba::Pulsa(a->cmdAceptar());
        SesionPrueba::Pulsa(a->CmdGraficar());
        if (frmZoom *z = frmZoom::Existente())
            z->show();
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "derivada") {
        auto *d = s.elige<frmConDerivada>(4, {0, 0, 0});
        if (!d)
            return 1;
        PoliPtr P = Collpolinomio::Nuevo();
        P->Agrega(-1, 1);
        d->PoneProblema(P);
        s.responde(*d, "-x+5");
        SesionPrueba::Pulsa(d->CmdSi());
        s.responde(*d, "-x-9");
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
