#pragma once
// The absolute extrema exercise: has P an absolute maximum, an absolute
// minimum, both or neither? When it has exactly one, its value is asked
// next (not on the road from the graph of P', where the right option
// finishes at once).
#include "VentanaEjercicio.h"

#include "ModCalculos.h"

#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;
class UCDextavo;
class Usc;

class frmMaxMinAbs : public VentanaEjercicio {
    Q_OBJECT
public:
    frmMaxMinAbs();

    QRadioButton *OptMaxMin(int i) const { return m_opciones[static_cast<std::size_t>(i)]; }
    Usc *cmdListo() const { return m_listo; }
    Usc *CmdListo2() const { return m_listo2; }
    Usc *CmdOtroInter() const { return m_otro; }
    Usc *CmdOk() const { return m_ok; }
    Usc *cmdCancelar() const { return m_cancelar; }
    QLabel *LblMaxMinAbs1() const { return m_lblPide; }
    QLabel *LblMaxMinAbs2() const { return m_lblValor; }
    UCDextavo *txtraices2() const { return m_valor; }

    void cmdListo_Click(int razon = 0);
    void CmdListo2_Click(int razon = 0);
    void CmdOk_Click(int razon = 0);
    // Asks the value of the extremum chosen (or, on the derivative's road,
    // finishes).
    void PideValorExtremo();

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alSalir(bool terminado) override;
    QWidget *controlRespuesta() const override;

private:
    // The options cleared and "Listo" off, for another choice.
    void restablece();
    void cierraOpciones();
    void errorConValor(int n);

    ExtremosAbsolutos m_extremos;
    bool m_pideMaximo = false;
    bool m_pideMinimo = false;
    bool m_constanteResuelta = false;
    QButtonGroup *m_grupo;
    std::vector<QRadioButton *> m_opciones;
    QLabel *m_lblPide;
    QLabel *m_lblValor;
    UCDextavo *m_valor;
    Usc *m_listo;
    Usc *m_listo2;
    Usc *m_otro;
    Usc *m_ok;
    Usc *m_cancelar;
};
