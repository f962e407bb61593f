#pragma once
// Construction of concept 7, classification of critical points: two to
// four distinct whole abscissas from -8 to 8, each with a class (maximum,
// minimum or inflection with horizontal tangent) whose letter stands under
// the graph. p and q must have a critical point of that class at each.
#include "VentanaConstruccion.h"

#include "CollFuncPolin.h"

#include <vector>

class frmConClaPtoCriti : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConClaPtoCriti();

    const std::vector<std::int16_t> &AbscisaCritica() const { return m_abscisaCritica; }
    // CLASE_MINIMO, CLASE_MAXIMO or CLASE_NINGUNO at 1..n.
    const std::vector<std::int16_t> &TipoRequerido() const { return m_tipoRequerido; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void dibujaP(const PoliPtr &p) override;
    void dibujaQ(const PoliPtr &q) override;

private:
    // The class of f's critical point at each required abscissa.
    std::vector<std::int16_t> ClasificaCriticos(const CollFuncPolin &f) const;

    int m_numCriticos = 0;
    std::vector<std::int16_t> m_abscisaCritica; // 1..n ascending
    std::vector<std::int16_t> m_tipoRequerido;  // 1..n
};
