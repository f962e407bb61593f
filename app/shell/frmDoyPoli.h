#pragma once
// The polynomial to order: the student picks a degree (1 to 12), a parity
// (the degree's own, or none) and one line of qualities; the program makes
// a polynomial with them, another on request, and "Continuar" hands it to
// the hub as the current polynomial.
#include "ContextoVentana.h"
#include "VentanaBase.h"

#include <cstdint>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenuBar;
class QAction;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class RichTextBox;
class Usc;

class frmDoyPoli : public VentanaBase {
    Q_OBJECT
public:
    frmDoyPoli();

    void alCargar() override;
    void alActivar() override;
    bool alPedirDescarga() override;
    void alDescargar() override;

    QGroupBox *fragradoi() const { return m_fragradoi; }
    QSpinBox *UpdGrado() const { return m_updGrado; }
    QLineEdit *Txtgrado() const;
    QGroupBox *fraParidad() const { return m_fraParidad; }
    QRadioButton *optparidad1() const { return m_optparidad1; }
    QRadioButton *optparidad2() const { return m_optparidad2; }
    QGroupBox *fraraices() const { return m_fraraices; }
    QComboBox *CmbCualidades() const { return m_cmbCualidades; }
    Usc *cmdListo() const { return m_cmdListo; }
    Usc *cmdotro() const { return m_cmdotro; }
    Usc *CmdPasa() const { return m_cmdPasa; }
    Usc *cmdcancela() const { return m_cmdcancela; }
    QLabel *lbldoypoli2() const { return m_lbldoypoli2; }
    QLabel *lbldoypoli() const { return m_lbldoypoli; }
    RichTextBox *rtfdoypoli() const { return m_rtfdoypoli; }
    QAction *mnuSalidaEliges() const { return m_mnuSalidaEliges; }

    std::int16_t grado() const { return m_grado; }
    std::int16_t paridad() const { return m_paridad; }
    std::int16_t cualidad() const { return m_cualidad; }

    void UpdGrado_Change();
    void optparidad_Click(bool sinParidad);
    void CmbCualidades_Click();
    void cmdListo_Click();
    void cmdotro_Click();
    void CmdPasa_Click();
    void cmdcancela_Click();

private:

    ContextoVentana m_contexto;
    std::int16_t m_grado = 1;
    std::int16_t m_paridad = 0;
    std::int16_t m_cualidad = 0;
    bool m_saliendo = false;

    QMenuBar *m_barra;
    QAction *m_mnuSalidaEliges;
    QGroupBox *m_fragradoi;
    QLabel *m_label1;
    QSpinBox *m_updGrado;
    QGroupBox *m_fraParidad;
    QRadioButton *m_optparidad1;
    QRadioButton *m_optparidad2;
    QGroupBox *m_fraraices;
    QComboBox *m_cmbCualidades;
    Usc *m_cmdListo;
    Usc *m_cmdotro;
    Usc *m_cmdPasa;
    Usc *m_cmdcancela;
    QLabel *m_lbldoypoli2;
    QLabel *m_lbldoypoli;
    RichTextBox *m_rtfdoypoli;
};
