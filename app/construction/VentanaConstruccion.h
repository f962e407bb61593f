#pragma once
// The frame of the thirteen construction exercises: the program draws a
// requirement on the graph window, the student writes a polynomial p that
// meets it, answers whether another exists, and writes a second one q that
// differs from p. The frame owns the stages, the check (empty box, parse,
// the window's test, q against p), the rejected curve shown in magenta with
// the exclusive-or pen while its message is up, the question, leaving back
// to the chooser and starting again. Each window fills its slots
// (DatosConstruccion) and adds:
//  - dibujaRequisito: draws its requirement at load and lists it;
//  - prueba: its test of a polynomial, the first failure as a Rechazo (run
//    off the window's thread: maths on p and the window's requirement only,
//    no widget);
//  - remarca: its marks again once the graph is refitted for p (a window
//    with another drawing of p or q overrides dibujaP / dibujaQ).
#include "CatalogoEjercicios.h"
#include "ContextoVentana.h"
#include "Enlace.h"
#include "GestorVentanas.h"
#include "VentanaPanel.h"

#include "Collpolinomio.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class RichTextBox;
class RichTextPolin;
class Usc;

// What each construction window puts into the frame.
struct DatosConstruccion {
    int concepto = 0;      // the chooser's option of the window
    QString titulo;        // the title line
    std::string nombre;    // end of the main window's caption
    std::int16_t textoGuia = 0;
    std::array<QString, 4> rotulos; // request for p, question, headings of p and q
    QString rotuloAceptado; // request line once p is accepted (empty: unchanged)
    QString rotuloSegundo;  // request for q after the question
    QString rotuloSegundoNo; // the same after "No" (empty: as after "Si")
    QString rotuloFinal;    // once q is accepted (empty: unchanged)
    QString rotuloRespondido; // request line once the question is answered (empty: unchanged)
    bool preguntaOculta = false; // the second request is written on p but shown only after the answer
    QString textoLista;     // shown text of the requirement list (empty: none)
    std::int16_t ayuda0 = 0, apoyo0 = 1; // at load
    std::int16_t ayuda1 = 40, apoyo1 = 1; // after p
    std::int16_t ayuda2 = 0, apoyo2 = 1; // after the question
    std::int16_t exitoP = 40, exitoQ = 42;
    std::int16_t errorNo = 80;
    std::int32_t colorP = 0, colorQ = 0; // accepted curves, copy pen
    bool reajusta = true;       // p's own window on accepting p
    bool focoEnNo = false;      // after p the focus goes to "No", not "Si"
    bool focoQueda = false;     // after p the focus stays where it was
    bool sinRecorrido = false;  // the graph's cursor read-out off at load
    bool empujaAlActivar = false; // activation puts the window's context back in force
    std::string nombreActivo; // caption's end from the first activation on (empty: nombre)
    bool algebra = false;     // an "Algebra" button opens the polynomial window in its algebra mode
    bool sinRotuloQ = false;  // q's heading stays hidden once q is accepted
};

// A failed test: the error row and its prefix; the answer (or curva when
// given) is shown on the graph during the message unless sinCurva.
struct Rechazo {
    Rechazo(std::int16_t e, std::string p, bool sin = false, PoliPtr c = {})
        : error(e), prefijo(std::move(p)), sinCurva(sin), curva(std::move(c))
    {
    }
    std::int16_t error = 0;
    std::string prefijo;
    bool sinCurva = false;
    PoliPtr curva;
};

class VentanaConstruccion : public VentanaPanel {
    Q_OBJECT
public:
    // Loads the construction T, hands it its opener and shows it.
    template <class T> static T *Abre(AbridorEjercicio &abridor)
    {
        GestorVentanas &g = GestorVentanas::instancia();
        T *w = g.existente<T>();
        if (!w) {
            w = g.ventana<T>();
            static_cast<VentanaConstruccion *>(w)->inicia(abridor);
        }
        g.muestra(w);
        w->alActivar();
        return w;
    }

    // 0 while p is asked, 1 from p's acceptance on.
    int IndiceCaja() const { return m_indiceCaja; }
    const PoliPtr &PoliAlumno(int i) const { return m_poliAlumno.at(static_cast<std::size_t>(i)); }

    // Back to the chooser (Cancelar, Continuar, "al menú &anterior").
    void Regresa();
    // Back to the first screen.
    void Reinicia();

