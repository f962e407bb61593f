#include "frmPuntosInfle.h"

#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"

#include "RichTextBox.h"
#include "UCDextavo.h"

namespace {
constexpr std::int32_t ColorPunto = 0x00FF00; // RGB(0, 255, 0)
constexpr double Tolerancia = 0.005;

VentanaPuntos::Reglas reglas()
{
    VentanaPuntos::Reglas r;
    r.rotulo = QStringLiteral("Escribe  un punto de inflexión:");
    r.pestana = QStringLiteral("Ptos. de Inflexión calculados");
    r.borrar = true;
    r.derivada = QStringLiteral("P''(x) =");
    r.tituloDerivada = QStringLiteral("Segunda derivada de P(x)");
    r.marca = {3, ColorPunto, false};
    r.herramientas.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
    r.herramientas.derivada = 2;
    r.herramientas.rotulos = {QStringLiteral("Polinomio"), QStringLiteral("2a Derivada")};
    return r;
}
} // namespace

frmPuntosInfle::frmPuntosInfle()
    : VentanaPuntos(QStringLiteral("PUNTOS  DE  INFLEXIÓN"), reglas())
{
}

DatosCamino frmPuntosInfle::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 19;
    d.actual = 10;
    d.barra = {{4, true}};
    // Only the graph of P has a road of its own here.
    if (camino == Camino::GraficaPoli) {
        d.instruccion = 33;
        d.apoyo = 66;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando los Puntos de Inflexión";
        d.recorre = true;
        d.opcion = 7;
    } else {
        d.instruccion = 32;
        d.apoyo = 16;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando los Puntos de Inflexión";
        d.opcion = 9;
    }
    return d;
}

void frmPuntosInfle::alIniciar()
{
    if (!PoliActual)
        return;
    if (ConceptoResuelto[8])
        PoliActual->Polder2()->Despliega(*RtfDeri2(), "");
    else
        RtfDeri2()->SetText("¿...?");
    txtRespuesta()->Text(QString());
    // Without a root of P'' at all the message differs from a root where
    // P'' keeps its sign.
    fijaFaltantes(CalculaInflexiones(*PoliActual).raices, PoliActual->Cuenta(2) == 0);
}

void frmPuntosInfle::revisa(double x)
{
    if (numFaltantes() < 1) {
        MuestraError("", sinPuntos() ? 50 : 49);
        return;
    }
    // The check leaves the focus where it is.
    const int i = buscaFaltante(x, Tolerancia);
    if (i >= 0) {
        acepta(i, x);
        MuestraExito(numFaltantes() == 0 ? 27 : 24);
    } else {
        // A value given again is no longer in the list either.
        MuestraError("", 48);
    }
    vaciaRespuesta(false);
}

void frmPuntosInfle::termina()
{
    if (numFaltantes() != 0) {
        MuestraError("", 51);
        return;
    }
    Termina(9, sinPuntos() ? 25 : 26);
}
