#pragma once
// The report of solved concepts: one tab per concept with what the program
// knows of the current polynomial for every concept the student has
// solved, and a sentence that asks for the others; the last tab leaves.
// In summary mode (the hub's "Ver Gráfica y cualidades", the tour's
// "historia") every concept is shown, whatever the student has solved.
// One instance at a time, on top of the main window; built afresh each
// time it opens.
#include "ContextoVentana.h"
#include "VentanaBase.h"

#include <array>

struct SeccionHistoria;

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QTabWidget;
class RichTextBox;
class Usc;

class frmHistoria : public VentanaBase {
    Q_OBJECT
public:
    // The toolbar's "pasado": the concepts solved so far, on top of every
    // window. Nothing without a current polynomial (returns nullptr).
    static frmHistoria *AbreResueltos();
    // The summary of every concept, on top of every window, over the
    // hub's panel. Nothing without a current polynomial.
    static frmHistoria *AbreResumen();
    // Before the reference book opens: an open report stops standing on
    // top of every window and moves out of the book's way.
    static void ApartaParaLibro();
    // The open report, or nullptr.
    static frmHistoria *Existente();

    frmHistoria();
    Lugar lugar() const override { return Lugar::Encima; }
    void alCargar() override;
    void alActivar() override;
    void alDescargar() override;

    bool resumen() const { return m_resumen; }
    // Builds every tab from the concept flags (all of them in summary mode).
    void LlenaHistoria();
    // "Regresar" and the menu "&Regresar".
    void cmdCancelar_Click();

    QTabWidget *sstabHistoria() const { return m_sstabHistoria; }
    QLabel *LblHisto2(int k) const { return m_lblHisto2[static_cast<std::size_t>(k)]; }
    QLabel *LblHistoria5(int k) const { return m_lblHistoria5[static_cast<std::size_t>(k)]; }
    QLabel *LblHisto3(int i) const { return m_lblHisto3[static_cast<std::size_t>(i)]; }
    // 0 to 10; 3 is not used.
    RichTextBox *RtbHisto1(int i) const { return m_rtbHisto1[static_cast<std::size_t>(i)]; }
    RichTextBox *RtbHisto(int i) const { return m_rtbHisto[static_cast<std::size_t>(i)]; }
    QLabel *Imext(int i) const { return m_imext[static_cast<std::size_t>(i)]; }
    QLabel *Label3() const { return m_label3; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    QAction *mnuSalidaGrafYConce() const { return m_mnuSalidaGrafYConce; }

protected:
    void resizeEvent(QResizeEvent *evento) override;

private:
    static frmHistoria *Abre(bool resumen, int izquierda, int arriba);
    // Shows the window at a point of the work area, on top of every window or not.
    void ponEn(int izquierda, int arriba, bool sobreTodas);
    void distribuye();
    QFrame *creaPestana(int k, const QString &pestana, const QString &titulo);
    void llenaSeccion(int concepto, const SeccionHistoria &s);
    void llenaLimites();
    // The box that shows concept k's result (nullptr for the limits).
    RichTextBox *caja(int concepto) const;

    bool m_resumen = false;
    int m_altoDiseno = 0;
    ContextoVentana m_contexto;

    QMenuBar *m_menu;
    QAction *m_mnuSalidaGrafYConce;
    QTabWidget *m_sstabHistoria;
    std::array<QFrame *, 13> m_fraRaiHis{};
    std::array<QLabel *, 13> m_lblHisto2{};
    std::array<QLabel *, 13> m_lblHistoria5{};
    std::array<QLabel *, 2> m_lblHisto3{};
    std::array<RichTextBox *, 11> m_rtbHisto1{};
    std::array<RichTextBox *, 2> m_rtbHisto{};
    std::array<QLabel *, 4> m_imext{};
    QLabel *m_label3;
    Usc *m_cmdCancelar;
};
