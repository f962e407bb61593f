#include "frmZoom.h"

#include "BotonVentana.h"
#include "ColorRgb.h"
#include "GestorVentanas.h"
#include "frmGrafica2.h"

#include "ModCadena.h"
#include "Utilerias.h"
#include "dibujo.h"
#include "Globales.h"

#include "EsperaModal.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "TextoNumero.h"
#include "Twips.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace {
using plataforma::TwipsAPixeles;


// Error rows of the bounds check.
constexpr std::int16_t ErrorXIguales = 103;
constexpr std::int16_t ErrorXInvertidos = 58;
constexpr std::int16_t ErrorYIguales = 102;
constexpr std::int16_t ErrorYInvertidos = 59;
constexpr std::int16_t ErrorCaja = 149; // + the box's code

std::string Unidad(double paso)
{
    return paso == 1 ? " unidad x marca" : " unids. x marca";
}

Usc *Boton(const QString &caption, const QString &nombre, QWidget *padre)
{
    return BotonVentana(caption, nombre, padre, 1500, 420);
}
} // namespace

std::array<std::int32_t, 16> frmZoom::ColoresZoom()
{
    std::array<std::int32_t, 16> colores{};
    for (int i = 0; i <= 4; ++i) {
        colores[static_cast<std::size_t>(i)] = Rgb(60 * i, 0, 0);
        colores[static_cast<std::size_t>(i + 5)] = Rgb(0, 50 * (i + 1), 60);
        colores[static_cast<std::size_t>(i + 10)] = Rgb(0, 0, 50 * (i + 1));
    }
    colores[15] = Rgb(128, 0, 128);
    return colores;
}

frmZoom::frmZoom()
{
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Quorvane: Zoom"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    resize(T(3405), T(4230));

    m_fraZoom = new QFrame(this);
    m_fraZoom->setObjectName(QStringLiteral("fraZoom"));
    m_fraZoom->setFrameShape(QFrame::StyledPanel);
    m_fraZoom->setGeometry(0, 0, T(3330), T(2600));
    m_lblZoom1 = new QLabel(m_fraZoom);
    m_lblZoom1->setWordWrap(true);
    m_lblZoom1->setGeometry(T(90), T(60), T(3150), T(800));
    m_fraZoom0 = new QFrame(m_fraZoom);
    m_fraZoom0->setObjectName(QStringLiteral("fraZoom0"));
    m_fraZoom0->setGeometry(T(90), T(900), T(3150), T(1600));
    const char *rotulos[4] = {"Mín. X", "Máx. X", "Mín. Y", "Máx. Y"};
    for (int i = 0; i < 4; ++i) {
        const int izquierda = (i % 2) * T(1575);
        const int arriba = (i / 2) * T(780);
        auto *rotulo = new QLabel(QString::fromUtf8(rotulos[i]), m_fraZoom0);
        rotulo->setGeometry(izquierda + T(60), arriba, T(1400), T(300));
        auto *caja = new UCDextavo(m_fraZoom0);
        caja->setObjectName(QStringLiteral("UCCZoomExt%1").arg(i));
        caja->setGeometry(izquierda + T(60), arriba + T(300), T(1400), T(400));
        connect(caja, &UCDextavo::TeclaEnter, this, [this, i] { UCCZoomExt_TeclaEnter(i); });
        connect(caja, &UCDextavo::Validate, this, [this, i](bool &cancelar) {
            UCCZoomExt_Validate(i, cancelar);
            // The button press that took the focus stops there: the box is already reported.
            m_cajaRechazada = cancelar;
        });
        m_limites[static_cast<std::size_t>(i)] = caja;
    }

    m_picejZoom = new PictureEjes(this);
    m_picejZoom->setObjectName(QStringLiteral("PicejZoom"));
    m_picejZoom->Escx(2);
    m_picejZoom->Escy(2);
    m_picejZoom->NumDeEscVisible(false);
    m_picejZoom->BackColor(Rgb(224, 224, 224));
    m_picejZoom->ForeColor(Rgb(0, 0, 255));
    m_picejZoom->ColorEjes(Rgb(0, 0, 0));

    m_lblEscala = new QLabel(this);
    m_lblEscala->setObjectName(QStringLiteral("lblEscala"));
    m_lblEscala->setGeometry(0, T(2650), T(3300), T(500));

    m_cmdRecuadro = Boton(QStringLiteral("Recuadro"), QStringLiteral("CmdRecuadro"), this);
    m_cmdNuevaEscala = Boton(QStringLiteral(" Mod. Escala"), QStringLiteral("CmdNuevaEscala"), this);
    m_cmdListaEscala = Boton(QStringLiteral(" Subs. Gráfica"), QStringLiteral("CmdListaEscala"), this);
    m_cmdCancelar = Boton(QStringLiteral("Cerrar"), QStringLiteral("cmdCancelar"), this);
    m_cmdRecuadro->move(T(90), T(3150));
    m_cmdNuevaEscala->move(T(90), T(3150));
    m_cmdListaEscala->move(T(1740), T(3150));
    m_cmdCancelar->move(T(1740), T(3650));
    connect(m_cmdRecuadro, &Usc::Click, this, [this](int) { CmdRecuadro_Click(); });
    connect(m_cmdNuevaEscala, &Usc::Click, this, [this](int) { CmdNuevaEscala_Click(); });
    connect(m_cmdListaEscala, &Usc::Click, this, [this](int) { CmdListaEscala_Click(); });
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
}

