#include "frmConParidad.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ModCalculos.h"

#include "Azar.h"
#include "Entero16.h"
#include "QBColor.h"

#include <QComboBox>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 2;
    d.titulo = QStringLiteral("P A R I D A D");
    d.nombre = "Paridad";
    d.textoGuia = 36;
    d.rotulos = {QStringLiteral("Escribe el polinomio que deseas proponer:"),
                 QStringLiteral("¿Existirá otro, distinto al anterior con idénticas propiedades?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con la paridad indicada");
    d.rotuloSegundo = QStringLiteral("Escribe ahora otro polinomio que cumpla con lo mismo:");
    d.textoLista = QStringLiteral("Raíces  Reales");
    d.ayuda0 = 34;
    d.apoyo0 = 26;
    d.apoyo1 = 27;
    d.ayuda2 = 35;
    d.apoyo2 = 28;
    d.exitoP = 43;
    d.exitoQ = 43;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    return d;
}

} // namespace

frmConParidad::frmConParidad()
    : VentanaConstruccion(Datos())
{
}

void frmConParidad::dibujaRequisito()
{
    if (VentanaDibujo *g = VentanaGraficaActual())
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -100, 100);
    const bool par = rt::CInt(10.0 * rt::Rnd()) % 2 == 0;
    m_tipoParidad = par ? 1 : 0;
    nombreGuia(par ? "Par." : "Impar.");

    // The pair values, drawn only when the case needs them.
    int r1 = 0;
    int r2 = 0;
    const auto dibujaPares = [&](int pares) {
        r1 = rt::EnteroAzar1(6);
        if (pares == 2) {
            r2 = rt::EnteroAzar1(6);
            if (r2 == r1)
                r2 = r1 + 1;
        }
    };
    std::vector<int> raices;
    if (par) {
        const int j = rt::EnteroAzar0(6);
        if (j == 0) {
            raices = {0};
            m_tipoParidad = 2;
        } else {
            dibujaPares(j <= 2 ? 1 : 2);
            raices = j <= 2 ? std::vector<int>{r1, -r1} : std::vector<int>{r1, -r1, r2, -r2};
            if (j == 3)
                m_tipoParidad = 2;
            else if (j == 1 || j == 4)
                m_cortePedido = 10 * rt::EnteroAzar0(8);
            else if (j == 2)
                m_cortePedido = -10 * rt::EnteroAzar1(8);
            else
                m_cortePedido = -10 * rt::EnteroAzar0(8);
        }
    } else {
        const int j = rt::EnteroAzar0(3);
        if (j > 0)
            dibujaPares(j);
        raices = j == 0 ? std::vector<int>{0}
                 : j == 1 ? std::vector<int>{0, r1, -r1}
                          : std::vector<int>{0, r1, -r1, r2, -r2};
    }
    m_numRaicesPedidas = static_cast<int>(raices.size());
    m_raizPedida.assign(1, 0);
    for (int r : raices)
        m_raizPedida.push_back(static_cast<std::int16_t>(r));

    if (m_tipoParidad == 1)
        Cmbraices()->addItem(QStringLiteral("corte en ") + QString::number(m_cortePedido));
    remarca();
    for (int i = 1; i <= m_numRaicesPedidas; ++i)
        Cmbraices()->addItem(QString::number(m_raizPedida[static_cast<std::size_t>(i)]));
}

void frmConParidad::remarca()
{
    if (m_tipoParidad == 1)
        MarcaAbscisas(0, m_cortePedido, 5, false, ColorLineaMarca);
    MarcaRaices(m_raizPedida, 1, m_numRaicesPedidas);
}

std::optional<Rechazo> frmConParidad::prueba(const PoliPtr &p)
{
    const bool par = m_tipoParidad != 0;
    const bool gradoImpar = p->Grado() % 2 != 0;
    if (par && gradoImpar)
        return Rechazo{86, ""};
    if (!par && !gradoImpar)
        return Rechazo{89, ""};
    for (int i = 1; i <= m_numRaicesPedidas; ++i) {
        const int r = m_raizPedida[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*p, r, 1e-6))
            return Rechazo{78, std::to_string(r)};
    }
    const Racional corte = p->Exacto().Coeficiente(0) - Racional::DesdeDouble(m_cortePedido);
    if (m_tipoParidad == 1 && corte.Abs() > Racional::DesdeDouble(1e-5))
        return Rechazo{87, ""};
    const Paridad paridad = ParidadPolinomio(*p);
    if (par && !paridad.par)
        return Rechazo{88, ""};
    if (!par && !paridad.impar)
        return Rechazo{90, ""};
    return std::nullopt;
}

