#include "frmConMaxMinAbs.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"

#include <QComboBox>
#include <cmath>

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 12;
    d.titulo = QStringLiteral("EXTREMOS  ABSOLUTOS");
    d.nombre = "Máximos y Mínimos Absolutos";
    d.textoGuia = 46;
    // The first two labels follow the requirement.
    d.rotulos[2] = QStringLiteral("Polinomio p(x) desarrollado");
    d.rotulos[3] = QStringLiteral("Polinomio q(x) desarrollado");
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con los extremos propuestos");
    d.rotuloSegundo = QStringLiteral("Escribe ahora otro polinomio con los mismos extremos dados.");
    d.ayuda0 = 55;
    d.apoyo0 = 56;
    d.ayuda1 = 40;
    d.apoyo1 = 57;
    d.ayuda2 = 56;
    d.apoyo2 = 58;
    d.exitoQ = 51;
    d.errorNo = 211;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    d.focoEnNo = true;
    return d;
}

struct TextosTipo {
    const char *minimo;   // the list's first line (the value follows a required one)
    const char *maximo;
    const char *requisito;
    const char *guia;
};

const TextosTipo Textos[] = {
    {"No tiene Mínimo absoluto. Lím P(x) = -inf", "No tiene Máximo absoluto. Lím P(x) = inf",
     "no tenga ni máximo ni mínimo absoluto", "los extremos absolutos"},
    {"No tiene Mínimo absoluto. Lím P(x) = -inf, cuando X se aleja", "Un máximo absoluto en: ",
     "posea el máximo absoluto señalado", " la ordenada del valor de un MAXIMO absoluto"},
    {"Un mínimo absoluto en: ", "No tiene Máximo absoluto. Lím P(x) = inf", "tenga el mínimo absoluto señalado",
     " la ordenada del valor de un MINIMO absoluto"},
};

bool Infinito(double v)
{
    return std::fabs(v) == INFINITO;
}

} // namespace

frmConMaxMinAbs::frmConMaxMinAbs()
    : VentanaConstruccion(Datos())
{
}

void frmConMaxMinAbs::dibujaRequisito()
{
    m_tipo = static_cast<int>(rt::Int(3 * rt::Rnd() + 1));
    m_minimoRequerido = -INFINITO;
    m_maximoRequerido = INFINITO;
    if (m_tipo > 1) {
        const double signo = rt::CInt(10.0 * rt::Rnd()) % 2 == 0 ? 1 : -1;
        m_valorExtremo = signo * rt::Int(10 * rt::Rnd());
        (m_tipo == 2 ? m_maximoRequerido : m_minimoRequerido) = m_valorExtremo;
    }
    const TextosTipo &t = Textos[m_tipo - 1];
    const QString valor = QString::fromStdString(Texto(m_valorExtremo));
    QString minimo = QString::fromUtf8(t.minimo), maximo = QString::fromUtf8(t.maximo);
    if (m_tipo == 2)
        maximo += valor;
    else if (m_tipo == 3)
        minimo += valor;

    if (VentanaDibujo *g = VentanaGraficaActual())
        MuestraEscalaRecuadro(g->picejGraf(), -10, 10, -10, 10);
    remarca();
    Cmbraices()->addItem(minimo);
    Cmbraices()->addItem(maximo);

    nombreGuia(t.guia);
    const QString requisito = QString::fromUtf8(t.requisito);
    datos().rotulos[0] = QStringLiteral("Escribe el polinomio que ") + requisito;
    datos().rotulos[1] = QStringLiteral("¿Habrá más polinomios que ") + requisito + QStringLiteral("?");
    datos().exitoP = m_tipo == 1 ? 77 : 78;
}

// The labels at the graph's edges and the segment at the value's height.
void frmConMaxMinAbs::remarca()
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    PictureEjes &graf = g->picejGraf();
    // The labels' colour only for them: the graph's text keeps its own.
    const std::int32_t color = graf.ForeColor();
    graf.ForeColor(rt::QBColor(9));
    const auto etiqueta = [&graf](double y, const char *texto) {
        graf.Xactual(1);
        graf.Yactual(y);
        graf.imprime(QString::fromLatin1(texto));
    };
    if (m_tipo != 3)
        etiqueta(graf.muevepixel(1, graf.MinY(), -18), "-Inf");
    if (m_tipo != 2)
        etiqueta(graf.MaxY(), "+Inf");
    graf.ForeColor(color);
    if (m_tipo > 1)
        graf.Linea(-2, m_valorExtremo, 2, m_valorExtremo, rt::QBColor(1));
}

std::optional<Rechazo> frmConMaxMinAbs::prueba(const PoliPtr &p)
{
    // Extreme values are compared exactly, decided on the exact answer.
    const bool sinExtremos = m_tipo == 1;
    const bool gradoImpar = p->Grado() % 2 == 1;
    if (sinExtremos != gradoImpar)
        return Rechazo{214, ""};
    if (!MismoExtremo(*p, true, m_minimoRequerido))
        return Rechazo{TieneExtremo(*p, true) && !Infinito(m_minimoRequerido) ? std::int16_t{215} : std::int16_t{212}, ""};
    if (!MismoExtremo(*p, false, m_maximoRequerido))
        return Rechazo{m_maximoRequerido == INFINITO ? std::int16_t{213} : std::int16_t{216}, ""};
    return std::nullopt;
}
