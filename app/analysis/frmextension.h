#pragma once
// The extension exercise: the limits of P at minus and at plus infinity,
// each typed into its own box (infinity with the box's infinity key) and
// accepted on its own; both accepted solve the concept. Accepted limits
// are written as legends on the graph.
#include "VentanaEjercicio.h"

#include <array>

class QFrame;
class UCDextavo;
class Usc;

class frmextension : public VentanaEjercicio {
    Q_OBJECT
public:
    frmextension();

    // Box 0: the limit at minus infinity, box 1: at plus infinity.
    UCDextavo *txtLimite(int i) const { return m_limites[static_cast<std::size_t>(i)]; }
    Usc *CmdExtensaListo() const { return m_listo; }
    Usc *CmdExtensaCancelar() const { return m_cancelar; }
    bool LimResuelto(int i) const { return m_resuelto[static_cast<std::size_t>(i)]; }
    double LimMenosInf() const { return m_limMenos; }
    double LimMasInf() const { return m_limMas; }

    void CmdExtensaListo_Click(int razon = 0);
    // The legends of the accepted limits on the graph.
    void DibujaLimites(bool menos, bool mas);

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alSalir(bool terminado) override;
    QWidget *controlRespuesta() const override;

private:
    // Examines box i; false ends the click (an error was shown).
    bool revisa(int i, bool otraEnRevision);

    std::array<UCDextavo *, 2> m_limites{};
    std::array<bool, 2> m_resuelto{};
    double m_limMenos = 0;
    double m_limMas = 0;
    QFrame *m_fraExtensa;
    Usc *m_listo;
    Usc *m_cancelar;
};
