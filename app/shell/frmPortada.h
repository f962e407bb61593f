#pragma once
// The cover: two animations over the main window while every menu and
// toolbar button is off; "Cancelar" or closing it by its frame leaves it.
#include "VentanaBase.h"

class AnimacionPortada;
class QLabel;
class frmMdiCalcDife;
class Usc;

class frmPortada : public VentanaBase {
    Q_OBJECT
public:
    frmPortada();

    void alCargar() override;
    void alDescargar() override;

    void cmdCancelar_Click();

    Usc *cmdCancelar() const { return m_cmdCancelar; }
    AnimacionPortada *ShwaFla1() const { return m_shwaFla1; }
    AnimacionPortada *ShwaFla2() const { return m_shwaFla2; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Leaves the cover: movies stopped, window unloaded, the start context
    // back in force, the notice window shown and the menus on.
    void termina();
    frmMdiCalcDife *principal() const;

    AnimacionPortada *m_shwaFla1;
    AnimacionPortada *m_shwaFla2;
    QLabel *m_lblProductName;
    Usc *m_cmdCancelar;
    bool m_terminada = false;
};
