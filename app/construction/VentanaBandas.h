#pragma once
// The middle base of the monotonicity and concavity constructions: two to
// four distinct whole abscissas from -9 to 9 and the sign of P' (or P'')
// left of the first, marked on the x axis and shown as sign bands under
// the graph. p and q must have P' (P'') zero at each abscissa, of the
// required sign in every band, and changing sign nowhere else.
#include "BandaConSigno.h"
#include "VentanaConstruccion.h"

#include <vector>

// What tells the two windows apart.
struct DatosBandas {
    std::int16_t orden = 1;      // 1: P', 2: P''
    int variedad = 3;            // n = Int(variedad Rnd + 2)
    double altura = 2;           // of the strip's title and symbols
    std::string tituloFranja;    // "f'", "f''"
    EstiloBanda estilo;
    QString encabezadoPuntos;    // the list's line before the abscissas
    double tolerancia = 1e-6;    // |P'(a)| allowed at an abscissa
    std::int16_t errorGrado = 0, errorCero = 0, errorSigno = 0;
    bool prefijoSigno = true;    // the sign error names the band's right end
};

class VentanaBandas : public VentanaConstruccion {
    Q_OBJECT
public:
    const std::vector<std::int16_t> &Abscisas() const { return m_abscisas; }
    const BandasSigno &bandas() const { return m_bandas; }

protected:
    VentanaBandas(const DatosConstruccion &datos, const DatosBandas &bandas);

    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;
    void dibujaP(const PoliPtr &p) override;

private:
    Rechazo errorDeBanda(int j) const;

    DatosBandas m_datosBandas;
    int m_num = 0;
    std::vector<std::int16_t> m_abscisas; // 1..n ascending; 0 the strip's sentinel
    BandasSigno m_bandas;
};
