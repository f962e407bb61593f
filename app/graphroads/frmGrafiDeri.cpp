#include "frmGrafiDeri.h"

#include "ControlesProblema.h"

#include "CalculoAparte.h"
#include "Globales.h"
#include "SesionPolinomio.h"
#include "VentanaDibujo.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "generapoli.h"
#include "modTexto.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "Usc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const std::string kTitulo =
    "Quorvane: A partir de la gráfica de la derivada de un polinomio, identifica conceptos del polinomio";

const char *const kCierre = "Bravo, ha concluido con éxito esta parte. Como se ve conocer la gráfica de la derivada "
                            "aporta información relevante para la función original.\n"
                            "  La función y su derivada son:";

// The concepts this road's options lead to: the reveal waits for them.
constexpr int kConceptosCamino[] = {3, 5, 6, 7, 12};

RichTextBox *CajaExpresion(QWidget *padre, const QString &nombre)
{
    auto *c = new RichTextBox(padre);
    c->setObjectName(nombre);
    c->SetLocked(true);
    c->SetMuestraPolinomio(true);
    c->hide();
    return c;
}

void HabilitaMenusPrincipal(bool si)
{
    if (VentanaPrincipal *p = VentanaPrincipalActual())
        p->HabilitaMenus(si);
}

} // namespace

frmGrafiDeri::frmGrafiDeri()
    : VentanaCamino(QStringLiteral("De la gráfica de derivada a concepto de polinomio"), Camino::GraficaDeri)
{
    auto *barra = qobject_cast<QMenuBar *>(columna()->menuBar());
    m_mnuElige = new QMenu(QStringLiteral("&Elegir una opción"), barra);
    m_mnuElige->menuAction()->setObjectName(QStringLiteral("mnuElige"));
    barra->insertMenu(mnuRegreso()->menuAction(), m_mnuElige);
    m_mnuTuPropones = m_mnuElige->addAction(QStringLiteral("El &usuario propone la derivada del polinomio"));
    m_mnuMaquinaPropone = m_mnuElige->addAction(QStringLiteral("&Quorvane propone la derivada de un polinomio"));
    connect(m_mnuTuPropones, &QAction::triggered, this, [this] { mnuTuPropones_Click(); });
    connect(m_mnuMaquinaPropone, &QAction::triggered, this, [this] { mnuMaquinaPropone_Click(); });

    QVBoxLayout *v = columna();

    // The work panel (options), hidden until a derivative is chosen.
    m_ucMarcoMedio = Marco(this, QStringLiteral("UCMarcoMedio"));
    auto *trabajo = new QVBoxLayout(m_ucMarcoMedio);
    m_fraGrafiCon = new QGroupBox(m_ucMarcoMedio);
    m_fraGrafiCon->setObjectName(QStringLiteral("FraGrafiCon"));
    auto *rejilla = new QGridLayout(m_fraGrafiCon);
    m_lblGrafiDeri = new QLabel(m_fraGrafiCon);
    m_lblGrafiDeri->setObjectName(QStringLiteral("lblGrafiDeri"));
    rejilla->addWidget(m_lblGrafiDeri, 0, 0, 1, 2);
    agregaOpcion(*rejilla, 1, 3, QStringLiteral("Extensión"), 1, 0);
    agregaOpcion(*rejilla, 2, 5, QStringLiteral("Puntos críticos"), 2, 0);
    agregaOpcion(*rejilla, 3, 6, QStringLiteral("Monotonía"), 3, 0);
    agregaOpcion(*rejilla, 4, 7, QStringLiteral("Clasificación de Puntos Críticos"), 1, 1);
    agregaOpcion(*rejilla, 5, 12, QStringLiteral("Máximos y Mínimos Absolutos"), 2, 1);
    trabajo->addWidget(m_fraGrafiCon);

    // The explanation panel, which later carries the work text and the reveal.
    m_ucMarcoDeri = Marco(this, QStringLiteral("UCMarcoDeri"));
    auto *explica = new QVBoxLayout(m_ucMarcoDeri);
    m_lblDeri = Rotulo(QStringLiteral("AVISO"), m_ucMarcoDeri, 12, true);
    m_lblDeri->setObjectName(QStringLiteral("LblDeri"));
    m_lblDeri->setAlignment(Qt::AlignCenter);
    m_lblGrafiCon = Rotulo(QString(), m_ucMarcoDeri, 12, true);
    m_lblGrafiCon->setObjectName(QStringLiteral("LblGrafiCon"));
    m_rtfPolin = CajaExpresion(m_ucMarcoDeri, QStringLiteral("rtfPolin"));
    m_rtfPolder = CajaExpresion(m_ucMarcoDeri, QStringLiteral("rtfPolder"));
    explica->addWidget(m_lblDeri);
    explica->addWidget(m_lblGrafiCon);
    explica->addWidget(m_rtfPolin);
    explica->addWidget(m_rtfPolder);

    v->addWidget(m_ucMarcoDeri);
    v->addWidget(m_ucMarcoMedio);
    auto *fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(creaCancelar(this));
    fila->addStretch(1);
    v->addLayout(fila);
    v->addStretch(1);
}

void frmGrafiDeri::alCargar()
{
    ocupaPanel();
    m_lblGrafiDeri->setText(QString());
    m_lblGrafiCon->setText(QString::fromStdString(TextoInstrucciones(47, "")));
    m_ucMarcoMedio->hide();
    lista().DesmarcaOpciones();
    for (int k = 1; k <= 5; ++k)
        OptGraCon(k)->setEnabled(false);
    // Zoom would show the hidden polynomial.
    entraPantalla(63, 78, kTitulo, false);
}

