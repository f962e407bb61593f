#pragma once
// The classification of the critical points: the program names one
// critical point at a time, from left to right, and the student says
// whether P has a maximum, a minimum or a point of inflection there; the
// last right answer closes the window. The critical points must have been
// found first; the monotonicity intervals are listed once they are solved.
#include "VentanaEjercicio.h"

#include <array>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QListWidget;
class QRadioButton;
class Usc;

class frmClaPtoCri : public VentanaEjercicio {
    Q_OBJECT
public:
    frmClaPtoCri();

    // 0 inflection, 1 maximum, 2 minimum.
    QRadioButton *OptParidad(int i) const { return m_opciones[static_cast<std::size_t>(i)]; }
    Usc *cmdListo() const { return m_listo; }
    Usc *cmdCancelar() const { return m_cancelar; }
    QListWidget *LisInterMono() const { return m_lisInterMono; }
    // Index (from 0) of the critical point being classified.
    int puntoActual() const { return m_actual; }

    void OptParidad_Click(int indice);
    void cmdListo_Click(int razon = 0);
    // Every option unchecked.
    void limpia();

    // Without critical points there is nothing to classify: leaving is the
    // finish (the concept is solved once the critical points are).
    void Cancela() override;
    void cierraAlReiniciar() override { VentanaEjercicio::Cancela(); }

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;

private:
    // The instruction with W: "primero", "no tiene" or an abscissa.
    void ponInstruccion(const std::string &palabra, int puntos);
    void llenaMonotonia();
    // After the last right answer, or leaving without critical points.
    void cierra(std::int16_t exito);

    std::vector<double> m_abscisas;
    std::vector<std::int16_t> m_clases;
    bool m_sinCriticos = false;
    int m_actual = 0;
    std::int16_t m_respuesta = 0; // class of the option chosen last; 0 none yet

    QButtonGroup *m_grupo;
    std::array<QRadioButton *, 3> m_opciones{};
    Usc *m_listo;
    Usc *m_cancelar;
    QListWidget *m_lisInterMono;
};
