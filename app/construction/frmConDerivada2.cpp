#include "frmConDerivada2.h"

#include "Utilerias.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "generapoli.h"

#include "PictureEjes.h"
#include "QBColor.h"

#include <vector>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 8;
    d.titulo = QStringLiteral("SEGUNDA  DERIVADA");
    d.nombre = "Segunda Derivada";
    d.textoGuia = 42;
    d.rotulos = {QStringLiteral("Escribe un polinomio que tenga esta 2ª derivada:"),
                 QStringLiteral("¿Existirá otro, distinto al anterior, con la misma 2ª derivada?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con 2ª derivada dibujada:");
    d.rotuloSegundo = QStringLiteral("Escribe otro, distinto al anterior, con la misma 2ª derivada:");
    d.ayuda0 = 47;
    d.apoyo0 = 44;
    d.ayuda1 = 40;
    d.apoyo1 = 45;
    d.ayuda2 = 48;
    d.apoyo2 = 46;
    d.exitoP = 46;
    d.exitoQ = 42;
    d.errorNo = 93;
    d.colorP = rt::QBColor(3);
    d.colorQ = rt::QBColor(4);
    d.reajusta = false;
    d.focoQueda = true;
    return d;
}

DatosDerivada DatosDeDerivada()
{
    DatosDerivada d;
    d.orden = 2;
    d.gradoMaximo = 8;
    d.boton = QStringLiteral("Segunda Derivada");
    d.etiqueta = QStringLiteral("p''(x) =");
    d.errorGrado = 168;
    d.errorVarios = 15;
    return d;
}

} // namespace

frmConDerivada2::frmConDerivada2()
    : VentanaConDerivada(Datos(), DatosDeDerivada())
{
}

void frmConDerivada2::muestraProblema()
{
    const FuncPolinPtr f = CreaFuncPolin(Problema());
    const FuncPolinPtr prima = CreaFuncPolin(f->Polder1());
    const FuncPolinPtr segunda = CreaFuncPolin(f->Polder2());
    std::vector<double> xs, ys;
    for (const FuncPolinPtr &r : {f, prima, segunda}) {
        xs.insert(xs.end(), {r->Xmin(), r->Xmax()});
        ys.insert(ys.end(), {r->Ymin(), r->Ymax()});
    }
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    MinMaxArreglo(xs, 5, xmin, xmax);
    MinMaxArreglo(ys, 5, ymin, ymax);
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    g->picejGraf().Limpia();
    MuestraEscalaRecuadro(g->picejGraf(), xmin, xmax, ymin, ymax);
    Dibuja(*f->Polder2(), rt::QBColor(1));
}