    // Widgets, for tests.
    QAction *mnuReConceptos() const { return m_mnuReConceptos; }
    QAction *mnuReinicio() const { return m_mnuReinicio; }
    QLabel *LblConRai4() const { return m_lblGuia; }
    QLabel *LblConRai(int i) const { return m_lblConRai.at(static_cast<std::size_t>(i)); }
    RichTextPolin *RtpPidePoliR(int i) const { return m_rtp.at(static_cast<std::size_t>(i)); }
    RichTextBox *RtbPidePoliR(int i) const { return m_rtb.at(static_cast<std::size_t>(i)); }
    QLabel *LblPx(int i) const { return m_lblPx.at(static_cast<std::size_t>(i)); }
    QLabel *Lblqx(int i) const { return m_lblQx.at(static_cast<std::size_t>(i)); }
    Usc *cmdListo() const { return m_cmdListo; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    Usc *CmdContinuar() const { return m_cmdContinuar; }
    Usc *CmdSi() const { return m_cmdSi; }
    Usc *CmdNo() const { return m_cmdNo; }
    QComboBox *Cmbraices() const { return m_cmbraices; }
    Usc *CmdExpande() const { return m_cmdExpande; }
    int nivelesPropios() const { return m_contexto.dentro() ? 1 : 0; }

    void alActivar() override;
    // A click back from the algebra window takes its context back.
    bool vuelveAlClic() const override { return !m_saliendo; }
    bool alPedirDescarga() override;
    void alDescargar() override;

protected:
    explicit VentanaConstruccion(const DatosConstruccion &datos, QWidget *parent = nullptr);

    DatosConstruccion &datos() { return m_datos; }
    // The instruction's name argument (a window may set it while drawing).
    void nombreGuia(const std::string &nombre) { m_nombreGuia = nombre; }
    QVBoxLayout *zonaHerramienta() const { return m_zonaHerramienta; }

    virtual void dibujaRequisito() = 0;
    virtual std::optional<Rechazo> prueba(const PoliPtr &p) = 0;
    // The requirement's marks drawn again on the refitted graph.
    virtual void remarca() {}
    // Accepted answers on the graph: p on its own window (reajusta), the
    // marks again, p in its colour; q in its colour on the graph as it is.
    virtual void dibujaP(const PoliPtr &p);
    virtual void dibujaQ(const PoliPtr &q);

    // Shared drawing steps of the windows.
    static void Dibuja(const Collpolinomio &p, std::int32_t color);
    // The graph refitted to x from -10 to 10 and p's own vertical window.
    static void AjustaVentana(const PoliPtr &p);
    // Dark red marks of size 5 at (x, 0) for each x.
    static void MarcaRaices(const std::vector<std::int16_t> &xs, int desde, int hasta);
    // Short dark blue segments across the x axis at xs(1..n), from -alto
    // to alto in world units, so that they stay put when the graph is refitted.
    static void SenalaAbscisas(const std::vector<std::int16_t> &xs, int n, double alto);
    // The graph refitted to p, the segments again, points of size 5 in
    // p in colorP, and colorPuntos on p at xs(1..n) over it.
    static void DibujaSobreAbscisas(const PoliPtr &p, const std::vector<std::int16_t> &xs, int n, double alto,
                                    std::int32_t colorPuntos, std::int32_t colorP);
    // A number as the lists and prefixes write it; -0 is "0".
    static std::string Texto(double x);

private:
    void inicia(AbridorEjercicio &abridor);
    void revisa();
    void rechaza(int k, const Rechazo &r);
    void aceptaP();
    void aceptaQ();
    void responde(bool si);
    void abreAlgebra();
    void cierraAlgebra();

    DatosConstruccion m_datos;
    ContextoVentana m_contexto;
    Enlace<AbridorEjercicio> m_abridor;
    std::string m_nombreGuia;
    int m_indiceCaja = 0;
    std::array<PoliPtr, 2> m_poliAlumno;
    bool m_saliendo = false;
    bool m_algebraAbierta = false;

    QAction *m_mnuReConceptos = nullptr;
    QAction *m_mnuReinicio = nullptr;
    QLabel *m_lblGuia = nullptr;
    std::array<QLabel *, 4> m_lblConRai{};
    std::array<RichTextPolin *, 2> m_rtp{};
    std::array<RichTextBox *, 2> m_rtb{};
    std::array<QLabel *, 2> m_lblPx{};
    std::array<QLabel *, 2> m_lblQx{};
    Usc *m_cmdListo = nullptr;
    Usc *m_cmdCancelar = nullptr;
    Usc *m_cmdContinuar = nullptr;
    Usc *m_cmdSi = nullptr;
    Usc *m_cmdNo = nullptr;
    QGroupBox *m_fraHerramienta = nullptr;
    QVBoxLayout *m_zonaHerramienta = nullptr;
    QComboBox *m_cmbraices = nullptr;
    Usc *m_cmdExpande = nullptr;
};
