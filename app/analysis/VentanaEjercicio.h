#pragma once
// The frame of every analysis exercise window: placement in the left panel,
// the load by road, the numeric boxes' Enter, leave and drop behaviour, the
// evaluation tools, and the four ways out (finish, cancel, another
// polynomial, start again). Each exercise adds only its own controls, texts,
// numbers and checks.
#include "CatalogoEjercicios.h"
#include "GestorVentanas.h"
#include "VentanaBase.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class PanelHerramientas;
class QAction;
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
};

class VentanaEjercicio : public VentanaBase {
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
    QMenu *mnuSalida() const { return m_mnuSalida; }
    QAction *mnuReConceptos() const { return m_mnuReConceptos; }
    QAction *mnuReProPoli() const { return m_mnuReProPoli; }
    QAction *mnuReinicio() const { return m_mnuReinicio; }

    QLabel *lbltitulo() const { return m_lbltitulo; }
    QGroupBox *fraTitulo() const { return m_fraTitulo; }
    RichTextBox *RtfDasPoli2() const { return m_rtfDasPoli2; }
    QLabel *lblraicesm() const { return m_lblraicesm; }
    PanelHerramientas *herramientas() const { return m_herramientas; }

    // Back to the concepts without finishing.
    void Cancela();
    // Leaves for another polynomial: the hub starts over without one.
    void OtroPolinomio();
    // Back to the first screen.
    void Reinicia();

    void alActivar() override;
    // Closing by the window's frame leaves as Cancelar does.
    bool alPedirDescarga() override;

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

    // Adds the evaluation tools under "Herramienta".
    PanelHerramientas *agregaHerramientas(int derivada, bool conOpciones, bool conPuntosGrafica);
    // Where the window puts its answer controls and where its own tools.
    QVBoxLayout *zonaRespuesta() const { return m_zonaRespuesta; }
    QVBoxLayout *zonaHerramienta() const { return m_zonaHerramienta; }
    QGroupBox *fraHerramienta() const { return m_fraHerramienta; }

    // The answer's "Listo" and "Cancelar" side by side, under the answer;
    // "Cancelar" leaves the exercise. Returns their row.
    QHBoxLayout *agregaListoCancelar(Usc *&listo, Usc *&cancelar);
    // Enter validates the box and, on a valid entry, runs accion; leaving
    // a box with a bad entry is refused; a dropped number becomes its text.
    void conectaCaja(UCDextavo &caja, std::function<void()> accion);
    // Finish: the success message, the concept marked solved, the opener's
    // option greyed, the context popped and the window unloaded.
    void Termina(std::int16_t exito, int concepto, std::int16_t actual);

private:
    void inicia(Camino camino, AbridorEjercicio &abridor);
    void sale();
    void ponRecorreGraf(bool activo);

    Camino m_camino = Camino::Analitico;
    AbridorEjercicio *m_abridor = nullptr;
    DatosCamino m_datos;
    bool m_saliendo = false;

    QMenu *m_mnuSalida = nullptr;
    QAction *m_mnuReConceptos = nullptr;
    QAction *m_mnuReProPoli = nullptr;
    QAction *m_mnuReinicio = nullptr;
    QLabel *m_lbltitulo = nullptr;
    QGroupBox *m_fraTitulo = nullptr;
    QLabel *m_lbldaspoli = nullptr;
    RichTextBox *m_rtfDasPoli2 = nullptr;
    QLabel *m_lblraicesm = nullptr;
    QVBoxLayout *m_zonaRespuesta = nullptr;
    QGroupBox *m_fraHerramienta = nullptr;
    QVBoxLayout *m_zonaHerramienta = nullptr;
    PanelHerramientas *m_herramientas = nullptr;
};