void frmGrafiDeri::alActivar()
{
    VentanaCamino::alActivar();
    m_textoTrabajo = QString::fromStdString(TextoInstrucciones(48, ""));
    if (PoliDado) {
        HabilitaMenusPrincipal(true);
        muestraTrabajo();
        m_graficaPendiente = true;
        LimpiaOpciones();
        MuestraGraficaDerivada();
    }
    ponAyuda(63, 78);
    Hasgrafica();
}

void frmGrafiDeri::muestraTrabajo()
{
    m_ucMarcoMedio->show();
    QFont f = m_lblGrafiCon->font();
    f.setPointSize(10);
    f.setBold(false);
    m_lblGrafiCon->setFont(f);
    m_lblGrafiCon->setText(m_textoTrabajo);
    m_lblDeri->hide();
    m_mnuElige->setEnabled(false);
}

void frmGrafiDeri::mnuMaquinaPropone_Click()
{
    if (m_textoTrabajo.isEmpty())
        m_textoTrabajo = QString::fromStdString(TextoInstrucciones(48, ""));
    muestraTrabajo();
    sorteaProblema();
    m_funcDerivada = CreaFuncPolin(PoliActual->Polder1());
    m_graficaPendiente = true;
    MuestraGraficaDerivada();
    LimpiaOpciones();
    centraEnCancelar();
}

void frmGrafiDeri::mnuTuPropones_Click()
{
    ModoAlgebra = false;
    m_usuarioPropone = true;
    HabilitaMenusPrincipal(false);
    if (AbrePidePoli())
        AbrePidePoli()(*this);
}

void frmGrafiDeri::recibePolinomio(const PoliPtr &p)
{
    PoliActual = RegistroAparte(p);
    PoliDado = true;
}

void frmGrafiDeri::sinPolinomio()
{
    m_usuarioPropone = false;
    HabilitaMenusPrincipal(true);
}

void frmGrafiDeri::MuestraGraficaDerivada()
{
    if (!m_graficaPendiente)
        return;
    if (m_usuarioPropone && PoliActual) {
        // The typed polynomial is the derivative: P is its antiderivative.
        const PoliPtr derivada = PoliActual->Polin();
        TomaPoliActual(IntegraPolinomio(*derivada));
        PoliDado = true; // still the signal of this activation
        m_funcDerivada = RegistroAparte(PoliActual->Polder1());
        m_usuarioPropone = false;
    }
    m_lblGrafiCon->setText(m_textoTrabajo);
    if (VentanaDibujo *g = VentanaGraficaActual(); g && m_funcDerivada) {
        g->MuestraGrafica();
        g->picejGraf().Limpia();
        // The window is fitted to P', not to P.
        MuestraEscalaEjes(*m_funcDerivada);
        DibujaLeyendaCurvas();
        GraficaPolinomio(*m_funcDerivada->Polin(), g->picejGraf(), rt::QBColor(3), 13);
    }
    m_graficaPendiente = false;
}

PoliPtr frmGrafiDeri::IntegraPolinomio(const Collpolinomio &p)
{
    // The exact primitive with constant term 0: x^2/3 stays a third.
    return p.Cuenta() != 0 ? p.Integral(0.0) : Collpolinomio::Nuevo();
}

void frmGrafiDeri::LimpiaOpciones()
{
    lista().DesmarcaOpciones();
    for (int k = 1; k <= 5; ++k)
        OptGraCon(k)->setEnabled(true);
    m_lblGrafiDeri->setText(QStringLiteral("Elige el concepto que desees: "));
}

void frmGrafiDeri::Hasgrafica()
{
    bool resuelto = PoliActual && m_funcDerivada;
    for (int c : kConceptosCamino)
        resuelto = resuelto && ConceptoResuelto[static_cast<std::size_t>(c)];
    if (resuelto) {
        if (VentanaDibujo *g = VentanaGraficaActual()) {
            g->PicejeGraf3().Limpia();
            // Refitted to P, which now shows with its derivative. The tracks
            // under it were written at the derivative's scale: they go, and
            // the key comes back at the new one.
            MuestraEscalaEjes(*PoliActual);
            g->Picejegraf2().Limpia();
            DibujaLeyendaCurvas();
            GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(4), 13);
            GraficaPolinomio(*PoliActual->Polder1(), g->picejGraf(), rt::QBColor(6), 13);
        }
        m_lblGrafiCon->setText(QString::fromUtf8(kCierre));
        m_rtfPolin->show();
        m_rtfPolder->show();
        PoliActual->Polin()->Despliega(*m_rtfPolin, "");
        PoliActual->Polder1()->Despliega(*m_rtfPolder, "");
        cmdCancelar()->Caption(QStringLiteral("Hasta luego"));
    }
    PoliDado = false;
}

void frmGrafiDeri::alDejarCamino()
{
    // The derivative still being typed goes with the road.
    if (CierraPidePoliDe())
        CierraPidePoliDe()(*this);
    // This road's work is forgotten with it; the real roots stay.
    for (std::size_t c = 1; c < ConceptoResuelto.size(); ++c)
        ConceptoResuelto[c] = false;
    PoliActual.reset();
    HabilitaMenusPrincipal(true);
}
