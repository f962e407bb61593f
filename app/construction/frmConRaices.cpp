#include "frmConRaices.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ModCalculos.h"
#include "generapoli.h"

#include "Azar.h"
#include "QBColor.h"

#include <QComboBox>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 0;
    d.titulo = QStringLiteral("RAÍCES");
    d.nombre = "Raíces Reales";
    d.textoGuia = 34;
    d.rotulos = {QStringLiteral("Escribe el polinomio que tenga las raíces indicadas:"),
                 QStringLiteral("¿Habrá más polinomios que pasen por estas raíces?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) que pasa por las raíces dibujadas");
    d.rotuloSegundo = QStringLiteral("Escribe ahora otro polinomio que tenga las mismas raíces:");
    d.rotuloFinal = QStringLiteral("Otro polinomio q(x) que pasa por las mismas raíces");
    d.textoLista = QStringLiteral("Raíces  Reales");
    d.ayuda0 = 30;
    d.apoyo0 = 20;
    d.apoyo1 = 21;
    d.ayuda2 = 31;
    d.apoyo2 = 22;
    d.exitoP = 40;
    d.exitoQ = 42;
    d.sinRecorrido = true;
    d.colorP = rt::QBColor(2);
    d.colorQ = rt::QBColor(3);
    return d;
}

} // namespace

frmConRaices::frmConRaices()
    : VentanaConstruccion(Datos())
{
}

void frmConRaices::dibujaRequisito()
{
    m_numRaicesDadas = rt::EnteroAzar1(6);
    GeneraPoliAleatorio1(static_cast<std::int16_t>(m_numRaicesDadas), 10, m_raizDada);
    if (VentanaDibujo *g = VentanaGraficaActual())
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -100, 100);
    MarcaRaices(m_raizDada, 1, m_numRaicesDadas);
    for (int i = 1; i <= m_numRaicesDadas; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_raizDada[static_cast<std::size_t>(i)])));
}

std::optional<Rechazo> frmConRaices::prueba(const PoliPtr &p)
{
    if (p->Grado() < m_numRaicesDadas)
        return Rechazo{81, ""};
    for (int i = 1; i <= m_numRaicesDadas; ++i) {
        const double r = m_raizDada[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*p, r, 1e-6))
            return Rechazo{78, Texto(r)};
    }
    return std::nullopt;
}

void frmConRaices::remarca()
{
    MarcaRaices(m_raizDada, 1, m_numRaicesDadas);
}
