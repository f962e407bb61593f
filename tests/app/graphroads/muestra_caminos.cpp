// The classification of critical points on a graph road, as the student
// sees it, for a look under a display (not a test): the road from the graph
// of the derivative with the program's cubic x^3 - 3x; with the argument
// "p", the road from the graph of the polynomial. The window stays up
// until it is closed.
#include "EscenaGraficas.h"

#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"

#include "Azar.h"

#include <QApplication>
#include <QRadioButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SesionPrueba s;
    s.principal->showMaximized();
    rt::ProgramaAzar({0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.3f});
    ConceptoResuelto[5] = true;
    if (argc > 1 && QByteArray(argv[1]) == "p") {
        s.Hub()->mnuDoyGrafiPoli()->trigger();
        auto *w = SesionPrueba::Ventana<frmGrafiConcepto>();
        if (!w)
            return 1;
        w->OptGraCon(6)->click();
        return app.exec();
    }
    s.Hub()->mnuGrafiDeri()->trigger();
    auto *w = SesionPrueba::Ventana<frmGrafiDeri>();
    if (!w)
        return 1;
    w->mnuMaquinaPropone()->trigger();
    ConceptoResuelto[5] = true;
    w->OptGraCon(4)->click();
    return app.exec();
}
