#pragma once
// The frame of every analysis exercise window: placement in the left panel,
// the load by road, the numeric boxes' Enter, leave and drop behaviour, the
// evaluation tools, and the five ways out (finish, cancel, another
// polynomial, close by frame, start again), each of which pops all and only
// the screen contexts the window pushed. Each exercise adds only its own
// controls, texts, numbers and checks:
//  - datosCamino(camino): its texts and numbers on each road;
//  - alIniciar: its own load; controlRespuesta: where the focus goes;
//  - alSalir(terminado): its own steps on the way out;
//  - Termina(concepto) when its answer is complete.
#include "CatalogoEjercicios.h"
#include "GestorVentanas.h"
#include "PanelHerramientas.h"
#include "VentanaPanel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QVBoxLayout;
class RichTextBox;
class UCDextavo;
class Usc;

// What an exercise is on one road.
struct DatosCamino {
    std::int16_t instruccion = 0; // instruction paragraph
    std::int16_t ayuda = 0;       // help topic
    std::int16_t apoyo = 0;       // support row
    std::string titulo;           // caption of the main window
    // The cursor read-out on the graph window; unset leaves it as it is.
    std::optional<bool> recorre;
    // Toolbar flags set before the push (index 1..8 and value).
    std::vector<std::pair<int, bool>> barra;
    int opcion = -1;              // the opener's option of the concept; -1 none
    // The finish: its success row (0: no message), and what ConceptoActual
    // becomes (unset: left alone).
    std::int16_t exito = 0;
    std::optional<std::int16_t> actual;
};

// What Enter, leaving and dropping do in a numeric box (conectaCaja).
struct OpcionesCaja {
    bool enter = true;  // Enter validates, then runs the box's action
    bool salida = true; // leaving with a bad entry is refused
    bool soltar = true; // a dropped number becomes the text; off: drops refused
};

class VentanaEjercicio : public VentanaPanel, public EjercicioAbierto {
    Q_OBJECT
public:
    // Loads the exercise T (when it is not loaded), hands it its road and
    // opener and shows it.
    template <class T> static T *Abre(Camino camino, AbridorEjercicio &abridor)
    {
        GestorVentanas &g = GestorVentanas::instancia();
        T *w = g.existente<T>();
        if (!w) {
            w = g.ventana<T>();
            static_cast<VentanaEjercicio *>(w)->inicia(camino, abridor);
        }
        g.muestra(w);
        w->alActivar();
        return w;
    }

    Camino camino() const { return m_camino; }
    bool enCaminoGrafico() const { return m_camino != Camino::Analitico; }

    // The menu "&Regresar".
    QMenu *mnuSalida() const { return mnuRegreso(); }
    QAction *mnuReConceptos() const { return m_mnuReConceptos; }
    QAction *mnuReProPoli() const { return m_mnuReProPoli; }
    QAction *mnuReinicio() const { return m_mnuReinicio; }

    QGroupBox *fraTitulo() const { return m_fraTitulo; }
    RichTextBox *RtfDasPoli2() const { return m_rtfDasPoli2; }
    QLabel *lblraicesm() const { return m_lblraicesm; }
    PanelHerramientas *herramientas() const { return m_herramientas; }

    // Back to the concepts without finishing: the opener's option unchecked
    // on a graph road, alSalir(false), every context popped, unloaded.
    void Cancela() override;
    // Leaves for another polynomial: the hub starts over without one.
    void OtroPolinomio();
    // Back to the first screen (RegresaAlInicio).
    void Reinicia();

    // EjercicioAbierto: the opener, or nullptr once it is gone.
    AbridorEjercicio *abridor() const override { return m_abridor.get(); }
    // Screen contexts this window has pushed and not popped.
    int nivelesPropios() const { return m_niveles; }

    void alActivar() override;
    // Closing by the window's frame leaves as Cancelar does.
    bool alPedirDescarga() override;
    // Start again leaves as Cancelar does, before the stack is emptied.
    void cierraAlReiniciar() override { Cancela(); }

protected:
    explicit VentanaEjercicio(const QString &titulo, QWidget *parent = nullptr);

    virtual DatosCamino datosCamino(Camino camino) const = 0;
    // The window's own load, after the frame's.
    virtual void alIniciar() {}
    // The window's own steps when it is left by finishing or cancelling,
    // before its context is popped.
    virtual void alSalir(bool terminado) { (void)terminado; }
    // The control that takes the focus when the window becomes current.
    virtual QWidget *controlRespuesta() const { return nullptr; }

    // Adds the evaluation tools under "Herramienta", their boxes connected.
    PanelHerramientas *agregaHerramientas(const OpcionesHerramientas &opciones);
    // The tools' table is filled at load for P from the range boxes; a
    // window whose tools start otherwise switches that off in its ctor.
    void sinTablaAlCargar() { m_tablaAlCargar = false; }
    // Pushes a further screen context of the window's own (a second
    // phase); every way out pops it with the first.
    void entraContexto(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo);
    // Where the window puts its answer controls and where its own tools.
    QVBoxLayout *zonaRespuesta() const { return m_zonaRespuesta; }
    QVBoxLayout *zonaHerramienta() const { return m_zonaHerramienta; }
    QGroupBox *fraHerramienta() const { return m_fraHerramienta; }

    // The answer's "Listo" and "Cancelar" side by side, under the answer;
    // "Cancelar" leaves the exercise. Returns their row.
    QHBoxLayout *agregaListoCancelar(Usc *&listo, Usc *&cancelar);
    // Enter validates the box and, on a valid entry, runs accion; leaving
    // a box with a bad entry is refused; a dropped number becomes its text.
    // Each of the three may be switched off.
    void conectaCaja(UCDextavo &caja, std::function<void()> accion, OpcionesCaja opciones = {});
    // Finish: the road's success message (if any), concept marked solved,
    // ConceptoActual as the road says, the opener's option greyed,
    // alSalir(true), every context popped and the window unloaded.
    void Termina(int concepto);
    // The same with a success row of the answer's own (0: no message).
    void Termina(int concepto, std::int16_t exito);

private:
    void inicia(Camino camino, AbridorEjercicio &abridor);
    void sale();
    void ponRecorreGraf(bool activo);

    Camino m_camino = Camino::Analitico;
    Enlace<AbridorEjercicio> m_abridor;
    DatosCamino m_datos;
    bool m_saliendo = false;
    bool m_tablaAlCargar = true;
    int m_niveles = 0;

    QAction *m_mnuReConceptos = nullptr;
    QAction *m_mnuReProPoli = nullptr;
    QAction *m_mnuReinicio = nullptr;
    QGroupBox *m_fraTitulo = nullptr;
    QLabel *m_lbldaspoli = nullptr;
    RichTextBox *m_rtfDasPoli2 = nullptr;
    QLabel *m_lblraicesm = nullptr;
    QVBoxLayout *m_zonaRespuesta = nullptr;
    QGroupBox *m_fraHerramienta = nullptr;
    QVBoxLayout *m_zonaHerramienta = nullptr;
    PanelHerramientas *m_herramientas = nullptr;
};
