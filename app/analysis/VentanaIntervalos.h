#pragma once
// The middle base of the interval exercises (sign, monotonicity, concavity,
// range): the two end boxes, which take infinity, the quality options, the
// answer's buttons, the tab where the accepted intervals are written, the
// intervals still open and those already given, and the bands under the
// graph. Each exercise adds its own check and its own finish.
#include "VentanaEjercicio.h"

#include "ModCalculos.h"

#include <QStringList>
#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;
class RichTextBox;
class UCDextavo;
class Usc;

// How an interval window looks.
struct DisenoIntervalos {
    QString titulo;
    QStringList cualidades;           // the quality options, top to bottom
    QString borrar = QStringLiteral("Borrar");
    QString rotulo;                   // a caption before the answer line, if any
    QString antes = QStringLiteral("Intervalo  ("); // before the left end
    QString pestana = QStringLiteral("Intervalos calculados");
    bool soltar = false;              // the calculator's read-out may be dropped on the ends
    OpcionesHerramientas herramientas;
};

class VentanaIntervalos : public VentanaEjercicio {
    Q_OBJECT
public:
    // 0 the left end, 1 the right end.
    UCDextavo *txtraices2(int i) const { return m_extremos[static_cast<std::size_t>(i)]; }
    QRadioButton *OptCualidad(int i) const;
    Usc *cmdListo() const { return m_listo; }
    Usc *cmdBorrar() const { return m_borrar; }
    Usc *CmdOk() const { return m_ok; }
    Usc *cmdCancelar() const { return m_cancelar; }
    RichTextBox *rtbIntervalos() const { return m_rtbIntervalos; }
    QLabel *lblposi3() const { return m_lblposi3; }
    QLabel *lblgrafica3() const { return m_lblgrafica3; }
    // Index of the last interval still open; -1 when none is left.
    int UltimoAbierto() const { return m_ultimo; }

    virtual void cmdListo_Click(int razon = 0) = 0;
    virtual void CmdOk_Click(int razon = 0) = 0;
    // Both ends emptied, the options cleared, "Listo" waits for a quality.
    virtual void cmdBorrar_Click(int razon = 0);

    // The sentence of an accepted interval, its ends as the program has
    // them: a line feed, "En  " and the interval, "I" standing for infinity.
    static std::string OracionIntervalo(const Intervalo &intervalo, const std::string &cualidad);

protected:
    explicit VentanaIntervalos(const DisenoIntervalos &diseno);

    QWidget *controlRespuesta() const override;
    // A quality option was clicked; by default "Listo" is enabled.
    virtual void alElegir(int indice);

    // Reads end i into valor: an empty box is error 163 + i, a bad number
    // the frame's 149 + code; either leaves the focus in the box.
    bool leeExtremo(int i, double &valor);
    // Reads both ends into m_izq and m_der; a bad number (not an empty box)
    // also clears the quality chosen and turns "Listo" off, as a wrong
    // interval does.
    bool leeExtremosOAnula();
    // The options cleared and "Listo" off until a quality is chosen again.
    void anulaEleccion();
    // The option chosen, -1 for none.
    int elegida() const;
    void desmarcaCualidades();
    double tolerancia() const { return enCaminoGrafico() ? 0.1 : 0.01; }
    // What error n becomes for the typed ends: 134 when the left end is
    // plus infinity, else 133 when both ends are equal.
    int sustituye(int n) const;
    // A wrong interval: its message after sustituye, the options cleared,
    // "Listo" off, the ends kept for correcting and the focus on the left.
    void marcaError(int n);

    // The open list from an analysis routine; nothing given yet.
    void cargaAbiertos(const ResultadoIntervalos &r);
    // How typed ends stand against the program's intervals.
    struct Juicio {
        enum Veredicto {
            Acepta,       // an open interval with both ends and the quality
            OtraCualidad, // both ends of an open interval, another quality
            YaDado,       // an interval already given
            OtroDerecho,  // only the left end of an open interval
            Ninguno,      // no interval starts there
        };
        Veredicto veredicto = Ninguno;
        int indice = -1; // the open interval meant, where there is one
    };
    // Judges the typed ends izq, der with quality cualidad. An earlier
    // answer typed again (the same ends and quality) is given already,
    // whatever else it might fit. Else the open interval matching both ends
    // within tol (CasiIgual) with that quality, the nearest in both ends
    // when several do, or else one that an earlier answer may stand for
    // instead, the typed ends then taking that answer's interval (intervals
    // closer than the tolerance may be given in any order); failing that,
    // the nearest open one with both ends but another quality, or an
    // interval already given (both ends within tolDados, or an earlier
    // answer's ends), whichever is nearer; then the open interval whose
    // left end is nearest within tol; then one given that starts at izq
    // within tolDados.
    Juicio juzga(double izq, double der, int cualidad, double tol, double tolDados);
    // A window's error numbers for the verdicts that refuse an answer; the
    // right end goes past the interval meant (largo) or stops short of it.
    struct MensajesJuicio {
        int otraCualidad, yaDado, largo, corto, ninguno;
    };
    // 0 for an answer accepted, else the window's error number for it.
    int mensajeDe(const Juicio &juicio, const MensajesJuicio &mensajes) const;
    // The open interval of quality cualidad nearest to the typed ends among
    // those matching both within tol; -1.
    int abiertoCercano(const Intervalo &tecleado, int cualidad, double tol) const;
    // Open interval i, as judged last, moves to the given list; the later
    // ones move down (conservaOrden) or the last one takes its place.
    void aceptaAbierto(int i, bool conservaOrden);
    // Appends the sentence to the intervals tab and shows it.
    void agregaOracion(const Intervalo &intervalo, const std::string &cualidad);
    // The band of an interval on the strip at height altura; an infinite
    // end runs from the graph's left edge + 0.2 or to its right edge, less
    // recorte.
    static void dibujaBanda(const Intervalo &intervalo, double altura, const std::string &marca,
                            const std::string &rotulo, double recorte = 0);

    std::vector<Intervalo> m_abiertos;
    std::vector<std::int16_t> m_signos;
    // An interval given, the answer that stands for it and its sentence's
    // quality word.
    struct Dado {
        Intervalo intervalo;
        Intervalo respuesta;
        std::int16_t cualidad;
        std::string palabra;
    };
    std::vector<Dado> m_dados;
    int m_ultimo = -1;
    double m_izq = 0; // the typed ends of the last check
    double m_der = 0;
    QLabel *m_lblIntervalo = nullptr; // the caption before the answer line, if any

private:
    std::array<UCDextavo *, 2> m_extremos{};
    std::vector<QRadioButton *> m_opciones;
    QButtonGroup *m_grupo;
    Usc *m_listo;
    Usc *m_borrar;
    Usc *m_ok;
    Usc *m_cancelar;
    RichTextBox *m_rtbIntervalos;
    QLabel *m_lblposi3;
    QLabel *m_lblgrafica3;
    std::string m_texto;
    std::string m_palabra; // the quality word of the last sentence
    // The given intervals whose answers move on, in order, when the
    // interval judged last is accepted.
    std::vector<std::size_t> m_cadena;
};