frmZoom *frmZoom::Existente()
{
    return GestorVentanas::instancia().existente<frmZoom>();
}

void frmZoom::carga()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    ValidaNuevaEscala = false;
    colocaSobreArea(AnchoPanel - T(1000), T(600));
    m_lblZoom1->setText(QStringLiteral("Elige el rango tanto en el eje  X como en el eje  Y, para ver la porción de "
                                       "gráfica o de segmento deseado."));
    m_picejZoom->setGeometry(0, 0, T(3300), T(2600));
    m_picejZoom->hide();
    m_indiceColor = 0;

    if (ZoomAlgebra && FuncionZoom) {
        // Only the expanded polynomial: no bounds to type, none to check.
        m_fraZoom->hide();
        m_picejZoom->show();
        m_picejZoom->raise();
        CollFuncPolin &f = *FuncionZoom;
        MuestraEscalaRecuadro(*m_picejZoom, f.Xmin(), f.Xmax(), f.Ymin(), f.Ymax());
        dibujaAlgebra();
        m_cmdNuevaEscala->hide();
        m_cmdListaEscala->hide();
        m_cmdRecuadro->hide();
        m_cmdCancelar->show();
        m_lblEscala->move(0, m_lblEscala->y());
        const double ex = m_picejZoom->Escx();
        const double ey = m_picejZoom->Escy();
        m_lblEscala->setText(QString::fromStdString("Eje X: " + FormateaNumero(ex) + Unidad(ex) + "\nEje Y: "
                                                    + FormateaNumero(ey) + Unidad(ey)));
        m_lblEscala->show();
    } else {
        m_fraZoom->show();
        m_cmdNuevaEscala->hide();
        m_lblEscala->hide();
        llenaLimites();
    }
}

void frmZoom::dibujaAlgebra()
{
    if (FuncionZoom && FuncionZoom->Polin())
        GraficaPolinomio(*FuncionZoom->Polin(), *m_picejZoom, rt::QBColor(13), 13);
}

bool frmZoom::graficaOculta()
{
    // A graph its window keeps hidden (a notice in its place) is not the
    // zoom's to show: its curves would give away what the student is to find.
    frmGrafica2 *g = GestorVentanas::instancia().existente<frmGrafica2>();
    return !g || g->picejGraf().isHidden();
}

frmZoom *frmZoom::AbrePolinomios(std::vector<PoliPtr> polinomios)
{
    auto &gestor = GestorVentanas::instancia();
    if (const frmZoom *abierto = Existente(); abierto && abierto->ZoomAlgebra)
        Descarga();
    frmZoom *zoom = gestor.ventana<frmZoom>();
    zoom->PolinomiosZoom = std::move(polinomios);
    gestor.muestra(zoom);
    return zoom;
}

void frmZoom::AbreAlgebra(FuncPolinPtr funcion)
{
    Descarga();
    QPointer<frmZoom> zoom = GestorVentanas::instancia().ventana<frmZoom>([&funcion](frmZoom &z) {
        z.FuncionZoom = std::move(funcion);
        z.ZoomAlgebra = true;
    });
    plataforma::EsperaModal(*zoom);
}

void frmZoom::Descarga()
{
    GestorVentanas::instancia().descarga<frmZoom>();
}

void frmZoom::showEvent(QShowEvent *evento)
{
    VentanaBase::showEvent(evento);
    // Showing the preview cleared it: the expanded polynomial goes on again.
    if (ZoomAlgebra)
        dibujaAlgebra();
    if (m_limites[0]->isVisible())
        m_limites[0]->setFocus();
}

void frmZoom::closeEvent(QCloseEvent *evento)
{
    evento->ignore();
    cmdCancelar_Click();
}

void frmZoom::llenaLimites()
{
    m_rechazados = false;
    m_picejZoom->Limpia();
    m_picejZoom->hide();
    double limites[4] = {m_picejZoom->MinX(), m_picejZoom->MaxX(), m_picejZoom->MinY(), m_picejZoom->MaxY()};
    frmGrafica2 *g = GestorVentanas::instancia().existente<frmGrafica2>();
    if (!ValidaNuevaEscala && g) {
        PictureEjes &graf = g->picejGraf();
        limites[0] = graf.MinX();
        limites[1] = graf.MaxX();
        limites[2] = graf.MinY();
        limites[3] = graf.MaxY();
    }
    for (std::size_t i = 0; i < 4; ++i)
        m_limites[i]->Text(QString::fromStdString(rt::Formato(limites[i], "###0.0")));
    m_cmdListaEscala->setVisible(!graficaOculta());
}

