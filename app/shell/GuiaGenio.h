#pragma once
// The guided tour: what the assistant character says and offers at each
// step, and what each of its commands does. The main window hands it the
// character's events; the tour's progress lives in PasoGuia (the step) and
// PaginaGuia (the page the tour window opens).
#include "ComandoPersonaje.h"
#include "HubSesion.h"

#include <QList>
#include <QString>

#include <memory>

class Personaje;
class frmMdiCalcDife;

class GuiaGenio {
public:
    explicit GuiaGenio(frmMdiCalcDife &principal);
    ~GuiaGenio();

    // Start-up: the character is made, hidden, at (70, 70), with the start
    // list; the step is "Rollo". Its voice waits for its first sentence.
    void carga();

    void mnuAyudante_Click();
    void Agent1_Click(const QString &idPersonaje, int boton, int shift, int x, int y);
    void Agent1_Command(const QString &nombre);
    void Agent1_Bookmark(long numero);

    // True while the start list ("genio", "adios") is in place.
    bool AsistenteListo() const { return m_asistenteListo; }
    Personaje *personaje() const { return m_personaje.get(); }

    static QList<ComandoPersonaje> ListaInicio();
    static QList<ComandoPersonaje> ListaEleccion();

private:
    void ponComandos(const QList<ComandoPersonaje> &lista);
    void comandoGenio();
    // The step that starts the graph construction.
    void pasoRaices();
    // "construir" (3) and "historia" (4).
    void pideAlHub(std::uint8_t accion);
    // The hub in front, with the tour's action for it when there is one;
    // what the student must do first when the hub leaves it.
    FaltaHub abreHub(std::uint8_t accion);
    // Says what must come first, as the hub's state asks.
    void diQueFalta(FaltaHub falta);
    // The next step in the window where the polynomial is being given.
    void diPasoParaDarlo();
    void abreNavegador();
    void cierraNavegador();

    frmMdiCalcDife &m_principal;
    std::unique_ptr<Personaje> m_personaje;
    bool m_asistenteListo = false;
};
