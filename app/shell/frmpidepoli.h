#pragma once
// The polynomial window. Propose mode: the student types the polynomial to
// work on; "Continuar" makes it the current polynomial. Algebra mode
// (caption "ALGEBRA"): a tool that expands a product of factors and may
// plot the result in the zoom dialog. The mode is ModoAlgebra when the
// window loads.
#include "ContextoVentana.h"
#include "LlamadorPolinomio.h"
#include "VentanaBase.h"

#include "Collpolinomio.h"

#include <array>
#include <map>

#include <QPoint>

class QFrame;
class QLabel;
class RichTextBox;
class RichTextPolin;
class Usc;

class frmpidepoli : public VentanaBase {
    Q_OBJECT
public:
    frmpidepoli();

    // Opens the window in propose mode for a caller, who decides what
    // "Continuar" and "Cancelar" do (LlamadorPolinomio).
    static frmpidepoli *AbrePara(LlamadorPolinomio &llamador);
    LlamadorPolinomio *llamador() const { return m_llamador.get(); }

    void alCargar() override;
    void alActivar() override;
    // Clicked back into, it puts its own caption and help back in force.
    bool vuelveAlClic() const override { return true; }
    bool alPedirDescarga() override;
    void alDescargar() override;

    bool modoAlgebra() const { return m_algebra; }

    QFrame *FraPidePoli() const { return m_fraPidePoli; }
    QLabel *lblpidepoli(int i) const { return m_lblpidepoli[static_cast<std::size_t>(i)]; }
    QLabel *lblAsignaPx() const { return m_lblAsignaPx; }
    QLabel *lblSimplificaPx() const { return m_lblSimplificaPx; }
    RichTextPolin *RtpPidepoli1() const { return m_rtpPidepoli1; }
    RichTextBox *rtfpidepoli2() const { return m_rtfpidepoli2; }
    Usc *cmdAceptar() const { return m_cmdAceptar; }
    Usc *CmdContinuar() const { return m_cmdContinuar; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    Usc *cmdotro() const { return m_cmdotro; }
    Usc *CmdGraficar() const { return m_cmdGraficar; }
    Usc *CmdCerrar() const { return m_cmdCerrar; }

    // The polynomial read from the box at the last acceptance.
    PoliPtr PoliEscrito() const { return m_poliEscrito; }
    bool PoliAceptado() const { return m_poliAceptado; }

    // Enter in the box or "Aceptar"/"Operar".
    void RtpPidepoli1_TeclaEnter();
    void cmdAceptar_Click();
    void cmdotro_Click();
    void CmdContinuar_Click();
    void cmdCancelar_Click();
    void CmdGraficar_Click();
    void CmdCerrar_Click();

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void coloca(Usc *boton, int izquierdaTwips, int arribaTwips);
    void ajustaResultado();
    void sale();

    ContextoVentana m_contexto;
    // The buttons' places (pixels) while the result box fits above them.
    std::map<Usc *, QPoint> m_lugares;
    Enlace<LlamadorPolinomio> m_llamador;
    bool m_algebra = false;
    bool m_poliAceptado = false;
    bool m_conservaTexto = false;
    bool m_saliendo = false;
    PoliPtr m_poliEscrito;

    QFrame *m_fraPidePoli;
    std::array<QLabel *, 2> m_lblpidepoli{};
    QLabel *m_lblAsignaPx;
    QLabel *m_lblSimplificaPx;
    RichTextPolin *m_rtpPidepoli1;
    RichTextBox *m_rtfpidepoli2;
    Usc *m_cmdAceptar;
    Usc *m_cmdContinuar;
    Usc *m_cmdCancelar;
    Usc *m_cmdotro;
    Usc *m_cmdGraficar;
    Usc *m_cmdCerrar;
};
