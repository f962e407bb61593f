// The sign construction as the student sees it, for a look under a display
// (not a test): the session's hub, the construction menu, the sign concept
// with roots -2, 1, 1 and a positive first band, and p = -(x+2)(x-1)²
// accepted; with the argument "selector", the chooser; with "concavidad",
// the concavity construction with abscissas -2 and 1, a negative first
// band and p = -x^4 - 2x^3 + 12x^2 accepted; with "criticos", the critical
// points -1, 0, 2 and p = 3x^4 - 4x^3 - 12x^2 accepted; with "derivada",
// P' = -1, p = -x + 5 and q = -x - 9 accepted; with "algebra", a long
// product expanded in the algebra window beside that construction and
// plotted in the zoom; with "raices", the real roots -2, 1, 3 with a
// degree-11 p and a degree-12 q accepted, with "raices15" two of degree 15
// with ten-digit leading coefficients; with "hub15", the hub on a degree-15
// polynomial of ten-digit coefficients; with "propone" and "propone15",
// (x-6)^3(x-6.1)^3 or that degree-15 polynomial accepted in the entry
// window; with "graficar", the hub's graph construction drawing q(x) for
// it; with "inflexion", the inflection points of x^5-5x^3+4x on their list's
// tab; with "reporte", the report on its classification tab; with
// "aorden", the to-order window; with "apoyo", the support page of row 7 (with "graficar", a second argument names
// the picture of the main window saved while the explanation is up). The window stays up until it is closed.
#include "EscenaConstruccion.h"

#include "frmConConcavidad.h"
#include "frmConRaices.h"
#include "frmConDerivada.h"
#include "frmConPosi.h"
#include "frmConPtoCritico.h"
#include "frmZoom.h"
#include "frmpidepoli.h"
#include "frmApoyoRtf.h"
#include "frmHistoria.h"
#include "frmPuntosInfle.h"

#include "EsperaModal.h"
#include "Globales.h"
#include "PanelHerramientas.h"

#include <QTabWidget>

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
    if (argc > 1 && QByteArray(argv[1]).startsWith("raices")) {
        const bool largo = QByteArray(argv[1]) == "raices15";
        auto *c = s.elige<frmConRaices>(0, {0.4f, 0, 0.15f, 0.1f, 0.25f, 0, 0.35f});
        if (!c)
            return 1;
        s.responde(*c, largo ? "1234567891(x+2)(x-1)(x-3)(x+9)(x-8)(x+7)(x-6)(x+5)(x-4)(x+11)(x-12)(x+13)(x-10)(x+14)(x-15)"
                             : "7x(x+2)(x-9)(x+8)(x-7)^2(x+4)(x-3)(x+11)(x-1)");
        SesionPrueba::Pulsa(c->CmdSi());
        s.responde(*c, largo ? "-9876543219(x+2)(x-1)(x-3)(x+9)(x-8)(x+7)(x-6)(x+5)(x-4)(x+11)(x-12)(x+13)(x-10)(x+14)(x+15)"
                             : "7(x+9)(x+4)(x+2)(x-1)(x-7)^2(x+8)(x+11)(x-3)(x+5)(x-6)(x+13)");
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "hub15") {
        s.DaPolinomio(QStringLiteral("1234567891x^15-2345678912x^14+3456789123x^13-4567891234x^12+5678912345x^11"
                                     "-6789123456x^10+7891234567x^9-8912345678x^8+9123456789x^7-1234567890x^6"
                                     "+2345678901x^5-3456789012x^4+4567890123x^3-5678901234x^2+6789012345x"
                                     "-7890123456"));
        return app.exec();
    }
    const QString grado15 = QStringLiteral("1234567891x^15-2345678912x^14+3456789123x^13-4567891234x^12"
                                           "+5678912345x^11-6789123456x^10+7891234567x^9-8912345678x^8"
                                           "+9123456789x^7-1234567890x^6+2345678901x^5-3456789012x^4"
                                           "+4567890123x^3-5678901234x^2+6789012345x-7890123456");
    if (argc > 1 && QByteArray(argv[1]).startsWith("propone")) {
        s.Hub()->mnutupropo()->trigger();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        if (!w)
            return 1;
        SesionPrueba::Escribe(*w->RtpPidepoli1(),
                              QByteArray(argv[1]) == "propone15" ? grado15 : QStringLiteral("(x-6)^3(x-6.1)^3"));
        SesionPrueba::Pulsa(w->cmdAceptar());
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "graficar") {
        s.DaPolinomio(grado15);
        frmPolical *hub = s.Hub();
        hub->mnuConsGraf()->trigger();
        ConceptoResuelto[4] = true;
        ConceptoActual = 5;
        hub->opciones().DeshabilitaOpcion(4);
        hub->CmdGraficar()->Enabled(true);
        rt::ProgramaAzar({0.5f});
        // The frame shows while the explanation is up: saved then, where asked.
        if (argc > 2)
            s.alMensaje = [&] { s.principal->grab().save(QString::fromLocal8Bit(argv[2])); };
        SesionPrueba::Pulsa(hub->CmdGraficar());
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "inflexion") {
        s.DaPolinomio(QStringLiteral("x^5-5x^3+4x"));
        ConceptoResuelto[8] = true;
        s.Hub()->OptCalcConcepto(9)->click();
        if (auto *w = SesionPrueba::Ventana<frmPuntosInfle>())
            w->herramientas()->stabRaices()->setCurrentIndex(2);
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "reporte") {
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        s.Hub()->OptCalcConcepto(2)->click();
        ConceptoResuelto.fill(true);
        s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
        if (frmHistoria *h = frmHistoria::Existente())
            h->sstabHistoria()->setCurrentIndex(7);
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "apoyo") {
        plataforma::FijaContestador([](QWidget &w) {
            w.show();
            return 0;
        });
        frmApoyoRtf::Abre(7);
        return app.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "aorden") {
        s.Hub()->mnuTuEliges()->trigger();
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
