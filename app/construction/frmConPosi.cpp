#include "frmConPosi.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ModCalculos.h"
#include "RaicesPedidas.h"
#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"

#include <QComboBox>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 1;
    d.titulo = QStringLiteral("SIGNO  DE  LA  FUNCION");
    d.nombre = "Signo de función";
    d.textoGuia = 35;
    d.rotulos = {QStringLiteral("Escribe un polinomio que tenga los signos indicados:"),
                 QStringLiteral("¿Existirá otro, distinto al anterior con los mismos signos?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con el signo indicado");
    d.rotuloSegundo = QStringLiteral("Escribe ahora otro polinomio que tenga el mismo signo:");
    d.textoLista = QStringLiteral("Raíces  Reales e Intervalos");
    d.ayuda0 = 32;
    d.apoyo0 = 23;
    // After p the load's numbers stay.
    d.ayuda1 = 32;
    d.apoyo1 = 23;
    d.ayuda2 = 33;
    d.apoyo2 = 25;
    d.exitoP = 43;
    d.exitoQ = 64;
    d.focoEnNo = true;
    d.colorP = rt::QBColor(3);
    d.colorQ = rt::QBColor(1);
    return d;
}

} // namespace

frmConPosi::frmConPosi()
    : VentanaConstruccion(Datos())
{
}

void frmConPosi::dibujaRequisito()
{
    m_numRaicesPedidas = rt::EnteroAzar1(8);
    GeneraPoliAleatorio1(static_cast<std::int16_t>(m_numRaicesPedidas), 5, m_raizPedida);
    m_raizPedida[0] = 547;
    VentanaDibujo *g = VentanaGraficaActual();
    if (g)
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -4000, 4000);
    MarcaRaices(m_raizPedida, 1, m_numRaicesPedidas);
    Cmbraices()->addItem(QStringLiteral("Las raíces reales son:"));
    for (int i = 1; i <= m_numRaicesPedidas; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_raizPedida[static_cast<std::size_t>(i)])));
    const int primerSigno = rt::CInt(10.0 * rt::Rnd()) % 2 == 0 ? 1 : -1;
    const double inicio = g ? g->picejGraf().MinX() : -10;
    m_bandas = PoneBandaConSigno(inicio, 3, m_raizPedida, m_numRaicesPedidas, primerSigno, "p", EstiloSigno,
                                 *Cmbraices());
}

std::optional<Rechazo> frmConPosi::prueba(const PoliPtr &a)
{
    const int k = m_bandas.numDistintas;
    std::vector<double> &R = m_bandas.raizDistinta;
    if (a->Grado() < k)
        return Rechazo{82, ""};
    for (int j = 1; j <= k; ++j)
        if (!EsCeroEn(*a, R[static_cast<std::size_t>(j)], 1e-6))
            return Rechazo{83, Texto(R[static_cast<std::size_t>(j)])};
    R[static_cast<std::size_t>(k + 1)] = R[static_cast<std::size_t>(k)] + 1;
    // The required roots account for theirs, exact or within the
    // tolerance above; any real root left over is another one.
    std::vector<Racional> pedidas;
    for (int j = 1; j <= k; ++j)
        pedidas.push_back(Racional::DesdeDouble(R[static_cast<std::size_t>(j)]));
    if (calculos::TieneOtraRaizReal(a->Exacto(), pedidas))
        return Rechazo{126, ""};
    // Each band's sign on the whole band: a root that moved off its
    // required place, even one the tolerance accounts for, leaves P with
    // the other sign between the two.
    if (const std::optional<int> banda = calculos::BandaConOtroSigno(a->Exacto(), pedidas, m_bandas.signoBanda))
        return Rechazo{84, Texto(R[static_cast<std::size_t>(*banda + 1)])};
    return std::nullopt;
}

void frmConPosi::remarca()
{
    MarcaRaices(m_raizPedida, 1, m_numRaicesPedidas);
}
