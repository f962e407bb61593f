#pragma once
// The notice window: the product's name, the project line and the makers'
// presentation, standing behind every other window of the work area.
#include <QWidget>

class QLabel;

class frmAnuncio : public QWidget {
    Q_OBJECT
public:
    explicit frmAnuncio(QWidget *area);

    // Fills the work area and shows, behind everything else.
    void muestra();
    // Takes the work area's measures again, shown or not.
    void ajusta();

    QLabel *lblProductName() const { return m_lblProductName; }
    QLabel *LblLogo2() const { return m_lblLogo2; }

private:
    QLabel *m_lblProductName;
    QLabel *m_lblLogo2;
    QLabel *m_lblLogo1;
    QLabel *m_label1;
    QLabel *m_lblCompany;
};
