#include "frmPuntosCriticos.h"

#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"

#include "RichTextBox.h"
#include "TextoNumero.h"

namespace {
// Colour value 1: a mark all but black.
constexpr std::int32_t ColorPunto = 1;

VentanaPuntos::Reglas reglas()
{
    VentanaPuntos::Reglas r;
    r.rotulo = QStringLiteral("Escribe el valor de un punto crítico:");
    r.pestana = QStringLiteral("Ptos. Críticos calculados");
    r.borrar = true;
    r.derivada = QStringLiteral("P'(x) =");
    r.marca = {5, ColorPunto, false};
    r.herramientas.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
    r.herramientas.derivada = 1;
    r.herramientas.rotulos = {QStringLiteral("Polinomio"), QStringLiteral("Derivada")};
    return r;
}
} // namespace

frmPuntosCriticos::frmPuntosCriticos()
    : VentanaPuntos(QStringLiteral("PUNTOS CRÍTICOS"), reglas())
{
}

DatosCamino frmPuntosCriticos::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 14;
    d.barra = {{4, true}};
    switch (camino) {
    case Camino::GraficaPoli:
        d.instruccion = 15;
        d.apoyo = 63;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando Puntos Críticos";
        d.recorre = true;
        d.opcion = 4;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 16;
        d.apoyo = 75;
        d.titulo = "Quorvane: De gráfica de derivada a concepto del polinomio: Cálculo de Puntos Críticos";
        d.opcion = 2;
        break;
    case Camino::Analitico:
        d.instruccion = 14;
        d.apoyo = 12;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando los Puntos Críticos";
        d.opcion = 5;
        d.actual = 6;
        break;
    }
    return d;
}

void frmPuntosCriticos::alIniciar()
{
    if (!PoliActual)
        return;
    if (ConceptoResuelto[4])
        PoliActual->Polder1()->Despliega(*RtfDeri(), "");
    const ResultadoRaices r = RaicesDistintas(*PoliActual);
    fijaFaltantes(r.raices, r.sinRaices);
    m_ultimoAceptado.reset();
}

void frmPuntosCriticos::revisa(double x)
{
    if (sinPuntos()) {
        MuestraError("", 43);
        return;
    }
    // The graph is read less precisely than the polynomial.
    const double tolerancia = enCaminoGrafico() ? 0.1 : 0.01;
    const int i = buscaFaltante(x, tolerancia);
    if (i >= 0) {
        acepta(i, x);
        m_ultimoAceptado = x;
        MuestraExito(numFaltantes() == 0 ? 34 : 9);
        vaciaRespuesta(true);
        return;
    }
    if (m_ultimoAceptado && x == *m_ultimoAceptado) {
        // The value stays in the box, the number said before the message.
        MuestraError(rt::CStr(x), 57);
        return;
    }
    // Once every point is given, a value that stands for one of them was
    // given already: only a value that is no critical point is told that
    // nothing is left.
    const bool dadoYa = i == Repetido || coincideDado(x, tolerancia);
    MuestraError("", numFaltantes() > 0 || dadoYa ? 28 : 44);
    vaciaRespuesta(true);
}

void frmPuntosCriticos::termina()
{
    if (numFaltantes() != 0) {
        MuestraError("", 42);
        return;
    }
    Termina(5, sinPuntos() ? 21 : 10);
}
