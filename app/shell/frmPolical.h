#pragma once
// The hub: the panel in which the student works on one polynomial. It
// offers the three ways of getting the current polynomial (typed, to order,
// at random), the thirteen concepts that open the analysis exercises, the
// graph construction in which solving concepts reveals the graph step by
// step, and the menus to the other problems.
#include "ContextoVentana.h"
#include "HubSesion.h"
#include "ListaOpciones.h"
#include "LlamadorPolinomio.h"
#include "VentanaBase.h"

#include "Collpolinomio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class RichTextBox;
class Usc;

class frmPolical : public VentanaBase, public HubSesion, public LlamadorPolinomio {
    Q_OBJECT
public:
    frmPolical();

    // An action the guided tour leaves for the next activation: 0 none,
    // 2 polynomial to order, 3 graph construction, 4 graph and qualities.
    std::uint8_t AccionPendiente = 0;
    // HubSesion: what other windows ask of the hub instead of setting its
    // widgets one by one.
    FaltaHub PideAccion(std::uint8_t n) override;
    void PoneEstadoMenus(EstadoHub estado) override;
    void MuestraLogos() override;
    void AlFrente() override;

    void alCargar() override;
    void alActivar() override;
    // Closing the hub by its frame is its "Regresar a &Inicio".
    bool alPedirDescarga() override;
    // Leaving, whatever the way: the exercises it opened leave first (as
    // their "Cancelar"), then the hub pops its own context.
    void alDescargar() override;

    // The concept options as the opener of the exercises.
    ListaOpciones &opciones() { return m_lista; }

    // LlamadorPolinomio: "Continuar" in the entry window makes the typed
    // polynomial current; "Cancelar" goes back to choosing.
    void recibePolinomio(const PoliPtr &p) override;
    void sinPolinomio() override;

    // Controls.
    QGroupBox *fraTitulo() const { return m_fraTitulo; }
    QLabel *lbldaspoli() const { return m_lbldaspoli; }
    RichTextBox *RtfDasPoli2() const { return m_rtfDasPoli2; }
    QFrame *UCMarcoMedio() const { return m_ucMarcoMedio; }
    QFrame *FraConceptos() const { return m_fraConceptos; }
    QLabel *Lblconceptos1() const { return m_lblconceptos1; }
    QRadioButton *OptCalcConcepto(int k) const;
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    Usc *CmdGraficar() const { return m_cmdGraficar; }
    QLabel *lblProductName() const { return m_lblProductName; }
    QLabel *LblLogo2() const { return m_lblLogo2; }

    // Menus: the five top menus and their entries.
    // The menu rows: the ways to a polynomial and its graph; the problems and the way out.
    QMenuBar *barraMenus() const { return m_barra; }
    QMenuBar *barraMenus2() const { return m_barra2; }
    QAction *mnuSePropoPoli() const { return m_mnuSePropoPoli; }
    QAction *mnutupropo() const { return m_mnutupropo; }
    QAction *mnuPolicalPropo() const { return m_mnuPolicalPropo; }
    QAction *mnuTuEliges() const { return m_mnuTuEliges; }
    QAction *mnuPolicalElige() const { return m_mnuPolicalElige; }
    QAction *mnuMenuConPoli() const { return m_mnuMenuConPoli; }
    QAction *mnuConsGraf() const { return m_mnuConsGraf; }
    QAction *mnuGrafyCuali() const { return m_mnuGrafyCuali; }
    QAction *mnuSinPoli() const { return m_mnuSinPoli; }
    QAction *mnuConceptos() const { return m_mnuConceptos; }
    QAction *mnuIdentCarac() const { return m_mnuIdentCarac; }
    QAction *mnuDoyGrafiPoli() const { return m_mnuDoyGrafiPoli; }
    QAction *mnuGrafiDeri() const { return m_mnuGrafiDeri; }
    QAction *mnuProbDiver() const { return m_mnuProbDiver; }
    QAction *mnuIdentificoGrafis() const { return m_mnuIdentificoGrafis; }
    QAction *mnuRectang() const { return m_mnuRectang; }
    QAction *mnuRectaNormal() const { return m_mnuRectaNormal; }
    QAction *mnupoliadios() const { return m_mnupoliadios; }
    QAction *mnuRegInicio() const { return m_mnuRegInicio; }
    QAction *mnuRegNuevoPoli() const { return m_mnuRegNuevoPoli; }

