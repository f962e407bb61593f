#include "frmposi.h"

#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"

#include "UCDextavo.h"
#include "Usc.h"

frmposi::frmposi()
    : VentanaIntervalos([] {
        DisenoIntervalos d;
        d.titulo = QStringLiteral("SIGNO");
        d.cualidades = {QStringLiteral("P(x) es positiva"), QStringLiteral("P(x) es negativa")};
        d.borrar = QStringLiteral("Borrar");
        d.pestana = QStringLiteral("Intervalos  calculados");
        d.soltar = true;
        d.herramientas.puntosGrafica = true;
        return d;
    }())
{
}

DatosCamino frmposi::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 8;
    d.exito = 16;
    d.actual = 2;
    d.opcion = 1;
    if (camino == Camino::GraficaPoli) {
        d.instruccion = 5;
        d.apoyo = 60;
        d.titulo = "Quorvane: De la gráfica del polinomio deducir el concepto: Calculando el Signo de la Función";
        d.recorre = true;
        d.barra = {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, false}, {8, true}};
    } else {
        d.instruccion = 4;
        d.apoyo = 8;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando el Signo de la Función";
        d.recorre = false;
        d.barra = {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, true}, {8, false}};
        // The derivative road's chooser offers no sign.
        if (camino == Camino::GraficaDeri)
            d.opcion = -1;
    }
    return d;
}

void frmposi::alIniciar()
{
    PanelHerramientas *h = herramientas();
    const bool analitico = camino() == Camino::Analitico;
    h->cmdGraficaPtos()->setVisible(analitico);
    h->cmdLimpiaGraf()->setVisible(analitico);
    CmdOk()->Enabled(false);
    cmdListo()->Enabled(false);
    desmarcaCualidades();
    txtraices2(0)->Text(QString());
    txtraices2(1)->Text(QString());
    if (PoliActual)
        cargaAbiertos(IntervalosSigno(*PoliActual));
}

void frmposi::alElegir(int indice)
{
    m_signo = indice == 0 ? 1 : -1;
    cmdListo()->Enabled(true);
    CmdOk()->Enabled(true);
}

void frmposi::LimpiaRespuesta()
{
    desmarcaCualidades();
    cmdListo()->Enabled(false);
    txtraices2(0)->Text(QString());
    txtraices2(1)->Text(QString());
    txtraices2(0)->setFocus();
}

void frmposi::EvaluaIntervalo(int n)
{
    MuestraError("", static_cast<std::int16_t>(sustituye(n)));
    LimpiaRespuesta();
}

void frmposi::cmdListo_Click(int)
{
    if (m_abiertos.empty() || !leeExtremo(0, m_izq) || !leeExtremo(1, m_der))
        return;
    if (m_izq > m_der) {
        MuestraError("", 145);
        LimpiaRespuesta();
        return;
    }
    const double t = tolerancia();
    if (m_abiertos.size() == 1) {
        // No real root: one sign on the whole line, and no sentence.
        if (m_izq != -INFINITO)
            return EvaluaIntervalo(172);
        if (m_der != INFINITO)
            return EvaluaIntervalo(134);
        if (m_signo != m_signos.front()) {
            MuestraError("", 35);
            LimpiaRespuesta();
            return;
        }
        m_ultimo = -1;
        dibujaBanda(m_abiertos.front(), 3, m_signo == 1 ? "+" : "-", "f");
        CmdOk_Click(1);
        return;
    }
    if (m_ultimo < 0) {
        MuestraError("", 38);
        LimpiaRespuesta();
        return;
    }
    // A band already given: within 1 % on every road, whatever the road's tolerance.
    const Juicio juicio = juzga(m_izq, m_der, m_signo, t, 0.01);
    const int j = juicio.indice;
    switch (juicio.veredicto) {
    case Juicio::Acepta:
        break;
    case Juicio::OtraCualidad:
        // Both ends stay: only the sign needs changing.
        MuestraError("", 32);
        return;
    case Juicio::YaDado:
        MuestraError("", 37);
        LimpiaRespuesta();
        return;
    case Juicio::OtroDerecho:
        return EvaluaIntervalo(m_abiertos[static_cast<std::size_t>(j)].derecho <= m_der ? 135 : 136);
    case Juicio::Ninguno:
        return EvaluaIntervalo(172);
    }
    const Intervalo banda = m_abiertos[static_cast<std::size_t>(j)];
    MuestraExito(m_ultimo > 0 ? 14 : 28);
    LimpiaRespuesta();
    agregaOracion(banda, m_signo == 1 ? " Positiva" : " Negativa");
    dibujaBanda(banda, 3, m_signo == 1 ? "+" : "-", "f");
    aceptaAbierto(j, true);
}

void frmposi::CmdOk_Click(int)
{
    if (m_ultimo != -1) {
        MuestraError("", 36);
        return;
    }
    Termina(1);
}

void frmposi::cmdBorrar_Click(int)
{
    desmarcaCualidades();
    txtraices2(0)->Text(QString());
    txtraices2(0)->setFocus();
}

void frmposi::alSalir(bool terminado)
{
    // Cancelling on the analytic road takes the sample points away.
    if (!terminado && camino() == Camino::Analitico)
        herramientas()->cmdLimpiaGraf_Click(1);
}
