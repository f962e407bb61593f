#include "frmConcavidad.h"

#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"

#include "UCDextavo.h"
#include "Usc.h"

#include <QRadioButton>
#include <QTabWidget>

frmConcavidad::frmConcavidad()
    : VentanaIntervalos([] {
        DisenoIntervalos d;
        d.titulo = QStringLiteral("CONCAVIDAD");
        d.cualidades = {QStringLiteral("Cóncava hacia arriba"), QStringLiteral("Cóncava hacia abajo"),
                        QStringLiteral("      Sin Concavidad")};
        d.herramientas.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
        d.herramientas.derivada = 2;
        d.herramientas.soltar = false;
        return d;
    }())
{
    PanelHerramientas *h = herramientas();
    // This window words its point tab for P'' without "de".
    connect(h->OptPuntPolioDeri(1), &QRadioButton::clicked, this,
            [h] { h->stabRaices()->setTabText(0, QStringLiteral("Evaluación puntual P´´(x)")); });
}

DatosCamino frmConcavidad::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 20;
    d.exito = 44;
    d.actual = 11;
    d.barra = {{4, true}, {6, true}};
    if (camino == Camino::GraficaPoli) {
        d.instruccion = 25;
        d.apoyo = 67;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando Concavidad";
        d.recorre = true;
        d.opcion = 8;
    } else {
        d.instruccion = 24;
        d.apoyo = 17;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando la Concavidad";
        // The derivative road's chooser offers no concavity.
        d.opcion = camino == Camino::Analitico ? 10 : -1;
    }
    return d;
}

void frmConcavidad::alIniciar()
{
    cmdBorrar_Click(1);
    if (!PoliActual)
        return;
    const ResultadoConcavidad r = IntervalosConcavidad(*PoliActual);
    cargaAbiertos(r);
    m_sinConcavidad = r.esRecta;
    m_ultimoInicial = m_ultimo;
}

void frmConcavidad::cmdListo_Click(int)
{
    if (const int i = elegida(); i >= 0)
        m_cualidad = 1 - 2 * i;
    EvaluaIntervalo();
}

void frmConcavidad::EvaluaIntervalo()
{
    if (m_abiertos.empty())
        return;
    if (!leeExtremosOAnula())
        return;
    const double t = tolerancia();
    if (m_izq > m_der) {
        MuestraError("", 145);
        desmarcaCualidades();
        txtraices2(0)->setFocus();
        return;
    }
    if (m_cualidad == CODIGO_RECTA) {
        if (!m_sinConcavidad)
            return MarcaError(85);
        MuestraExito(65);
        desmarcaCualidades();
        m_ultimo = -1;
        cmdListo()->Enabled(false);
        CmdOk()->Enabled(true);
        return;
    }
    if (m_ultimoInicial < 1)
        return revisaDominio();
    if (m_ultimo == -1)
        return MarcaError(38);
    const Juicio juicio = juzga(m_izq, m_der, m_cualidad, t, t);
    if (const int n = mensajeDe(juicio, {52, 37, 140, 139, 34}))
        return MarcaError(n);
    const int i = juicio.indice;
    const Intervalo intervalo = m_abiertos[static_cast<std::size_t>(i)];
    MuestraExito(m_ultimo < 1 ? 30 : 14);
    cmdBorrar_Click(1);
    CmdOk()->Enabled(true);
    const bool arriba = m_cualidad == CODIGO_POSITIVO;
    agregaOracion(intervalo, arriba ? " Convexa" : " Cóncava");
    dibujaBanda(intervalo, 1, arriba ? "+" : "-", "f''");
    txtraices2(0)->setFocus();
    aceptaAbierto(i, true);
}

void frmConcavidad::revisaDominio()
{
    const int signo = m_signos.front();
    int error = 0;
    if (PoliActual->Polin()->Grado() < 2)
        error = 41;
    else if (m_izq != -INFINITO)
        error = 139;
    else if (m_der != INFINITO)
        error = 134;
    else if (m_cualidad != signo)
        return MarcaError(118);
    if (error) {
        // A wrong interval leaves the list open; a wrong quality is said too.
        MarcaError(error);
        if (m_cualidad != signo) {
            MuestraError("", 53);
            desmarcaCualidades();
        }
        return;
    }
    MuestraExito(30);
    desmarcaCualidades();
    dibujaBanda(m_abiertos.front(), 1, m_cualidad == CODIGO_POSITIVO ? "+" : "-", "f''", 0.2);
    CmdOk()->Enabled(true);
    txtraices2(0)->setFocus();
    m_ultimo = -1;
}

void frmConcavidad::CmdOk_Click(int)
{
    if (m_ultimo != -1) {
        MuestraError("", 54);
        return;
    }
    Termina(10);
}