    // Handlers.
    void OptCalcConcepto_Click(int k);
    void CmdGraficar_Click();
    void cmdCancelar_Click();
    void mnutupropo_Click();
    void mnuTuEliges_Click();
    void mnuPolicalElige_Click();
    void mnuConsGraf_Click();
    void mnuGrafyCuali_Click();
    void mnuRegInicio_Click();
    void mnuRegNuevoPoli_Click();

    // An exercise left for another polynomial: the hub and the graph
    // window start over, the hub waiting for a polynomial.
    static void OtroPolinomio();

    // Reveals the graph when every concept is solved.
    void CompruebaTodoResuelto();
    // The main graph again, with the roots and critical points solved so far.
    void MarcaConceptosResueltos();

    // The polynomial just given, shown in the title frame (nothing is
    // drawn: the graph is the construction game's secret); the graph menu on.
    void MuestraPolinomio();
    // Help topic and support row while the hub is in front (a polynomial
    // given changes them).
    void PoneAyuda(std::int16_t ayuda, std::int16_t apoyo);
    void PoneTitulo(const std::string &titulo);
    const ContextoVentana &contexto() const { return m_contexto; }

protected:
    void resizeEvent(QResizeEvent *evento) override;

private:
    void creaMenus();
    void distribuye();
    void abreOtraVentana(const QString &menu);
    void ejecutaAccion(std::uint8_t n);
    // Whether the menu of the tour's action n is on, and if not, why.
    bool accionDisponible(std::uint8_t n) const;
    FaltaHub faltaPara(std::uint8_t n) const;
    static void interruptor(QAction *menu, bool encendido);
    // The zoom key follows the graph of P: on while the hub has drawn P and
    // the graph is on show, off otherwise (the graph kept secret).
    void ponZoom(bool graficaDeP);

    ContextoVentana m_contexto;
    ListaOpciones m_lista;
    int m_ultimaOpcion = 0;
    // The caption the hub had before the graph construction, while it runs.
    std::optional<std::string> m_tituloElegido;
    bool m_graficaDeP = false;

    QMenuBar *m_barra;
    QMenuBar *m_barra2;
    QGroupBox *m_fraTitulo;
    QLabel *m_lbldaspoli;
    RichTextBox *m_rtfDasPoli2;
    QFrame *m_ucMarcoMedio;
    QFrame *m_fraConceptos;
    QLabel *m_lblconceptos1;
    Usc *m_cmdCancelar;
    Usc *m_cmdGraficar;
    QLabel *m_lblProductName;
    QLabel *m_lblLogo2;

    QAction *m_mnuSePropoPoli = nullptr;
    QAction *m_mnutupropo = nullptr;
    QAction *m_mnuPolicalPropo = nullptr;
    QAction *m_mnuTuEliges = nullptr;
    QAction *m_mnuPolicalElige = nullptr;
    QAction *m_mnuMenuConPoli = nullptr;
    QAction *m_mnuConsGraf = nullptr;
    QAction *m_mnuGrafyCuali = nullptr;
    QAction *m_mnuSinPoli = nullptr;
    QAction *m_mnuConceptos = nullptr;
    QAction *m_mnuIdentCarac = nullptr;
    QAction *m_mnuDoyGrafiPoli = nullptr;
    QAction *m_mnuGrafiDeri = nullptr;
    QAction *m_mnuProbDiver = nullptr;
    QAction *m_mnuIdentificoGrafis = nullptr;
    QAction *m_mnuRectang = nullptr;
    QAction *m_mnuRectaNormal = nullptr;
    QAction *m_mnupoliadios = nullptr;
    QAction *m_mnuRegInicio = nullptr;
    QAction *m_mnuRegNuevoPoli = nullptr;
};
