#include "VentanaBandas.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "RaicesPedidas.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"

#include <QComboBox>

VentanaBandas::VentanaBandas(const DatosConstruccion &datos, const DatosBandas &bandas)
    : VentanaConstruccion(datos)
    , m_datosBandas(bandas)
{
}

void VentanaBandas::dibujaRequisito()
{
    m_num = static_cast<int>(rt::Int(m_datosBandas.variedad * rt::Rnd() + 2));
    GeneraPoliAleatorio2(static_cast<std::int16_t>(m_num), 10, m_abscisas);
    m_abscisas[0] = 547;
    VentanaDibujo *g = VentanaGraficaActual();
    if (g)
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -4000, 4000);
    remarca();
    Cmbraices()->addItem(m_datosBandas.encabezadoPuntos);
    for (int i = 1; i <= m_num; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_abscisas[static_cast<std::size_t>(i)])));
    const int primerSigno = rt::CInt(10.0 * rt::Rnd()) % 2 == 0 ? 1 : -1;
    const double inicio = g ? g->picejGraf().MinX() : -10;
    m_bandas = PoneBandaConSigno(inicio, m_datosBandas.altura, m_abscisas, m_num, primerSigno,
                                 m_datosBandas.tituloFranja, m_datosBandas.estilo, *Cmbraices());
}

void VentanaBandas::remarca()
{
    SenalaAbscisas(m_abscisas, m_num, 200);
}

Rechazo VentanaBandas::errorDeBanda(int j) const
{
    const std::vector<double> &R = m_bandas.raizDistinta;
    // The band's right end; right of the last abscissa, the last plus one.
    const double fin = j < m_num ? R[static_cast<std::size_t>(j + 1)] : R[static_cast<std::size_t>(m_num)] + 1;
    return Rechazo{m_datosBandas.errorSigno, m_datosBandas.prefijoSigno ? Texto(fin) : ""};
}

std::optional<Rechazo> VentanaBandas::prueba(const PoliPtr &a)
{
    const FuncPolinPtr f = CreaFuncPolin(a);
    const Collpolinomio &d = *(m_datosBandas.orden == 1 ? f->Polder1() : f->Polder2());
    const std::vector<double> &R = m_bandas.raizDistinta;
    const int k = m_bandas.numDistintas;
    if (a->Grado() < k + m_datosBandas.orden)
        return Rechazo{m_datosBandas.errorGrado, ""};
    for (int j = 1; j <= k; ++j)
        if (!EsCeroEn(d, R[static_cast<std::size_t>(j)], m_datosBandas.tolerancia))
            return Rechazo{m_datosBandas.errorCero, Texto(R[static_cast<std::size_t>(j)])};
    // Each band's sign on the whole band, decided exactly: a sign change
    // away from the abscissas, or one that moved off its abscissa, breaks
    // the band it lies in.
    std::vector<Racional> pedidas;
    for (int j = 1; j <= k; ++j)
        pedidas.push_back(Racional::DesdeDouble(R[static_cast<std::size_t>(j)]));
    if (const std::optional<int> banda = calculos::BandaConOtroSigno(d.Exacto(), pedidas, m_bandas.signoBanda))
        return errorDeBanda(*banda);
    return std::nullopt;
}

void VentanaBandas::dibujaP(const PoliPtr &p)
{
    DibujaSobreAbscisas(p, m_abscisas, m_num, 200, ColorLineaMarca, datos().colorP);
}
