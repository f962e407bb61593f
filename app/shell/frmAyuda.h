#pragma once
// The help window: the title, the help text and a remark for the screen in
// front of the student, each in its own box, and "Cerrar". The toolbar's
// help key opens it modal with the pages of the screen's help topic; another
// window (the calculator) may open it modeless with texts of its own. One
// instance at a time, on top of the main window.
#include "VentanaBase.h"

class CajaPagina;
class QLabel;
class Usc;

class frmAyuda : public VentanaBase {
    Q_OBJECT
public:
    // The toolbar's help: a fresh window with the pages of topic numAyuda,
    // modal, owned by the main window. Returns when it is closed.
    static void AbreTema(int numAyuda);
    // Help that a window writes itself: the window (opened if needed, else
    // refilled) shows the three plain texts, modeless.
    static frmAyuda *AbreTextos(const QString &titulo, const QString &cuerpo, const QString &observacion);
    // The open window, or nullptr.
    static frmAyuda *Existente();

    frmAyuda();
    Lugar lugar() const override { return Lugar::Encima; }
    void alCargar() override;

    // The pages of a topic: the body, the title (a page or a fixed text)
    // and the remark; a page that is missing or empty shows the message for
    // the missing file in its box, and a topic without pages leaves title
    // and body empty.
    void MuestraTema(int numAyuda);
    void MuestraTextos(const QString &titulo, const QString &cuerpo, const QString &observacion);

    void CmdAyuda_Click();

    CajaPagina *rtbtitulo() const { return m_rtbtitulo; }
    CajaPagina *rtbAyudaDes() const { return m_rtbAyudaDes; }
    CajaPagina *rtbObserva() const { return m_rtbObserva; }
    QLabel *picIcon() const { return m_picIcon; }
    Usc *CmdAyuda() const { return m_cmdAyuda; }

protected:
    void keyPressEvent(QKeyEvent *evento) override;

private:
    CajaPagina *m_rtbtitulo;
    CajaPagina *m_rtbAyudaDes;
    CajaPagina *m_rtbObserva;
    QLabel *m_picIcon;
    Usc *m_cmdAyuda;
};
