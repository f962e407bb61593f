#include "frmConRango.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"

#include <QComboBox>
#include <cmath>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 11;
    d.titulo = QStringLiteral("R A N G O");
    d.nombre = "Rango de una Función";
    d.textoGuia = 45;
    d.rotulos = {QStringLiteral("Proponme un polinomio que posea el rango propuesto."),
                 QStringLiteral("¿Habrá más polinomios que tengan el mismo rango?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con el rango dibujado");
    d.rotuloSegundo = QStringLiteral("Proponme otro polinomio que tenga el mismo rango.");
    d.textoLista = QStringLiteral("Rango  de   la   función");
    d.ayuda0 = 53;
    d.apoyo0 = 53;
    d.apoyo1 = 54;
    d.ayuda2 = 54;
    d.apoyo2 = 55;
    d.exitoP = 50;
    d.exitoQ = 51;
    d.errorNo = 210;
    d.focoEnNo = true;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    return d;
}

bool Infinito(double x)
{
    return std::fabs(x) == INFINITO;
}

} // namespace

frmConRango::frmConRango()
    : VentanaConstruccion(Datos())
{
}

void frmConRango::dibujaRequisito()
{
    const int tipo = rt::EnteroAzar1(3);
    double e = 0;
    if (tipo != 1) {
        const int signo = rt::CInt(10.0 * rt::Rnd()) % 2 == 0 ? 1 : -1;
        e = rt::EnteroAzar0(10) * signo;
    }
    m_rangoInferior = tipo == 3 ? e : -INFINITO;
    m_rangoSuperior = tipo == 2 ? e : INFINITO;
    const double y1 = tipo == 3 ? e : -10;
    const double y2 = tipo == 2 ? e : 10;

    if (VentanaDibujo *g = VentanaGraficaActual()) {
        PictureEjes &graf = g->picejGraf();
        MuestraEscalaRecuadro(graf, -10, 10, -10, 10);
        graf.Linea(0, y1, 0, y2, rt::QBColor(1));
        graf.Linea(0.1, y1, 0.1, y2, rt::QBColor(1));
    }
    const QString izquierda = tipo == 3 ? "[" + QString::fromStdString(Texto(e)) : QStringLiteral("(-∞");
    const QString derecha = tipo == 2 ? QString::fromStdString(Texto(e)) + "]" : QStringLiteral("∞)");
    Cmbraices()->addItem(QStringLiteral("El RANGO es: ") + izquierda + " , " + derecha);
}

std::optional<Rechazo> frmConRango::prueba(const PoliPtr &p)
{
    // Ends are compared exactly: the extreme values are decided on the
    // exact answer (ExtremosExactos.h), with no rounding to forgive.
    // A constant's range is the single value [c, c].
    const bool rectaEntera = m_rangoInferior + m_rangoSuperior == 0;
    const bool gradoPar = p->Grado() % 2 == 0;
    if (rectaEntera == gradoPar)
        return Rechazo{122, ""};
    if (!MismoExtremo(*p, true, m_rangoInferior)) {
        if (Infinito(m_rangoInferior))
            return Rechazo{217, ""};
        if (!TieneExtremo(*p, true))
            return Rechazo{ComparaExtremo(*p, false, m_rangoInferior) > 0 ? std::int16_t(222) : std::int16_t(221), ""};
        return Rechazo{ComparaExtremo(*p, true, m_rangoInferior) < 0 ? std::int16_t(223) : std::int16_t(218), ""};
    }
    if (!MismoExtremo(*p, false, m_rangoSuperior)) {
        if (Infinito(m_rangoSuperior) || !TieneExtremo(*p, false))
            return Rechazo{219, ""};
        return Rechazo{ComparaExtremo(*p, false, m_rangoSuperior) > 0 ? std::int16_t(223) : std::int16_t(220), ""};
    }
    return std::nullopt;
}
