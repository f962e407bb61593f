#include "PanelHerramientas.h"

#include "EntradaNumerica.h"

#include "EntradaPolinomio.h"
#include "Globales.h"
#include "ModCalculos.h"
#include "Utilerias.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "Grid.h"
#include "PestanasAjustadas.h"
#include "PictureEjes.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr std::int32_t ColorPuntoMuestra = 0x646400; // RGB(0, 100, 100)
constexpr std::int32_t ColorRaiz = 0x008000;         // RGB(0, 128, 0)

UCDextavo *cajaNumerica(const QString &texto, QWidget *padre)
{
    auto *c = new UCDextavo(padre);
    c->HayInfinito(false);
    c->Text(texto);
    return c;
}

Usc *boton(const QString &texto, QWidget *padre)
{
    auto *b = new Usc(padre);
    b->Caption(texto);
    return b;
}

// The tools stand under the answer in a panel of fixed height: tight
// margins, so that on a small screen their rows still show whole.
void Compacta(QBoxLayout &capa)
{
    capa.setContentsMargins(4, 2, 4, 2);
    capa.setSpacing(2);
}

} // namespace

PanelHerramientas::PanelHerramientas(const OpcionesHerramientas &opciones, QWidget *parent)
    : QWidget(parent)
    , m_opciones(opciones)
{
    m_tabs = new PestanasAjustadas(this);
    m_tabs->setDocumentMode(true);
    auto *todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addWidget(m_tabs);

    // Value at a point.
    auto *hojaPunto = new QWidget(m_tabs);
    auto *vPunto = new QVBoxLayout(hojaPunto);
    Compacta(*vPunto);
    auto *filaPunto = new QHBoxLayout;
    m_lblPuntual1 = new QLabel(QStringLiteral("P("), hojaPunto);
    m_punto = cajaNumerica(QString(), hojaPunto);
    m_lblPuntual = new QLabel(hojaPunto);
    m_lblPuntual->setMinimumWidth(120);
    filaPunto->addWidget(m_lblPuntual1);
    filaPunto->addWidget(m_punto, 1);
    filaPunto->addWidget(new QLabel(QStringLiteral(") = "), hojaPunto));
    filaPunto->addWidget(m_lblPuntual, 2);
    vPunto->addLayout(filaPunto);
    auto *botonesPunto = new QHBoxLayout;
    m_listoPuntual = boton(QStringLiteral("Listo"), hojaPunto);
    m_limpiaPuntual = boton(QStringLiteral("Limpiar"), hojaPunto);
    botonesPunto->addWidget(m_listoPuntual);
    botonesPunto->addWidget(m_limpiaPuntual);
    vPunto->addLayout(botonesPunto);
    auto *filaOpcionesPunto = new QHBoxLayout;
    m_optPunto = creaOpciones(hojaPunto, filaOpcionesPunto);
    vPunto->addLayout(filaOpcionesPunto);
    for (int i = 0; i < int(m_optPunto.size()); ++i)
        connect(m_optPunto[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { OptPuntPolioDeri_Click(i); });
    vPunto->addStretch(1);
    m_tabs->addTab(hojaPunto, opciones.tituloPunto);
    connect(m_listoPuntual, &Usc::Click, this, &PanelHerramientas::cmdListoPuntual_Click);
    RevisaCajas(*m_listoPuntual, {m_punto});
    connect(m_limpiaPuntual, &Usc::Click, this, &PanelHerramientas::cmdLimpiaPuntual_Click);
    if (opciones.soloPunto)
        return;

    // Table over a range.
    auto *hojaRango = new QWidget(m_tabs);
    auto *vRango = new QVBoxLayout(hojaRango);
    Compacta(*vRango);
    m_lblRango = new QLabel(QStringLiteral("Valor inicial      Incremento"), hojaRango);
    vRango->addWidget(m_lblRango);
    auto *filaRango = new QHBoxLayout;
    m_inicio = cajaNumerica(QStringLiteral("0"), hojaRango);
    m_paso = cajaNumerica(QStringLiteral("1"), hojaRango);
    m_listoRango = boton(QStringLiteral("Listo"), hojaRango);
    filaRango->addWidget(m_inicio);
    filaRango->addWidget(m_paso);
    filaRango->addWidget(m_listoRango);
    vRango->addLayout(filaRango);
    auto *filaOpcionesRango = new QHBoxLayout;
    m_optRango = creaOpciones(hojaRango, filaOpcionesRango);
    vRango->addLayout(filaOpcionesRango);
    for (int i = 0; i < int(m_optRango.size()); ++i)
        connect(m_optRango[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { OptPolioDeri_Click(i); });
    m_tabla = new plataforma::Grid(hojaRango);
    m_tabla->SetCols(2);
    m_tabla->SetRows(21);
    m_tabla->SetTextMatrix(0, 0, QStringLiteral("x"));
    m_tabla->SetTextMatrix(0, 1, QStringLiteral("P(x)"));
    // The table scrolls: a few rows are enough where room is short.
    m_tabla->setMinimumHeight(2 * m_tabla->fontMetrics().height());
    vRango->addWidget(m_tabla, 1);
    if (opciones.puntosGrafica) {
        auto *fila = new QHBoxLayout;
        m_graficaPtos = boton(QStringLiteral("Graficar puntos"), hojaRango);
        m_limpiaGraf = boton(QStringLiteral("Limpiar gráfica"), hojaRango);
        fila->addWidget(m_graficaPtos);
        fila->addWidget(m_limpiaGraf);
        vRango->addLayout(fila);
        connect(m_graficaPtos, &Usc::Click, this, &PanelHerramientas::cmdGraficaPtos_Click);
        connect(m_limpiaGraf, &Usc::Click, this, &PanelHerramientas::cmdLimpiaGraf_Click);
    }
    m_tabs->addTab(hojaRango, opciones.tituloRango);
    connect(m_listoRango, &Usc::Click, this, &PanelHerramientas::cmdListoRango_Click);
    RevisaCajas(*m_listoRango, {m_inicio, m_paso});

    // The design-time texts count as accepted, so the first table is for
    // start 0 and step 1.
    m_inicio->Valida();
    m_paso->Valida();
}

std::vector<QRadioButton *> PanelHerramientas::creaOpciones(QWidget *hoja, QBoxLayout *fila)
{
    QStringList textos;
    switch (m_opciones.polinomios) {
    case OpcionesHerramientas::Polinomios::Uno:
        return {};
    case OpcionesHerramientas::Polinomios::PYDerivada:
        textos = {QStringLiteral("P(x)"), marca(m_opciones.derivada) + QStringLiteral("(x)")};
        break;
    case OpcionesHerramientas::Polinomios::Tres:
        textos = {QStringLiteral("Polinomio"), QStringLiteral("1a Derivada"), QStringLiteral("2a Derivada")};
        break;
    }
    if (!m_opciones.rotulos.isEmpty())
        textos = m_opciones.rotulos;
    std::vector<QRadioButton *> o;
    auto *grupo = new QButtonGroup(hoja);
    for (const QString &t : textos) {
        auto *b = new QRadioButton(t, hoja);
        grupo->addButton(b);
        fila->addWidget(b);
        o.push_back(b);
    }
    o.front()->setChecked(true);
    return o;
}

QString PanelHerramientas::marca(int cual)
{
    return cual == 2 ? QStringLiteral("P´´") : cual == 1 ? QStringLiteral("P´") : QStringLiteral("P");
}

QRadioButton *PanelHerramientas::opcion(const std::vector<QRadioButton *> &lista, int i)
{
    return i >= 0 && i < int(lista.size()) ? lista[std::size_t(i)] : nullptr;
}

int PanelHerramientas::cualDeOpcion(int i) const
{
    if (m_opciones.polinomios == OpcionesHerramientas::Polinomios::Tres)
        return i;
    return i == 0 ? 0 : m_opciones.derivada;
}

int PanelHerramientas::elegido(const std::vector<QRadioButton *> &lista) const
{
    for (int i = 0; i < int(lista.size()); ++i)
        if (lista[std::size_t(i)]->isChecked())
            return cualDeOpcion(i);
    return m_fijo;
}

const Collpolinomio *PanelHerramientas::polinomio(int cual) const
{
    if (!PoliActual)
        return nullptr;
    const PoliPtr p = cual == 2 ? PoliActual->Polder2() : cual == 1 ? PoliActual->Polder1() : PoliActual->Polin();
    return p.get();
}

void PanelHerramientas::PoneRotulosPunto(const QString &titulo, const QString &prefijo)
{
    m_tabs->setTabText(0, titulo);
    m_lblPuntual1->setText(prefijo);
}

void PanelHerramientas::PoneEncabezado(const QString &texto)
{
    m_encabezado = texto;
    if (m_tabla)
        m_tabla->SetTextMatrix(0, 1, texto);
}

void PanelHerramientas::LlenaTabla()
{
    if (!m_tabla)
        return;
    if (const Collpolinomio *p = polinomio(polinomioRango()))
        LlenaTablaValores(*m_tabla, *p, m_inicio->NumAceptado(), m_paso->NumAceptado());
}

void PanelHerramientas::cmdListoPuntual_Click(int)
{
    if (ValidaCajaNumerica(*m_punto) >= 1)
        return;
    const Collpolinomio *p = polinomio(polinomioPunto());
    if (!p)
        return;
    const double valor = ValorExacto(*p, m_punto->NumAceptado());
    m_lblPuntual->setText(QString::fromStdString(m_conFormato ? FormateaNumero(valor) : NumeroATexto(valor, 6, 3)));
    if (m_opciones.focoEnPunto) {
        m_punto->Caja()->setFocus();
        m_punto->Caja()->selectAll();
    }
}

void PanelHerramientas::cmdLimpiaPuntual_Click(int)
{
    m_lblPuntual->clear();
    m_punto->Text(QString());
    m_punto->setFocus();
}

void PanelHerramientas::cmdListoRango_Click(int)
{
    if (!m_tabla || ValidaCajaNumerica(*m_inicio) >= 1 || ValidaCajaNumerica(*m_paso) >= 1)
        return;
    LlenaTabla();
}

void PanelHerramientas::OptPuntPolioDeri_Click(int indice)
{
    m_tabs->setCurrentIndex(0);
    const QString m = marca(cualDeOpcion(indice));
    if (!m_opciones.rotulosFijos)
        m_tabs->setTabText(0, m_opciones.tituloPunto + QStringLiteral(" de %1(x)").arg(m));
    m_lblPuntual1->setText(m + QStringLiteral("("));
    m_lblPuntual->clear();
}

void PanelHerramientas::OptPolioDeri_Click(int indice)
{
    if (!m_tabla)
        return;
    m_tabs->setCurrentIndex(1);
    if (!m_opciones.rotulosFijos) {
        const QString m = marca(cualDeOpcion(indice));
        m_tabs->setTabText(1, m_opciones.tituloRango + QStringLiteral(" de %1(x)").arg(m));
        PoneEncabezado(m + QStringLiteral("(x)"));
    }
    LlenaTabla();
}

void PanelHerramientas::cmdLimpiaGraf_Click(int)
{
    VentanaDibujo *v = VentanaGraficaActual();
    if (!v)
        return;
    v->picejGraf().Limpia();
    if (ConceptoResuelto[0] && PoliActual)
        for (const auto &r : *PoliActual)
            if (r->tipopol() == 0)
                MarcaAbscisas(r->Raiz(), 0, 5, false, ColorRaiz);
    if (m_alLimpiar)
        m_alLimpiar();
}

void PanelHerramientas::cmdGraficaPtos_Click(int)
{
    const Collpolinomio *p = polinomio(0);
    if (!p || !m_inicio)
        return;
    const double a = m_inicio->NumAceptado();
    const double h = m_paso->NumAceptado();
    const double ultimo = a + 20 * h;
    const double paso = h == 0 ? 1 : h;
    cmdLimpiaGraf_Click(1);
    // A loop over a Double counter: the last point may fall out by rounding.
    // Never more than the 21 points asked: a step too small to move x
    // would otherwise never end the loop.
    int puntos = 0;
    for (double x = a; (paso > 0 ? x <= ultimo : x >= ultimo) && puntos < 21; x += paso, ++puntos)
        MarcaAbscisas(x, p->Eval(x), 2, false, ColorPuntoMuestra);
}
