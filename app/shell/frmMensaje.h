#pragma once
// The error window (frmerror) and the success window (frmexito): twins with
// one layout, a message, "Cerrar", and "Detalles" unfolding a detail frame.
// The error window shows its message in a rich text box, the success window
// in a label. Both are shown modally and on top of every other window.
#include "VentanaMensaje.h"

#include <QDialog>

class QFrame;
class QLabel;
class RichTextBox;
class Usc;

class frmMensaje : public QDialog, public VentanaMensaje {
    Q_OBJECT
public:
    enum class Tipo { Error, Exito };

    explicit frmMensaje(Tipo tipo, QWidget *parent = nullptr);

    // VentanaMensaje
    void PoneMensaje(const std::string &texto) override;
    void PoneDetalle(const std::string &texto) override;
    void MuestraBotonDetalles(bool visible) override;
    void PonEncima() override;
    void MuestraModal() override;

    void cmdDetalles_Click();
    void cmdCancelar_Click();

    Tipo tipo() const { return m_tipo; }
    QString mensaje() const;
    RichTextBox *rtbError() const { return m_rtbError; }
    QLabel *lblExito() const { return m_lblExito; }
    QLabel *Lbldetalles() const { return m_lbldetalles; }
    QFrame *UCMarco1() const { return m_marco; }
    Usc *cmdDetalles() const { return m_cmdDetalles; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void distribuye();
    bool pantallaGrande() const;

    Tipo m_tipo;
    RichTextBox *m_rtbError = nullptr;
    QLabel *m_lblExito = nullptr;
    QWidget *m_mensaje = nullptr;
    QFrame *m_marco;
    QLabel *m_lbldetalles;
    Usc *m_cmdDetalles;
    Usc *m_cmdCancelar;
};
