#include "frmConClaPtoCriti.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "CambiosDeSigno.h"
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
    d.concepto = 7;
    d.titulo = QStringLiteral("CLASIFICACION  DE  CRITICOS");
    d.nombre = "Clasificación de P. Críticos";
    d.textoGuia = 41;
    d.rotulos = {QStringLiteral("Escribe un polinomio que posea los puntos críticos indicados:"),
                 QStringLiteral("¿Habrá otro polinomio que posea los mismos puntos críticos?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con los críticos señalados");
    d.rotuloSegundo = QStringLiteral("Escribe ahora el otro polinomio que cumple lo mismo");
    d.ayuda0 = 45;
    d.apoyo0 = 41;
    d.ayuda1 = 40;
    d.apoyo1 = 42;
    d.ayuda2 = 46;
    d.apoyo2 = 43;
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
// Beyond this |P''| the second-derivative test decides.
constexpr double TOLERANCIA_SEGUNDA = 0.00001;

struct Clase {
    std::int16_t codigo;
    const char *letra;
    const char *palabra;
};

// By the draw Int(3 Rnd): minimum, maximum, inflection.
constexpr Clase Clases[] = {
    {CLASE_MINIMO, "m", "mínimo"},
    {CLASE_MAXIMO, "M", "Máximo"},
    {CLASE_NINGUNO, "i", "inflexión"},
};

} // namespace

frmConClaPtoCriti::frmConClaPtoCriti()
    : VentanaConstruccion(Datos())
{
}

void frmConClaPtoCriti::dibujaRequisito()
{
    m_numCriticos = static_cast<int>(rt::Int(rt::Rnd() * 3 + 2));
    GeneraPoliAleatorio2(static_cast<std::int16_t>(m_numCriticos), 9, m_abscisaCritica);
    m_tipoRequerido.assign(static_cast<std::size_t>(m_numCriticos) + 1, 0);
    VentanaDibujo *g = VentanaGraficaActual();
    if (g)
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -2000, 2000);
    SenalaAbscisas(m_abscisaCritica, m_numCriticos, 200);
    PictureEjes *franja = g ? &g->Picejegraf2() : nullptr;
    if (franja) {
        franja->MinX(g->picejGraf().MinX());
        franja->MaxX(g->picejGraf().MaxX());
        franja->ForeColor(rt::QBColor(3));
        franja->FontSize(12);
        franja->FontBold(true);
    }
    for (int i = 1; i <= m_numCriticos; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Clase &c = Clases[static_cast<std::size_t>(rt::Int(rt::Rnd() * 3))];
        m_tipoRequerido[k] = c.codigo;
        Cmbraices()->addItem(QStringLiteral("El punto en: %1 es un %2")
                                 .arg(QString::fromStdString(Texto(m_abscisaCritica[k])), QString::fromUtf8(c.palabra)));
        if (franja) {
            franja->Xactual(m_abscisaCritica[k]);
            franja->Yactual(3);
            franja->imprime(QString::fromUtf8(c.letra));
        }
    }
    if (franja)
        franja->FontBold(false);
}

std::vector<std::int16_t> frmConClaPtoCriti::ClasificaCriticos(const CollFuncPolin &f) const
{
    std::vector<std::int16_t> clases(static_cast<std::size_t>(m_numCriticos) + 1, 0);
    for (int i = 1; i <= m_numCriticos; ++i) {
        const double a = m_abscisaCritica[static_cast<std::size_t>(i)];
        std::int16_t &clase = clases[static_cast<std::size_t>(i)];
        // P''(a) beyond its tolerance decides, exactly; otherwise the sign
        // of P' on both sides of the roots that a accounts for.
        const int segunda = f.Polder2()->Exacto().SignoEn(Racional::DesdeDouble(a));
        if (!EsCeroEn(*f.Polder2(), a, TOLERANCIA_SEGUNDA))
            clase = segunda > 0 ? CLASE_MINIMO : CLASE_MAXIMO;
        else
            clase = calculos::ClasePorCambioDeSigno(f, a);
    }
    return clases;
}

std::optional<Rechazo> frmConClaPtoCriti::prueba(const PoliPtr &p)
{
    if (p->Grado() < m_numCriticos + 1)
        return Rechazo{96, ""};
    const FuncPolinPtr f = CreaFuncPolin(p);
    for (int i = 1; i <= m_numCriticos; ++i) {
        const double a = m_abscisaCritica[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*f->Polder1(), a, 0.000001))
            return Rechazo{97, Texto(a)};
    }
    const std::vector<std::int16_t> clases = ClasificaCriticos(*f);
    for (int i = 1; i <= m_numCriticos; ++i)
        if (clases[static_cast<std::size_t>(i)] != m_tipoRequerido[static_cast<std::size_t>(i)])
            return Rechazo{98, Texto(m_abscisaCritica[static_cast<std::size_t>(i)])};
    return std::nullopt;
}

void frmConClaPtoCriti::dibujaP(const PoliPtr &p)
{
    DibujaSobreAbscisas(p, m_abscisaCritica, m_numCriticos, 200, Azul, datos().colorP);
}

// q ends in p's colour, drawn over its own path.
void frmConClaPtoCriti::dibujaQ(const PoliPtr &q)
{
    Dibuja(*q, datos().colorQ);
    Dibuja(*q, datos().colorP);
}
