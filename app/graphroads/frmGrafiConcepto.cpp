#include "frmGrafiConcepto.h"

#include "ControlesProblema.h"

#include "Globales.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "modTexto.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "Usc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace {

struct Opcion {
    int concepto;
    const char *caption;
};

// By option index: the left column first, then the right one.
constexpr std::array<Opcion, 11> kOpciones = {{
    {0, "Raíces"},
    {1, "Signo de la función"},
    {2, "Paridad"},
    {3, "Extensión"},
    {5, "Puntos críticos"},
    {6, "Monotonía"},
    {7, "Clasificación de Puntos Críticos"},
    {9, "Puntos de  Inflexión"},
    {10, "Concavidad"},
    {12, "Máximos y Mínimos Absolutos"},
    {11, "Rango"},
}};

constexpr int kIzquierda = 6; // options 0..5 in the left column

const std::string kTitulo = "Quorvane: A partir de la gráfica del polinomio, identifica cada concepto";

} // namespace

frmGrafiConcepto::frmGrafiConcepto()
    : VentanaCamino(QStringLiteral("De gráfica de polinomio a concepto"), Camino::GraficaPoli)
{
    QVBoxLayout *v = columna();

    // The polynomial, hidden until the reveal.
    m_fraPoli = new QFrame(this);
    m_fraPoli->setObjectName(QStringLiteral("fraPoli"));
    auto *filaPoli = new QHBoxLayout(m_fraPoli);
    m_lblPx = new QLabel(QStringLiteral("p(x) ="), m_fraPoli);
    m_lblPx->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    m_rtbPidePoliR = new RichTextBox(m_fraPoli);
    m_rtbPidePoliR->setObjectName(QStringLiteral("RtbPidePoliR"));
    m_rtbPidePoliR->SetLocked(true);
    m_rtbPidePoliR->SetMuestraPolinomio(true);
    filaPoli->addWidget(m_lblPx);
    filaPoli->addWidget(m_rtbPidePoliR, 1);
    v->addWidget(m_fraPoli);

    QFrame *marco = Marco(this, QStringLiteral("UCMarcoMedio"));
    auto *dentro = new QVBoxLayout(marco);
    m_lblGrafiCon = Rotulo(QString(), marco);
    m_lblGrafiCon->setObjectName(QStringLiteral("LblGrafiCon"));
    dentro->addWidget(m_lblGrafiCon);

    m_fraGrafiCon = new QGroupBox(marco);
    m_fraGrafiCon->setObjectName(QStringLiteral("FraGrafiCon"));
    auto *rejilla = new QGridLayout(m_fraGrafiCon);
    rejilla->addWidget(new QLabel(QStringLiteral("Elige el concepto que desees: "), m_fraGrafiCon), 0, 0, 1, 2);
    for (int k = 0; k < static_cast<int>(kOpciones.size()); ++k) {
        const Opcion &o = kOpciones[static_cast<std::size_t>(k)];
        const bool izquierda = k < kIzquierda;
        agregaOpcion(*rejilla, k, o.concepto, QString::fromUtf8(o.caption), 1 + (izquierda ? k : k - kIzquierda),
                     izquierda ? 0 : 1);
    }
    dentro->addWidget(m_fraGrafiCon);

    auto *fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(creaCancelar(marco));
    fila->addStretch(1);
    dentro->addLayout(fila);
    v->addWidget(marco);
    v->addStretch(1);
}

void frmGrafiConcepto::alCargar()
{
    ocupaPanel();
    sorteaProblema();

    entraPantalla(64, 79, kTitulo, true);
    m_lblGrafiCon->setText(QString::fromStdString(TextoInstrucciones(66, "")));

    if (VentanaDibujo *g = VentanaGraficaActual()) {
        g->MuestraGrafica();
        g->picejGraf().Limpia();
        g->PoneRecorreGraf(true);
        MuestraEscalaEjes(*PoliActual);
        GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(1), 13);
    }
    m_fraPoli->hide();
    DibujaLeyendaCurvas();
}

void frmGrafiConcepto::alActivar()
{
    VentanaCamino::alActivar();
    MuestraPolinomioFinal();
}

void frmGrafiConcepto::MuestraPolinomioFinal()
{
    // The first and the second derivative have no option on this road.
    for (const Opcion &o : kOpciones)
        if (!ConceptoResuelto[static_cast<std::size_t>(o.concepto)])
            return;
    if (!PoliActual)
        return;
    if (VentanaDibujo *g = VentanaGraficaActual())
        GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(3), 13);
    m_lblGrafiCon->setFont(QFont(m_lblGrafiCon->font().family(), 10, QFont::Normal));
    m_lblGrafiCon->setText(QString::fromStdString(TextoInstrucciones(65, "")));
    m_fraPoli->show();
    PoliActual->Polin()->Despliega(*m_rtbPidePoliR, "");
}
