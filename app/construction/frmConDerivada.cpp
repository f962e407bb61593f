#include "frmConDerivada.h"

#include "CalculoAparte.h"
#include "Globales.h"
#include "SesionPolinomio.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "generapoli.h"

#include "PictureEjes.h"
#include "QBColor.h"

#include <algorithm>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 4;
    d.titulo = QStringLiteral("PRIMERA  DERIVADA");
    d.nombre = "Primer Derivada";
    d.textoGuia = 38;
    d.rotulos = {QStringLiteral("Escribe un polinomio que tenga esta derivada:"),
                 QStringLiteral("¿Existirá otro, distinto al anterior, con la misma derivada?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con la derivada indicada:");
    d.rotuloSegundo = QStringLiteral("Escribe ahora otro distinto y con la misma derivada:");
    d.ayuda0 = 38;
    d.apoyo0 = 32;
    d.ayuda1 = 40;
    d.apoyo1 = 33;
    d.ayuda2 = 39;
    d.apoyo2 = 34;
    d.exitoP = 54;
    d.exitoQ = 55;
    d.errorNo = 93;
    d.colorP = rt::QBColor(3);
    d.colorQ = rt::QBColor(4);
    return d;
}

DatosDerivada DatosDeDerivada()
{
    DatosDerivada d;
    d.orden = 1;
    d.gradoMaximo = 4;
    d.boton = QStringLiteral("Derivada");
    d.etiqueta = QStringLiteral("p'(x) =");
    d.errorGrado = 92;
    d.errorVarios = 206;
    d.curvaEnVarios = true;
    d.desplazamiento = 1; // P's exponent, one above its derivative's
    return d;
}

} // namespace

frmConDerivada::frmConDerivada()
    : VentanaConDerivada(Datos(), DatosDeDerivada())
{
}

void frmConDerivada::muestraProblema()
{
    TomaPoliActual(Problema());
    const FuncPolinPtr prima = CreaFuncPolin(PoliActual->Polder1());
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    g->picejGraf().Limpia();
    MuestraEscalaEjes(*prima);
    Dibuja(*prima->Polin(), rt::QBColor(1));
}

void frmConDerivada::dibujaP(const PoliPtr &p)
{
    m_p = p;
    muestraCurvas({{p, datos().colorP}});
}

void frmConDerivada::dibujaQ(const PoliPtr &q)
{
    muestraCurvas({{m_p, datos().colorP}, {q, datos().colorQ}});
}

void frmConDerivada::muestraCurvas(const std::vector<std::pair<PoliPtr, std::int32_t>> &curvas)
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g || !PoliActual)
        return;
    // P' fits a window of its own, often far from where p and q (of a
    // degree one higher) turn: the window takes in each curve's own one.
    const PoliPtr prima = PoliActual->Polder1();
    // The typed curves' records, off the window's thread.
    const std::vector<FuncPolinPtr> registros = CalculaAparte([&] {
        std::vector<FuncPolinPtr> r{CreaFuncPolin(prima)};
        for (const auto &[curva, color] : curvas)
            if (curva)
                r.push_back(CreaFuncPolin(curva));
        return r;
    });
    double xmin = registros[0]->Xmin(), xmax = registros[0]->Xmax();
    double ymin = registros[0]->Ymin(), ymax = registros[0]->Ymax();
    for (const FuncPolinPtr &c : registros) {
        xmin = std::min(xmin, c->Xmin());
        xmax = std::max(xmax, c->Xmax());
        ymin = std::min(ymin, c->Ymin());
        ymax = std::max(ymax, c->Ymax());
    }
    g->picejGraf().Limpia();
    MuestraEscalaRecuadro(g->picejGraf(), xmin, xmax, ymin, ymax);
    Dibuja(*prima, rt::QBColor(1));
    for (const auto &[curva, color] : curvas)
        if (curva)
            Dibuja(*curva, color);
}
