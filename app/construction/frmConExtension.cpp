#include "frmConExtension.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ModCalculos.h"
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
    d.concepto = 3;
    d.titulo = QStringLiteral("LIMITES   A   INFINITO");
    d.nombre = "Extensión o Límites a Infinito.";
    d.textoGuia = 37;
    d.rotulos = {QStringLiteral("Escribe el polinomio que deseas proponer:"),
                 QStringLiteral("¿Existirá otro, distinto al anterior con idénticas propiedades?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) que pasa por los puntos indicados");
    d.rotuloSegundo = QStringLiteral("Dame otro polinomio q(x)¹#p(x) y que pase por los puntos");
    d.rotuloSegundoNo = QStringLiteral("Dame otro polinomio q(x), que pase por los puntos");
    d.ayuda0 = 36;
    d.apoyo0 = 29;
    d.apoyo1 = 30;
    d.ayuda2 = 37;
    d.apoyo2 = 31;
    d.exitoP = 40;
    d.exitoQ = 42;
    d.focoEnNo = true;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    return d;
}

} // namespace

frmConExtension::frmConExtension()
    : VentanaConstruccion(Datos())
{
}

int frmConExtension::DibujaPuntosExtension(int extremo)
{
    const int limite = rt::CInt(10.0 * rt::Rnd()) % 2 == 0 ? 1 : -1;
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return limite;
    PictureEjes &graf = g->picejGraf();
    graf.ForeColor(rt::QBColor(9));
    graf.Xactual(extremo == 0 ? graf.muevepixel(0, graf.MinX(), 5) : graf.muevepixel(0, graf.MaxX(), -45));
    graf.Yactual(limite < 0 ? graf.muevepixel(1, graf.MinY(), -18) : graf.muevepixel(1, graf.MaxY(), 1));
    graf.imprime(limite < 0 ? QStringLiteral("y → −∞") : QStringLiteral("y → +∞"));
    return limite;
}

void frmConExtension::dibujaRequisito()
{
    if (VentanaDibujo *g = VentanaGraficaActual())
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -2000, 2000);
    m_limiteMenos = DibujaPuntosExtension(0);
    m_limiteMas = DibujaPuntosExtension(1);
    // Equal limits ask for an even number of points, different ones an odd.
    int n = rt::EnteroAzar1(4);
    if ((m_limiteMenos == m_limiteMas) == (n % 2 != 0))
        ++n;
    m_numRaicesPedidas = n;
    GeneraPoliAleatorio1(static_cast<std::int16_t>(n), 10, m_raizPedida);
    MarcaRaices(m_raizPedida, 1, n);
    for (int i = 1; i <= n; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_raizPedida[static_cast<std::size_t>(i)])));
}

std::optional<Rechazo> frmConExtension::prueba(const PoliPtr &a)
{
    if (a->Grado() < m_numRaicesPedidas)
        return Rechazo{81, ""};
    for (int i = 1; i <= m_numRaicesPedidas; ++i) {
        const double r = m_raizPedida[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*a, r, 1e-6))
            return Rechazo{78, Texto(r)};
    }
    const Limites l = ExtensionPolinomio(*a);
    if (m_limiteMenos * l.limMenos < 0)
        return Rechazo{166, ""};
    if (m_limiteMas * l.limMas < 0)
        return Rechazo{167, ""};
    return std::nullopt;
}

void frmConExtension::remarca()
{
    MarcaRaices(m_raizPedida, 1, m_numRaicesPedidas);
}
