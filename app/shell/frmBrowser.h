#pragma once
// The tour window: the tour's local pages with an address bar of visited
// addresses (most recent first), the usual browsing keys and the page's
// title as caption. It opens the tour page that PaginaGuia names: "1" the
// entrance page, "2" the roots page (the tour goes on to its roots step),
// any other value the address opened last.
#include "VentanaBase.h"

#include <QTimer>

class NavegadorGuia;
class QAction;
class QComboBox;
class QLabel;
class QToolBar;

class frmBrowser : public VentanaBase {
    Q_OBJECT
public:
    frmBrowser();
    Lugar lugar() const override { return Lugar::Encima; }
    void alCargar() override;

    static frmBrowser *Existente();

    // The caption while a page is on its way.
    static QString TituloOcupado();

    NavegadorGuia *brwWebBrowser() const { return m_navegador; }
    QComboBox *cboAddress() const { return m_cboAddress; }
    QToolBar *tbToolBar() const { return m_tbToolBar; }
    QAction *boton(const QString &clave) const;
    QAction *mnuSalir() const { return m_mnuSalir; }

    void tbToolBar_ButtonClick(const QString &clave);

private:
    void navega(const QString &direccion);
    void navegacionTerminada();
    void cboAddress_Click();
    void timTimer_Timer();

    NavegadorGuia *m_navegador = nullptr;
    QComboBox *m_cboAddress = nullptr;
    QLabel *m_lblAddress = nullptr;
    QToolBar *m_tbToolBar = nullptr;
    QAction *m_mnuSalir = nullptr;
    QTimer m_timTimer;
    QString m_inicioGuia;
    bool m_sinNavegar = false;
    bool m_cargando = false;
};
