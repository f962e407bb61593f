#pragma once
// What the two graph roads share: the chooser of the road's concepts as the
// opener of its exercises, the screen context it owns, the pointer on
// "Cancelar" at every activation, and the ways out (back to the hub, back
// to the first screen). Each road adds its own problem and its reveal.
#include "CatalogoEjercicios.h"
#include "ContextoVentana.h"
#include "ListaOpciones.h"
#include "VentanaPanel.h"

#include <cstdint>
#include <map>
#include <string>

class QAction;
class QGridLayout;
class QRadioButton;
class Usc;

class VentanaCamino : public VentanaPanel {
    Q_OBJECT
public:
    void alActivar() override;
    bool alPedirDescarga() override;
    void alDescargar() override;

    // Opens the exercise of option k on this road; the chooser stays under it.
    void OptGraCon_Click(int k);
    // Back to the hub ("Cancelar" and "al menú &anterior").
    void cmdCancelar_Click();
    // Back to the first screen ("al &inicio").
    void mnuInicio_Click();

    // Widgets, for tests.
    QRadioButton *OptGraCon(int k) const { return m_lista.opcion(k); }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    QAction *mnuInicio() const { return m_mnuInicio; }
    QAction *mnuAnterior() const { return m_mnuAnterior; }

protected:
    VentanaCamino(const QString &nombre, Camino camino);

    // Option k: its caption, the concept its exercise solves, and its cell.
    void agregaOpcion(QGridLayout &rejilla, int k, int concepto, const QString &caption, int fila, int columna);
    // The "Cancelar" button (made once; the road places it).
    Usc *creaCancelar(QWidget *padre);
    // Pushes the road's screen context; the hub's problems wait meanwhile.
    void entraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo, bool zoom);
    void ponAyuda(std::int16_t ayuda, std::int16_t apoyo);
    // A new random problem polynomial becomes current (the work on the
    // previous one forgotten); it is hidden, so not "given" to the hub.
    static void sorteaProblema();
    // The pointer on "Cancelar".
    void centraEnCancelar();
    // What this road does besides the common steps when it is left.
    virtual void alDejarCamino() {}
    // Whether the graph's cursor read-out is on while the road's exercises work.
    virtual bool recorreEnEjercicios() const = 0;

    ListaOpciones &lista() { return m_lista; }

private:
    void sale();

    Camino m_camino;
    ListaOpciones m_lista;
    std::map<int, int> m_conceptos; // option -> concept
    ContextoVentana m_contexto;
    bool m_saliendo = false;
    Usc *m_cmdCancelar = nullptr;
    QAction *m_mnuInicio = nullptr;
    QAction *m_mnuAnterior = nullptr;
};
