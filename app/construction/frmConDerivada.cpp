#include "frmConDerivada.h"

#include "Globales.h"
#include "SesionPolinomio.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "generapoli.h"

#include "PictureEjes.h"
#include "QBColor.h"

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
    d.reajusta = false;
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
