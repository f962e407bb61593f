#pragma once
// The exercises answered point by point (real roots, critical points,
// inflection points): the student types one abscissa at a time; a value
// the program finds in its own list of points is struck off, written as
// the next numbered line under the list's tab and marked on the graph;
// "Terminar" finishes once nothing is left to give. Each window brings its
// list, its tolerance, its mark and its messages.
#include "PanelHerramientas.h"
#include "VentanaEjercicio.h"

#include <cstdint>
#include <vector>

class QLabel;
class RichTextBox;
class UCDextavo;
class Usc;

class VentanaPuntos : public VentanaEjercicio {
    Q_OBJECT
public:
    // How an accepted value is marked on the graph.
    struct Marca {
        int tam = 5;
        std::int32_t color = 0;
        bool sobreEje = false; // at (x, 0) instead of (x, P(x))
    };
    struct Reglas {
        QString rotulo;      // the answer box's label; empty: none
        QString pestana;     // the tab of the list
        bool borrar = false; // a "Borrar" button
        // The label of a derivative shown under the list ("P'(x) ="); empty: none.
        QString derivada;
        QString tituloDerivada = QStringLiteral("Derivada de P(x) "); // the caption above it
        Marca marca;
        OpcionesHerramientas herramientas;
    };

    // The answer box (the first of the window's numeric boxes).
    UCDextavo *txtRespuesta() const { return m_respuesta; }
    QLabel *lblraices2() const { return m_rotulo; }
    Usc *cmdListo() const { return m_listo; }
    Usc *cmdotro() const { return m_otro; } // "Borrar"; nullptr where there is none
    Usc *CmdOk() const { return m_terminar; }
    Usc *cmdcalcelar() const { return m_cancelar; }
    // The list of accepted values, and the derivative under it.
    RichTextBox *rtbPuntos() const { return m_lista; }
    RichTextBox *rtfDerivada() const { return m_derivada; }
    // The points not given yet, in the program's order.
    const std::vector<double> &puntosFaltantes() const { return m_faltantes; }

    // Checks the answer box (Listo, or Enter in the box).
    void cmdListo_Click(int razon = 0);
    // "Terminar".
    void CmdOk_Click(int razon = 0);
    // "Borrar": the answer box emptied, ready for another value.
    void cmdotro_Click(int razon = 0);

protected:
    VentanaPuntos(const QString &titulo, const Reglas &reglas);

    // The window's check of a valid value x typed in the answer box.
    virtual void revisa(double x) = 0;
    // The window's finish, when its list allows it.
    virtual void termina() = 0;

    void alSalir(bool terminado) override;
    QWidget *controlRespuesta() const override;

    // The program's points; sinPuntos: the polynomial has none at all.
    void fijaFaltantes(std::vector<double> puntos, bool sinPuntos = false)
    {
        m_faltantes = std::move(puntos);
        m_sinPuntos = sinPuntos;
        m_dados.clear();
        m_cadena.clear();
    }
    bool sinPuntos() const { return m_sinPuntos; }
    int numFaltantes() const { return static_cast<int>(m_faltantes.size()); }
    // What buscaFaltante answers for a value equal to an answer already
    // accepted that may stand for nothing else.
    static constexpr int Repetido = -2;
    // The point not given yet that x stands for within tol (CasiIgual);
    // Repetido, or -1 for none. A value equal to an answer accepted
    // stands for no neighbour: only for another copy of a multiple point
    // (a multiple root) left that it fits. Any other value: the points
    // without a copy given come first, so that the answers stand for as
    // many distinct points as they can; then the further copies. Among
    // either, the nearest one, or when none is near one that an earlier
    // answer may stand for instead, x then taking that answer's point
    // (points closer than the tolerance may be given in any order).
    int buscaFaltante(double x, double tol);
    // x stands for a point given already, within tol.
    bool coincideDado(double x, double tol) const;
    // Some point not given yet has no copy among those given.
    bool faltaDistinto() const;
    // x matched point i: the text as typed goes to the list, x is marked,
    // and point i is struck off. Returns the program's value of the point.
    double acepta(int i, double x);
    // The answer box emptied, and focused when foco.
    void vaciaRespuesta(bool foco);


private:
    // A point given, and the answer that stands for it.
    struct Dado {
        double punto;
        double respuesta;
    };

    // Which of the points not given yet an answer may take.
    enum class Grupo {
        SinCopia, // no copy of its value given
        ConCopia, // a copy of its value given
        Multiple, // its value stands in the list more than once
    };
    // How many copies of the value v were given.
    std::size_t copiasDadas(double v) const;
    bool enGrupo(double v, Grupo grupo) const;
    // The point of the group not given yet nearest to v within tol; -1.
    int cercano(double v, double tol, Grupo grupo) const;
    // The point of the group that x takes, directly or along a chain of
    // points given whose answers move on (kept in m_cadena); -1.
    int tomaDelGrupo(double x, double tol, Grupo grupo);

    Reglas m_reglas;
    std::vector<double> m_faltantes;
    std::vector<Dado> m_dados;
    // The given points whose answers move on, in order, when the point
    // found last is struck off.
    std::vector<std::size_t> m_cadena;
    bool m_sinPuntos = false;
    QLabel *m_rotulo = nullptr;
    UCDextavo *m_respuesta;
    Usc *m_listo;
    Usc *m_otro = nullptr;
    Usc *m_terminar;
    Usc *m_cancelar;
    RichTextBox *m_lista;
    RichTextBox *m_derivada = nullptr;
};
