#pragma once
// The curve puzzle: the graph window shows P, P' and P'' each in its own
// colour, and the student tells which is which by typing 0, 1 or 2 beside
// a swatch of each colour. Rows and colours are shuffled at every problem;
// each answer marks every row right or wrong while its message is up, and
// a right one writes out the three expressions. The polynomial comes from
// the program (another on request) or from the student.
#include "VentanaProblema.h"

#include "CollFuncPolin.h"

#include <array>

class MarcaAcierto;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class RichTextBox;
class UCDextavo;
class Usc;

class frmIdentifica : public VentanaProblema {
    Q_OBJECT
public:
    frmIdentifica();

    void alCargar() override;

    // Rows by curve: 0 P, 1 P', 2 P''.
    QLabel *LblIdentificaColor(int curva) const { return m_muestra[std::size_t(curva)]; }
    UCDextavo *UCCajaIdentifica(int curva) const { return m_caja[std::size_t(curva)]; }
    MarcaAcierto *LblIdentificaMarca(int curva) const { return m_marca[std::size_t(curva)]; }
    QLabel *LblIdentifica8(int i) const { return m_lblExpresion[std::size_t(i)]; }
    RichTextBox *RtbIdentifica1(int i) const { return m_rtbExpresion[std::size_t(i)]; }
    QFrame *UCMarcoDeri() const { return m_marcoDeri; }
    QLabel *LblGrafiCon() const { return m_lblGrafiCon; }
    QLabel *LblDeri() const { return m_lblDeri; }
    QFrame *UCMarcoMedio() const { return m_marcoMedio; }
    QFrame *FraIdentifica() const { return m_fraIdentifica; }
    QLabel *LblIdentifica1() const { return m_lblInstruccion; }
    Usc *cmdListo() const { return m_cmdListo; }
    Usc *CmdOtroI() const { return m_cmdOtro; }
    Usc *CmdCerrar() const { return m_cmdCerrar; }
    QMenu *mnuElige() const { return m_mnuElige; }
    QAction *mnuProponePoli() const { return m_mnuProponePoli; }
    QAction *mnuQuorvaPropone() const { return m_mnuQuorvaPropone; }
    QAction *mnuInicio() const { return m_mnuInicio; }
    QAction *mnuAnterior() const { return m_mnuAnterior; }
    bool MaquinaPropone() const { return m_maquinaPropone; }

    void mnuQuorvaPropone_Click();
    void mnuProponePoli_Click();
    void cmdListo_Click();
    void CmdOtroI_Click();
    void CmdCerrar_Click();

protected:
    void alRecibirPolinomio() override;

private:
    void muestraTrabajo();
    void PreparaCurvas();
    void DibujaCurvas();
    void AvisoIdentifica(std::int16_t n);
    void vaciaCajas();

    FuncPolinPtr m_funcP;
    FuncPolinPtr m_funcP1;
    FuncPolinPtr m_funcP2;
    bool m_maquinaPropone = false;

    QMenu *m_mnuElige;
    QAction *m_mnuProponePoli;
    QAction *m_mnuQuorvaPropone;
    QAction *m_mnuInicio;
    QAction *m_mnuAnterior;
    QFrame *m_marcoDeri;
    QLabel *m_lblGrafiCon;
    QLabel *m_lblDeri;
    QFrame *m_marcoMedio;
    QLabel *m_lblInstruccion;
    QFrame *m_fraIdentifica;
    std::array<QLabel *, 3> m_muestra{};
    std::array<UCDextavo *, 3> m_caja{};
    std::array<MarcaAcierto *, 3> m_marca{};
    QFrame *m_frame1;
    std::array<QLabel *, 3> m_lblExpresion{};
    std::array<RichTextBox *, 3> m_rtbExpresion{};
    Usc *m_cmdListo;
    Usc *m_cmdOtro;
    Usc *m_cmdCerrar;
};
