#pragma once
// The zoom dialog: the student chooses the part of the plane to look at
// (minimum and maximum of x and of y), previews the polynomials there
// ("Recuadro") or puts the bounds on the main graph (" Subs. Gráfica").
// In algebra mode it only plots one expanded polynomial in its own
// surface. One instance at a time, on top of the main window: the window
// manager keeps it as it keeps the work-area windows.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include "VentanaBase.h"

#include <array>
#include <cstdint>
#include <vector>

class PictureEjes;
class QFrame;
class QLabel;
class UCDextavo;
class Usc;

class frmZoom : public VentanaBase {
    Q_OBJECT
public:
    // The open dialog, or nullptr.
    static frmZoom *Existente();
    // Opens (or brings forward) the dialog, modeless, for these polynomials.
    static frmZoom *AbrePolinomios(std::vector<PoliPtr> polinomios);
    // Opens a fresh dialog in algebra mode for one record and waits for it.
    static void AbreAlgebra(FuncPolinPtr funcion);
    // Unloads the dialog if it is open.
    static void Descarga();

    frmZoom();
    Lugar lugar() const override { return Lugar::Encima; }
    void alCargar() override { carga(); }

    // Set before the dialog loads.
    bool ZoomAlgebra = false;
    FuncPolinPtr FuncionZoom;
    // True while the preview holds accepted bounds.
    bool ValidaNuevaEscala = false;
    // The polynomials to plot, in order.
    std::vector<PoliPtr> PolinomiosZoom;

    QLabel *LblZoom1() const { return m_lblZoom1; }
    UCDextavo *UCCZoomExt(int i) const { return m_limites[static_cast<std::size_t>(i)]; }
    PictureEjes *PicejZoom() const { return m_picejZoom; }
    QLabel *lblEscala() const { return m_lblEscala; }
    Usc *CmdRecuadro() const { return m_cmdRecuadro; }
    Usc *CmdNuevaEscala() const { return m_cmdNuevaEscala; }
    Usc *CmdListaEscala() const { return m_cmdListaEscala; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }

    const std::array<double, 4> &LimitesZoom() const { return m_limitesZoom; }
    bool LimitesRechazados() const { return m_rechazados; }
    int IndiceColor() const { return m_indiceColor; }
    // The sixteen drawing colours: black, reds, green-blues, blues, purple.
    static std::array<std::int32_t, 16> ColoresZoom();

    void CmdRecuadro_Click();
    void CmdNuevaEscala_Click();
    void CmdListaEscala_Click();
    void cmdCancelar_Click();
    // Enter in a bound box, and the focus leaving it.
    void UCCZoomExt_TeclaEnter(int i);
    void UCCZoomExt_Validate(int i, bool &cancelar);

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void carga();
    void llenaLimites();
    // The four boxes, then the bounds; the surface shows when they hold.
    void revisaLimites(PictureEjes &superficie);
    void grafica(PictureEjes &superficie);
    // Algebra mode: the expanded polynomial on the preview.
    void dibujaAlgebra();
    // The main graph is not on show (or not there).
    static bool graficaOculta();
    // After the bounds went to the main graph: the key strip under it.
    void escribeClave(PictureEjes &franja);

    std::array<double, 4> m_limitesZoom{};
    bool m_rechazados = false;
    int m_indiceColor = 0;
    bool m_revisando = false;
    // A box refused as the focus left it, not yet followed by a button press.
    bool m_cajaRechazada = false;

    QLabel *m_lblZoom1;
    QFrame *m_fraZoom;
    QFrame *m_fraZoom0;
    std::array<UCDextavo *, 4> m_limites{};
    PictureEjes *m_picejZoom;
    QLabel *m_lblEscala;
    Usc *m_cmdRecuadro;
    Usc *m_cmdNuevaEscala;
    Usc *m_cmdListaEscala;
    Usc *m_cmdCancelar;
};
