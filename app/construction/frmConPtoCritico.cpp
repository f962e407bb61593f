#include "frmConPtoCritico.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ModCalculos.h"
#include "generapoli.h"

#include "QBColor.h"

#include <QComboBox>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 5;
    d.titulo = QStringLiteral("PUNTOS   CRÍTICOS");
    d.nombre = "Puntos críticos";
    d.textoGuia = 39;
    d.rotulos = {QStringLiteral("Escribe un polinomio que posea los puntos críticos indicados:"),
                 QStringLiteral("¿Habrá otro polinomio que posea los mismos críticos?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) que tiene los críticos indicados");
    d.rotuloSegundo = QStringLiteral("Escribe otro polinomio con los mismos críticos");
    d.ayuda0 = 41;
    d.apoyo0 = 35;
    d.ayuda1 = 40;
    d.apoyo1 = 36;
    d.ayuda2 = 42;
    d.apoyo2 = 37;
    d.exitoP = 47;
    d.exitoQ = 48;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    d.sinRotuloQ = true;
    d.empujaAlActivar = true;
    d.algebra = true;
    return d;
}

constexpr std::int32_t Azul = 0xFF0000; // RGB(0, 0, 255)

} // namespace

frmConPtoCritico::frmConPtoCritico()
    : VentanaConstruccion(Datos())
{
}

void frmConPtoCritico::dibujaRequisito()
{
    GeneraPoliAleatorio1(NumCriticos, 9, m_abscisaCritica);
    if (VentanaDibujo *g = VentanaGraficaActual())
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -2000, 2000);
    Cmbraices()->addItem(QStringLiteral("Los puntos críticos son:"));
    for (int i = 1; i <= NumCriticos; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_abscisaCritica[static_cast<std::size_t>(i)])));
    SenalaAbscisas(m_abscisaCritica, NumCriticos, 200);
}

std::optional<Rechazo> frmConPtoCritico::prueba(const PoliPtr &p)
{
    if (p->Grado() < NumCriticos + 1)
        return Rechazo{94, ""};
    const PoliPtr prima = p->Prima();
    for (int i = 1; i <= NumCriticos; ++i) {
        const double a = m_abscisaCritica[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*prima, a, 0.00001))
            return Rechazo{95, Texto(a)};
    }
    return std::nullopt;
}

void frmConPtoCritico::dibujaP(const PoliPtr &p)
{
    DibujaSobreAbscisas(p, m_abscisaCritica, NumCriticos, 200, Azul, datos().colorP);
}
