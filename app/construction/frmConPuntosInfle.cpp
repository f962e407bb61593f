#include "frmConPuntosInfle.h"

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
    d.concepto = 9;
    d.titulo = QStringLiteral("PUNTOS  de  INFLEXIÓN ");
    d.nombre = "Puntos de Inflexión";
    d.textoGuia = 43;
    d.rotulos = {QStringLiteral("Escribe un polinomio que posea los puntos de inflexión dados:"),
                 QStringLiteral("¿Habrá otro polinomio que posea los mismos ptos. de infle.?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloSegundo = QStringLiteral("Escribe otro poli que tenga los mismos puntos de inflexión.");
    d.ayuda0 = 49;
    d.apoyo0 = 47;
    d.ayuda1 = 40;
    d.apoyo1 = 48;
    d.ayuda2 = 50;
    d.apoyo2 = 49;
    d.exitoP = 49;
    d.exitoQ = 48;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    d.focoEnNo = true;
    d.empujaAlActivar = true;
    d.algebra = true;
    return d;
}

constexpr std::int32_t Verde = 0x008000; // RGB(0, 128, 0)

} // namespace

frmConPuntosInfle::frmConPuntosInfle()
    : VentanaConstruccion(Datos())
{
}

void frmConPuntosInfle::dibujaRequisito()
{
    m_numInflexiones = static_cast<int>(rt::Int(2 * rt::Rnd() + 2));
    GeneraPoliAleatorio2(static_cast<std::int16_t>(m_numInflexiones), 9, m_abscisaInflexion);
    if (VentanaDibujo *g = VentanaGraficaActual()) {
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -200, 200);
        PictureEjes &franja = g->Picejegraf2();
        franja.MinY(0);
        franja.MaxY(2);
        franja.MinX(g->picejGraf().MinX());
        franja.MaxX(g->picejGraf().MaxX());
        franja.Linea(franja.MinX(), 2, franja.MaxX(), 2, rt::QBColor(2));
        // The letters in the colour of the classification's letters: the
        // strip's own grey text would not show on its grey.
        const std::int32_t antes = franja.ForeColor();
        franja.ForeColor(rt::QBColor(3));
        for (int i = 1; i <= m_numInflexiones; ++i) {
            franja.Xactual(m_abscisaInflexion[static_cast<std::size_t>(i)]);
            franja.Yactual(2);
            franja.imprime(QStringLiteral("i"));
        }
        franja.ForeColor(antes);
    }
    SenalaAbscisas(m_abscisaInflexion, m_numInflexiones, 20);
    Cmbraices()->addItem(QStringLiteral("Los puntos de inflexión son:"));
    for (int i = 1; i <= m_numInflexiones; ++i)
        Cmbraices()->addItem(QString::fromStdString(Texto(m_abscisaInflexion[static_cast<std::size_t>(i)])));
}

std::optional<Rechazo> frmConPuntosInfle::prueba(const PoliPtr &p)
{
    if (p->Grado() < m_numInflexiones + 2)
        return Rechazo{99, ""};
    const FuncPolinPtr f = CreaFuncPolin(p);
    for (int i = 1; i <= m_numInflexiones; ++i) {
        const double a = m_abscisaInflexion[static_cast<std::size_t>(i)];
        if (!EsCeroEn(*f->Polder2(), a, 0.000001))
            return Rechazo{100, Texto(a)};
    }
    // An inflection is where P'' changes sign, not merely vanishes.
    for (int i = 1; i <= m_numInflexiones; ++i) {
        const double a = m_abscisaInflexion[static_cast<std::size_t>(i)];
        if (!calculos::CambiaSignoEn(*f, 2, a))
            return Rechazo{98, Texto(a)};
    }
    return std::nullopt;
}

void frmConPuntosInfle::dibujaP(const PoliPtr &p)
{
    DibujaSobreAbscisas(p, m_abscisaInflexion, m_numInflexiones, 20, Verde, datos().colorP);
}
