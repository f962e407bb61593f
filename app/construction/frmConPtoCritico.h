#pragma once
// Construction of concept 5, critical points: three whole abscissas from
// -8 to 8 (a value may come twice), marked by segments across the x axis.
// p and q must have P' zero at each of them.
#include "VentanaConstruccion.h"

#include <vector>

class frmConPtoCritico : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConPtoCritico();

    const std::vector<std::int16_t> &AbscisaCritica() const { return m_abscisaCritica; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void dibujaP(const PoliPtr &p) override;

private:
    static constexpr int NumCriticos = 3;
    std::vector<std::int16_t> m_abscisaCritica; // 1..3 ascending
};
