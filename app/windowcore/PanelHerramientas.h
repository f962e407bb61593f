#pragma once
// The evaluation tools beside an exercise's answer: the value of P (or of
// the window's derivative) at a point, a table of twenty values over a
// range, and, where the window has them, switches between P and the
// derivative and buttons that mark sample points of P on the graph.
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class Collpolinomio;
class QLabel;
class QRadioButton;
class QTabWidget;
class UCDextavo;
class Usc;
namespace plataforma { class Grid; }

class PanelHerramientas : public QWidget {
    Q_OBJECT
public:
    // derivada: 1 P', 2 P'' (the switches' second polynomial).
    PanelHerramientas(int derivada, bool conOpciones, bool conPuntosGrafica, QWidget *parent = nullptr);

    // The polynomial of the tools when there are no switches: 0 P, 1 P'.
    void FijaPolinomio(int cual) { m_fijo = cual; }
    // The point read-out through FormateaNumero instead of six digits and
    // three decimals.
    void PuntoConFormato(bool si) { m_conFormato = si; }
    // Extra drawing after the graph is cleared (by "Limpiar gráfica").
    void AlLimpiarGrafica(std::function<void()> f) { m_alLimpiar = std::move(f); }

    // The heading of the values' column ("P(x)" at first).
    void PoneEncabezado(const QString &texto);
    // Fills the table from the range boxes' accepted values, unvalidated.
    void LlenaTabla();

    void cmdListoPuntual_Click(int razon = 0);
    void cmdLimpiaPuntual_Click(int razon = 0);
    void cmdListoRango_Click(int razon = 0);
    void cmdGraficaPtos_Click(int razon = 0);
    void cmdLimpiaGraf_Click(int razon = 0);
    void OptPuntPolioDeri_Click(int indice);
    void OptPolioDeri_Click(int indice);

    QTabWidget *stabRaices() const { return m_tabs; }
    UCDextavo *cajaPunto() const { return m_punto; }
    UCDextavo *cajaInicio() const { return m_inicio; }
    UCDextavo *cajaPaso() const { return m_paso; }
    QLabel *lblPuntual1() const { return m_lblPuntual1; }
    QLabel *LblPuntual() const { return m_lblPuntual; }
    QLabel *lblrango1() const { return m_lblRango; }
    plataforma::Grid *flxgrdRango() const { return m_tabla; }
    Usc *cmdListoPuntual() const { return m_listoPuntual; }
    Usc *cmdLimpiaPuntual() const { return m_limpiaPuntual; }
    Usc *cmdListoRango() const { return m_listoRango; }
    Usc *cmdGraficaPtos() const { return m_graficaPtos; }
    Usc *cmdLimpiaGraf() const { return m_limpiaGraf; }
    QRadioButton *OptPuntPolioDeri(int i) const { return m_optPunto[static_cast<std::size_t>(i)]; }
    QRadioButton *OptPolioDeri(int i) const { return m_optRango[static_cast<std::size_t>(i)]; }

private:
    // 0 P, 1 P', 2 P'' of the current polynomial.
    const Collpolinomio *polinomio(int cual) const;
    int polinomioPunto() const;
    int polinomioRango() const;
    QString marcaDerivada() const;

    int m_derivada;
    int m_fijo = 0;
    bool m_conFormato = false;
    QString m_encabezado = QStringLiteral("P(x)");
    std::function<void()> m_alLimpiar;

    QTabWidget *m_tabs;
    UCDextavo *m_punto;
    UCDextavo *m_inicio;
    UCDextavo *m_paso;
    QLabel *m_lblPuntual1;
    QLabel *m_lblPuntual;
    QLabel *m_lblRango;
    plataforma::Grid *m_tabla;
    Usc *m_listoPuntual;
    Usc *m_limpiaPuntual;
    Usc *m_listoRango;
    Usc *m_graficaPtos = nullptr;
    Usc *m_limpiaGraf = nullptr;
    std::array<QRadioButton *, 2> m_optPunto{};
    std::array<QRadioButton *, 2> m_optRango{};
};
