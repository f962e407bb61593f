#include "frmextension.h"

#include "EntradaNumerica.h"
#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"

#include "Grid.h"
#include "PictureEjes.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr std::int32_t ColorLeyendas = 0xFF0000; // QBColor(9), bright blue
constexpr double ToleranciaLimite = 0.01;
} // namespace

frmextension::frmextension()
    : VentanaEjercicio(QStringLiteral("EXTENSION"))
{
    m_fraExtensa = new QFrame(this);
    auto *rejilla = new QGridLayout(m_fraExtensa);
    const QStringList rotulos{QStringLiteral("Si x → -∞ ,  P(x) →"), QStringLiteral("Si x → +∞ ,  P(x) →")};
    for (int i = 0; i < 2; ++i) {
        auto *caja = new UCDextavo(m_fraExtensa);
        caja->HayInfinito(true);
        m_limites[static_cast<std::size_t>(i)] = caja;
        rejilla->addWidget(new QLabel(rotulos[i], m_fraExtensa), i, 0);
        rejilla->addWidget(caja, i, 1);
        conectaCaja(*caja, [this] { CmdExtensaListo_Click(1); });
    }
    zonaRespuesta()->addWidget(m_fraExtensa, 0, Qt::AlignHCenter);
    agregaListoCancelar(m_listo, m_cancelar);
    connect(m_listo, &Usc::Click, this, &frmextension::CmdExtensaListo_Click);
    RevisaCajas(*m_listo, {m_limites[0], m_limites[1]});

    OpcionesHerramientas opciones;
    opciones.puntosGrafica = true;
    opciones.tituloPunto = QStringLiteral("Evaluación Puntual");
    opciones.tituloRango = QStringLiteral("Evaluación por Rango");
    PanelHerramientas *h = agregaHerramientas(opciones);
    h->lblrango1()->setText(QStringLiteral("Valor inicial     Incremento"));
    h->AlLimpiarGrafica([this] { DibujaLimites(m_resuelto[0], m_resuelto[1]); });
}

DatosCamino frmextension::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 9;
    d.exito = 8;
    d.actual = 4;
    d.barra = {{4, true}};
    switch (camino) {
    case Camino::Analitico:
        d.instruccion = 10;
        d.apoyo = 10;
        d.recorre = false;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando la extensión de la función";
        d.opcion = 3;
        break;
    case Camino::GraficaPoli:
        d.instruccion = 11;
        d.apoyo = 62;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando la Extensión";
        d.recorre = true;
        d.opcion = 3;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 12;
        d.apoyo = 74;
        d.titulo = "Quorvane: De gráfica de derivada a concepto: Calculando la Extensión de la Función";
        d.recorre = true;
        d.opcion = 1;
        break;
    }
    return d;
}

void frmextension::alIniciar()
{
    PanelHerramientas *h = herramientas();
    const bool analitico = camino() == Camino::Analitico;
    h->cmdGraficaPtos()->setVisible(analitico);
    h->cmdLimpiaGraf()->setVisible(analitico);
    if (camino() == Camino::GraficaDeri) {
        // Only the graph of P' is seen: the tools read P' (the limits asked
        // are still those of P).
        h->stabRaices()->setTabText(0, Pantalla1024 ? QStringLiteral("Evaluación puntual de P'(x)")
                                                    : QStringLiteral("Evalúa P'(x)"));
        h->stabRaices()->setTabText(1, Pantalla1024 ? QStringLiteral("Evaluación por rango de P'(x)")
                                                    : QStringLiteral("Evalúa rango de P'(x)"));
        h->lblPuntual1()->setText(QStringLiteral("P'("));
        h->PoneEncabezado(QStringLiteral("P'(x)"));
        h->FijaPolinomio(1);
        h->LlenaTabla();
    }
    for (auto *c : m_limites)
        c->Text(QString());
    m_resuelto = {false, false};
    ErrorPoli = false;
    if (PoliActual && PoliActual->Polin()) {
        const Limites l = ExtensionPolinomio(*PoliActual->Polin());
        m_limMenos = l.limMenos;
        m_limMas = l.limMas;
    }
}

QWidget *frmextension::controlRespuesta() const
{
    return m_limites[0];
}

bool frmextension::revisa(int i, bool otraEnRevision)
{
    UCDextavo *caja = m_limites[static_cast<std::size_t>(i)];
    if (ValidaCajaNumerica(*caja) >= 1) {
        caja->setFocus();
        return false;
    }
    const double v = caja->NumAceptado();
    const Collpolinomio &p = *PoliActual->Polin();
    const bool constante = p.Grado() < 1;
    // A constant c tends to c at both ends; nothing else is accepted for it.
    const double limite = constante ? p.Eval(0) : (i == 0 ? m_limMenos : m_limMas);
    if (std::abs(v - limite) < ToleranciaLimite) {
        m_resuelto[static_cast<std::size_t>(i)] = true;
        if (!constante) {
            DibujaLimites(m_resuelto[0], m_resuelto[1]);
            caja->Locked(true);
        }
        // "One more to go" only while the other limit is still open.
        if (!otraEnRevision && !m_resuelto[static_cast<std::size_t>(1 - i)])
            MuestraExito(7);
        if (!constante)
            m_limites[static_cast<std::size_t>(1 - i)]->setFocus();
        return true;
    }
    MuestraError("", i == 1 ? 160 : (constante ? 161 : 22));
    caja->setFocus();
    return false;
}

void frmextension::CmdExtensaListo_Click(int)
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    const bool revisarMenos = !m_limites[0]->Text().isEmpty() && !m_resuelto[0];
    const bool revisarMas = !m_limites[1]->Text().isEmpty() && !m_resuelto[1];
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->picejGraf().ForeColor(ColorLeyendas);
    if (revisarMenos && !revisa(0, revisarMas))
        return;
    if (revisarMas && !revisa(1, revisarMenos))
        return;
    if (m_resuelto[0] && m_resuelto[1])
        Termina(3);
}

void frmextension::DibujaLimites(bool menos, bool mas)
{
    VentanaDibujo *g = VentanaGraficaActual();
    // A constant has no infinite limit to show.
    if (!g || !PoliActual || !PoliActual->Polin() || PoliActual->Polin()->Grado() < 1)
        return;
    PictureEjes &graf = g->picejGraf();
    graf.FontName(QStringLiteral("Arial"));
    auto leyenda = [&graf](double x, double limite) {
        const QString texto = limite >= 0 ? QStringLiteral("y → + ∞") : QStringLiteral("y → - ∞");
        // The right legend is drawn wider than its 45 pixels: keep its end
        // on the graph.
        graf.Xactual(std::min(x, graf.muevepixel(0, graf.MaxX(), -5) - graf.AnchoTexto(texto)));
        graf.Yactual(limite >= 0 ? graf.muevepixel(1, graf.MaxY(), 1) : graf.muevepixel(1, graf.MinY(), -18));
        graf.imprime(texto);
    };
    if (menos)
        leyenda(graf.muevepixel(0, graf.MinX(), 5), m_limMenos);
    if (mas)
        leyenda(graf.muevepixel(0, graf.MaxX(), -45), m_limMas);
}

void frmextension::alSalir(bool terminado)
{
    if (camino() != Camino::Analitico)
        return;
    // Cancelling forgets the accepted limits: the graph keeps only the roots.
    if (!terminado)
        m_resuelto = {false, false};
    herramientas()->cmdLimpiaGraf_Click(1);
}
