#include "frmMonotonia.h"

#include "EntradaNumerica.h"

#include "Globales.h"
#include "ModCadena.h"

#include "UCDextavo.h"
#include "Usc.h"

namespace {
constexpr int CualidadNinguna = 5;
constexpr std::array<int, 4> Cualidades{CODIGO_POSITIVO, CODIGO_NEGATIVO, CODIGO_CONSTANTE, CODIGO_CONSTANTE};
} // namespace

frmMonotonia::frmMonotonia()
    : VentanaIntervalos([] {
        DisenoIntervalos d;
        d.titulo = QStringLiteral("MONOTONÍA");
        d.cualidades = {QStringLiteral("P(x)  creciente"), QStringLiteral("P(x) decreciente"),
                        QStringLiteral("P(x)  no decreciente"), QStringLiteral("P(x)  no creciente")};
        d.herramientas.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
        d.herramientas.derivada = 1;
        d.herramientas.soltar = false;
        return d;
    }())
{
    // The table stays empty until the range tool is used.
    sinTablaAlCargar();
}

DatosCamino frmMonotonia::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 15;
    d.barra = {{4, true}};
    switch (camino) {
    case Camino::Analitico:
        d.instruccion = 17;
        d.apoyo = 13;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando la monotonía de la función";
        d.opcion = 6;
        d.exito = 23;
        d.actual = 7;
        break;
    case Camino::GraficaPoli:
        d.instruccion = 18;
        d.apoyo = 64;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando  Monotonía";
        d.recorre = true;
        d.opcion = 5;
        d.exito = 23;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 19;
        d.apoyo = 76;
        d.titulo = "Quorvane: De la gráfica de derivada a concepto de polinomio: Calculando Monotonía";
        d.opcion = 3;
        d.exito = 63;
        break;
    }
    return d;
}

void frmMonotonia::alIniciar()
{
    cmdBorrar_Click(1);
    if (!PoliActual)
        return;
    const ResultadoIntervalos r = IntervalosMonotonia(*PoliActual);
    cargaAbiertos(r);
    m_cambios = r.n;
}

void frmMonotonia::alElegir(int indice)
{
    m_cualidad = Cualidades[static_cast<std::size_t>(indice)];
    cmdListo()->Enabled(true);
}

void frmMonotonia::cmdBorrar_Click(int razon)
{
    VentanaIntervalos::cmdBorrar_Click(razon);
    m_cualidad = CualidadNinguna;
}

void frmMonotonia::MarcaError(int n)
{
    marcaError(n);
    m_cualidad = CualidadNinguna;
}

void frmMonotonia::cmdListo_Click(int)
{
    if (ValidaCajaNumerica(*txtraices2(0)) >= 1) {
        cmdBorrar_Click(1);
        txtraices2(0)->setFocus();
        return;
    }
    RevisaIntervalo();
}

void frmMonotonia::RevisaIntervalo()
{
    if (m_abiertos.empty())
        return;
    const double t = tolerancia();
    if (elegida() < 0) {
        MuestraError("", 105);
        txtraices2(0)->setFocus();
        return;
    }
    m_izq = txtraices2(0)->NumAceptado();
    if (!leeExtremo(1, m_der))
        return;
    if (m_izq > m_der)
        return MarcaError(145);
    if (m_cambios < 1) {
        // One quality on the whole line: only (-inf, inf) with it, which
        // finishes the exercise at once.
        if (m_izq != -INFINITO)
            return MarcaError(139);
        if (m_der != INFINITO)
            return MarcaError(165);
        if (m_cualidad != m_signos.front())
            return MarcaError(46);
        m_ultimo = -1;
        const char *marca = m_cualidad == CODIGO_POSITIVO ? "+" : m_cualidad == CODIGO_NEGATIVO ? "-" : "c";
        dibujaBanda(m_abiertos.front(), 2, marca, "f'");
        CmdOk_Click(1);
        return;
    }
    if (m_ultimo == -1)
        return MarcaError(38);
    // Given already: within 1 % on every road.
    const Juicio juicio = juzga(m_izq, m_der, m_cualidad, t, 0.01);
    if (const int n = mensajeDe(juicio, {45, 37, 137, 136, 34}))
        return MarcaError(n);
    const int i = juicio.indice;
    const Intervalo intervalo = m_abiertos[static_cast<std::size_t>(i)];
    MuestraExito(m_ultimo < 1 ? 29 : 14);
    const bool crece = m_cualidad == CODIGO_POSITIVO;
    agregaOracion(intervalo, crece ? " Creciente" : " Decreciente");
    dibujaBanda(intervalo, 2, crece ? "+" : "-", "f'");
    cmdBorrar_Click(1);
    CmdOk()->Enabled(true);
    aceptaAbierto(i, false);
}

void frmMonotonia::CmdOk_Click(int)
{
    if (m_ultimo != -1) {
        MuestraError("", 47);
        return;
    }
    // A constant is neither increasing nor decreasing: its own message.
    const bool constante = PoliActual && PoliActual->Polin()->Grado() == 0;
    if (camino() == Camino::Analitico && constante)
        Termina(6, 71);
    else
        Termina(6);
}
