#pragma once
// The parity exercise: is P odd, even, or neither? A right choice finishes
// at once; a wrong one is reported and cleared. A third tool tab lists the
// real roots of P once the real-roots exercise has been solved.
#include "VentanaEjercicio.h"

#include "ModCalculos.h"

#include <vector>

class QButtonGroup;
class QRadioButton;
class RichTextBox;
class Usc;

class frmParidad : public VentanaEjercicio {
    Q_OBJECT
public:
    frmParidad();

    QRadioButton *OptParidad(int i) const { return m_opciones[static_cast<std::size_t>(i)]; }
    Usc *cmdListo() const { return m_listo; }
    Usc *cmdCancelar() const { return m_cancelar; }
    RichTextBox *rtbraices() const { return m_rtbraices; }

    void OptParidad_Click(int indice);
    void cmdListo_Click(int razon = 0);
    void MuestraRaicesDadas();

    // Index of the roots tab.
    static constexpr int PestanaRaices = 2;

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alSalir(bool terminado) override;
    QWidget *controlRespuesta() const override;

private:
    void desmarca();
    // Flag of option i: 0 odd, 1 even, 2 neither.
    bool esCorrecta(int i) const;

    Paridad m_paridad;
    QButtonGroup *m_grupo;
    std::vector<QRadioButton *> m_opciones;
    Usc *m_listo;
    Usc *m_cancelar;
    RichTextBox *m_rtbraices;
};
