#pragma once
// The inflection points exercise: the student types the abscissa of each
// point where P'' changes sign; P'' is shown beside the list once the
// second derivative has been solved.
#include "VentanaPuntos.h"

class frmPuntosInfle : public VentanaPuntos {
    Q_OBJECT
public:
    frmPuntosInfle();

    RichTextBox *rtbPtoInfle() const { return rtbPuntos(); }
    RichTextBox *RtfDeri2() const { return rtfDerivada(); }

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void revisa(double x) override;
    void termina() override;
};
