#pragma once
// The evaluation tools beside an exercise's answer: the value of P (or of
// a derivative) at a point, a table of twenty values over a range, and,
// where the window has them, switches between the polynomials and buttons
// that mark sample points of P on the graph. Any window may host them
// (exercises, roads, lines); OpcionesHerramientas says which parts it has.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class Collpolinomio;
class QBoxLayout;
class QLabel;
class QRadioButton;
class QTabWidget;
class UCDextavo;
class Usc;
namespace plataforma { class Grid; }

struct OpcionesHerramientas {
    // The polynomials the tools offer: P alone (or FijaPolinomio's), P and
    // one derivative (switches "P(x)" / "P´(x)"), or P, P' and P'' (switches
    // "Polinomio", "1a Derivada", "2a Derivada").
    enum class Polinomios { Uno, PYDerivada, Tres };
    Polinomios polinomios = Polinomios::Uno;
    int derivada = 1;          // the derivative of PYDerivada: 1 P', 2 P''
    bool soloPunto = false;    // the point tool alone, no table
    bool puntosGrafica = false; // "Graficar puntos" and "Limpiar gráfica"
    QString tituloPunto = QStringLiteral("Evaluación puntual");
    QString tituloRango = QStringLiteral("Evaluación por rango");
    // After a value at a point the focus stays in the point box, its text
    // selected, for the next point.
    bool focoEnPunto = false;
    // The switches' captions in place of the ones above (one per switch).
    QStringList rotulos;
    // The tabs' captions and the table's heading stay as they are whichever
    // polynomial is chosen.
    bool rotulosFijos = false;
    // The calculator's read-out may be dropped on the boxes; off: refused.
    bool soltar = true;
    // Enter in the point box evaluates; off: Enter does nothing there.
    bool enterPunto = true;
};

class PanelHerramientas : public QWidget {
    Q_OBJECT
public:
    explicit PanelHerramientas(const OpcionesHerramientas &opciones = {}, QWidget *parent = nullptr);

    // The polynomial of the tools when there are no switches: 0 P, 1 P'.
    void FijaPolinomio(int cual) { m_fijo = cual; }
    // The point read-out through FormateaNumero instead of six digits and
    // three decimals.
    void PuntoConFormato(bool si) { m_conFormato = si; }
    // Extra drawing after the graph is cleared (by "Limpiar gráfica").
    void AlLimpiarGrafica(std::function<void()> f) { m_alLimpiar = std::move(f); }

    // The point tool's caption and the prefix before its box, for windows
    // that name what they evaluate in their own words.
    void PoneRotulosPunto(const QString &titulo, const QString &prefijo);
    // The heading of the values' column ("P(x)" at first).
    void PoneEncabezado(const QString &texto);
    // Fills the table from the range boxes' accepted values, unvalidated
    // (nothing without a table).
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
    // The range boxes and the table are nullptr in a point-only panel.
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
    // The switches (nullptr where the panel has none).
    QRadioButton *OptPuntPolioDeri(int i) const { return opcion(m_optPunto, i); }
    QRadioButton *OptPolioDeri(int i) const { return opcion(m_optRango, i); }

private:
    static QRadioButton *opcion(const std::vector<QRadioButton *> &lista, int i);
    // 0 P, 1 P', 2 P'' of the current polynomial.
    const Collpolinomio *polinomio(int cual) const;
    // The polynomial (0, 1, 2) behind switch i, and the one chosen.
    int cualDeOpcion(int i) const;
    int elegido(const std::vector<QRadioButton *> &lista) const;
    int polinomioPunto() const { return elegido(m_optPunto); }
    int polinomioRango() const { return elegido(m_optRango); }
    std::vector<QRadioButton *> creaOpciones(QWidget *hoja, QBoxLayout *fila);
    static QString marca(int cual);

    OpcionesHerramientas m_opciones;
    int m_fijo = 0;
    bool m_conFormato = false;
    QString m_encabezado = QStringLiteral("P(x)");
    std::function<void()> m_alLimpiar;

    QTabWidget *m_tabs;
    UCDextavo *m_punto;
    UCDextavo *m_inicio = nullptr;
    UCDextavo *m_paso = nullptr;
    QLabel *m_lblPuntual1;
    QLabel *m_lblPuntual;
    QLabel *m_lblRango = nullptr;
    plataforma::Grid *m_tabla = nullptr;
    Usc *m_listoPuntual;
    Usc *m_limpiaPuntual;
    Usc *m_listoRango = nullptr;
    Usc *m_graficaPtos = nullptr;
    Usc *m_limpiaGraf = nullptr;
    std::vector<QRadioButton *> m_optPunto;
    std::vector<QRadioButton *> m_optRango;
};
