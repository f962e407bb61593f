#pragma once
// The critical points exercise: the student types the abscissa of each
// critical point of P (each root of P', given once); P' is shown beside
// the list once the first derivative has been solved.
#include "VentanaPuntos.h"

#include <optional>

class frmPuntosCriticos : public VentanaPuntos {
    Q_OBJECT
public:
    frmPuntosCriticos();

    RichTextBox *rtbraices() const { return rtbPuntos(); }
    RichTextBox *RtfDeri() const { return rtfDerivada(); }

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void revisa(double x) override;
    void termina() override;

private:
    // The value typed for the point accepted last.
    std::optional<double> m_ultimoAceptado;
};
