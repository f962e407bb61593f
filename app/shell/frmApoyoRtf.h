#pragma once
// The support window: the support page of the screen in front of the
// student, under a heading with the page's topic word. Link words (in green,
// underlined) name rows of the jump list: a press on one shows that row's
// page or picture in the preview beside the page (below it in a narrow
// window), with its title as the
// heading; a press elsewhere on the page closes the preview. Modal, one
// instance, on top of the main window.
#include "VentanaBase.h"

#include "EstadoApoyo.h"

#include <memory>
#include <string>

class CajaPagina;
class QBoxLayout;
class QFrame;
class QLabel;
class Usc;

class frmApoyoRtf : public VentanaBase {
    Q_OBJECT
public:
    // The toolbar's support: the page of support row numApoyo, modal; a
    // row the support list does not have, or a page that is missing, shows
    // the message for the missing file instead. Returns when the window is
    // closed.
    static void Abre(int numApoyo);
    // The open window, or nullptr.
    static frmApoyoRtf *Existente();

    frmApoyoRtf();
    Lugar lugar() const override { return Lugar::Encima; }
    // Loads the page named by ArchivoApoyo under the heading PalSobreRtb.
    void alCargar() override;

    // The page's topic word, set before the window loads.
    std::string PalSobreRtb;
    // The link previewed last (0: none).
    int UltimoSalto() const;

    // A press of the mouse on the page, at a point of its viewport.
    void rchTextoPrinc_MouseDown(const QPoint &punto);
    void cmdCancelar_Click();

    CajaPagina *rchTextoPrinc() const { return m_rchTextoPrinc; }
    QLabel *lblapoyo1() const { return m_lblapoyo1; }
    CajaPagina *rtfHyper() const { return m_rtfHyper; }
    QLabel *PicHyper() const { return m_picHyper; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    // The jump number of the link under a point of the page (0: none).
    int NumeroSalto(const QPoint &punto) const;
    void pulsa(int salto);
    void muestraImagen(const std::filesystem::path &archivo);
    void colocaVista();

    std::unique_ptr<EstadoApoyo> m_estado;
    CajaPagina *m_rchTextoPrinc;
    QLabel *m_lblapoyo1;
    CajaPagina *m_rtfHyper;
    QLabel *m_picHyper;
    QLabel *m_pctapoyo;
    QFrame *m_ucMarco1;
    QBoxLayout *m_marco;
    QWidget *m_vista;
    Usc *m_cmdCancelar;
};