void frmZoom::UCCZoomExt_TeclaEnter(int i)
{
    bool cancelar = false;
    UCCZoomExt_Validate(i, cancelar);
}

void frmZoom::UCCZoomExt_Validate(int i, bool &cancelar)
{
    // A check already under way reports its own box; a hidden box has none.
    if (m_revisando || !isVisible() || !m_limites[static_cast<std::size_t>(i)]->isVisible())
        return;
    const std::int16_t codigo = m_limites[static_cast<std::size_t>(i)]->Valida();
    if (codigo > 0) {
        m_revisando = true;
        MuestraError("", static_cast<std::int16_t>(ErrorCaja + codigo));
        m_revisando = false;
        cancelar = true;
    }
}

void frmZoom::revisaLimites(PictureEjes &superficie)
{
    m_rechazados = false;
    m_revisando = true;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::int16_t codigo = m_limites[i]->Valida();
        if (codigo > 0) {
            MuestraError("", static_cast<std::int16_t>(ErrorCaja + codigo));
            m_limites[i]->setFocus();
            m_rechazados = true;
            m_revisando = false;
            return;
        }
        m_limitesZoom[i] = m_limites[i]->NumAceptado();
    }
    m_revisando = false;
    const double anchoX = m_limitesZoom[1] - m_limitesZoom[0];
    const double altoY = m_limitesZoom[3] - m_limitesZoom[2];
    if (anchoX <= 0) {
        MuestraError("", anchoX == 0 ? ErrorXIguales : ErrorXInvertidos);
        m_rechazados = true;
    } else if (altoY <= 0) {
        MuestraError("", altoY == 0 ? ErrorYIguales : ErrorYInvertidos);
        m_rechazados = true;
    } else {
        superficie.show();
        superficie.raise();
        QCoreApplication::processEvents();
    }
}

void frmZoom::grafica(PictureEjes &superficie)
{
    MuestraEscalaRecuadro(superficie, m_limitesZoom[0], m_limitesZoom[1], m_limitesZoom[2], m_limitesZoom[3]);
    const std::int32_t color = ColoresZoom()[static_cast<std::size_t>(m_indiceColor)];
    for (const PoliPtr &p : PolinomiosZoom)
        if (p)
            GraficaPolinomio(*p, superficie, color, 13);
}

void frmZoom::escribeClave(PictureEjes &franja)
{
    // The strip under the graph names the curves drawn on it. The graph now
    // holds the zoom's curves alone, all in one colour: the strip names the
    // current polynomial when it is one of them, and nothing else.
    franja.Limpia();
    const PoliPtr p = PoliActual ? PoliActual->Polin() : nullptr;
    if (!p || std::find(PolinomiosZoom.begin(), PolinomiosZoom.end(), p) == PolinomiosZoom.end())
        return;
    const std::int32_t tinta = franja.ForeColor();
    const bool negrita = franja.FontBold();
    franja.ForeColor(ColoresZoom()[static_cast<std::size_t>(m_indiceColor)]);
    franja.FontBold(true);
    franja.ImprimeEnCoor(QStringLiteral("P(x)"), franja.MinX() + 0.05 * (franja.MaxX() - franja.MinX()), 2);
    franja.FontBold(negrita);
    franja.ForeColor(tinta);
}

void frmZoom::CmdRecuadro_Click()
{
    // Every press moves the colour on, a press stopped by a refused box too.
    if (!std::exchange(m_cajaRechazada, false)) {
        revisaLimites(*m_picejZoom);
        if (!m_rechazados) {
            ValidaNuevaEscala = true;
            grafica(*m_picejZoom);
            m_cmdNuevaEscala->show();
            m_cmdListaEscala->hide();
            m_cmdRecuadro->hide();
        }
    }
    m_indiceColor = m_indiceColor == 15 ? 0 : m_indiceColor + 1;
}

void frmZoom::CmdNuevaEscala_Click()
{
    llenaLimites();
    m_cmdNuevaEscala->hide();
    m_cmdRecuadro->show();
}

void frmZoom::CmdListaEscala_Click()
{
    if (std::exchange(m_cajaRechazada, false))
        return;
    frmGrafica2 *g = GestorVentanas::instancia().existente<frmGrafica2>();
    if (!g || graficaOculta())
        return;
    revisaLimites(g->picejGraf());
    if (m_rechazados)
        return;
    ValidaNuevaEscala = false;
    grafica(g->picejGraf());
    escribeClave(g->Picejegraf2());
    m_cmdNuevaEscala->show();
    m_cmdListaEscala->hide();
    Descarga();
}

void frmZoom::cmdCancelar_Click()
{
    Descarga();
}
