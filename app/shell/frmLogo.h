#pragma once
// The credits window: the product, its version and a legal line; "Créditos"
// adds the authors and collaborators. "Cancelar" or any key closes it.
#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class Usc;

class frmLogo : public QDialog {
    Q_OBJECT
public:
    explicit frmLogo(QWidget *parent = nullptr);

    void cmdCreditos_Click();

    QLabel *LblLogo(int i) const { return m_lblLogo.value(i); }
    QFrame *fraLogo2() const { return m_fraLogo2; }
    Usc *cmdCreditos() const { return m_cmdCreditos; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    bool vistaCreditos() const { return m_creditos; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QFrame *m_fraLogo;
    QFrame *m_fraLogo2;
    QFrame *m_frmLogo2;
    QFrame *m_frmLogo3;
    QFrame *m_frmLogo4;
    QList<QLabel *> m_lblLogo;
    Usc *m_cmdCreditos;
    Usc *m_cmdCancelar;
    bool m_creditos = false;
};
