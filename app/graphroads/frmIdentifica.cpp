#include "frmIdentifica.h"

#include "ControlesProblema.h"
#include "MarcaAcierto.h"

#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "generapoli.h"
#include "modTexto.h"

#include "Azar.h"
#include "ColorOle.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "TextoNumero.h"
#include "Twips.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
using plataforma::TwipsAPixeles;

int T(int twips)
{
    return TwipsAPixeles(twips);
}

// The colours of the curves: three neighbours of this list, read cyclically.
constexpr std::array<int, 7> kPaleta = {1, 2, 3, 4, 9, 12, 13};
// Tops of the rows (P, P', P'') for each of the six orders.
constexpr std::array<std::array<int, 3>, 6> kOrdenes = {{
    {240, 1920, 1080},
    {240, 1080, 1920},
    {1920, 1080, 240},
    {1920, 240, 1080},
    {1080, 240, 1920},
    {1080, 1920, 240},
}};
// The marks (P, P', P'') and the message for each wrong answer; the
// answer (P box, P' box, P'' box) is the key.
struct Fallo {
    std::array<int, 3> respuesta;
    std::array<bool, 3> marcas;
    std::int16_t error;
};
constexpr std::array<Fallo, 5> kFallos = {{
    {{0, 2, 1}, {true, false, false}, 74},
    {{1, 0, 2}, {false, false, true}, 75},
    {{2, 1, 0}, {false, true, false}, 75},
    {{1, 2, 0}, {false, false, false}, 76},
    {{2, 0, 1}, {false, false, false}, 77},
}};
constexpr std::int16_t ErrorCajaVacia = 171;
constexpr std::int16_t ErrorFueraDeRango = 169;
constexpr std::int16_t ErrorRepetido = 170;
constexpr std::int16_t ErrorSinGrado = 199;
constexpr std::int16_t ExitoIdentifica = 39;

} // namespace

frmIdentifica::frmIdentifica()
{
    setWindowTitle(QStringLiteral("Quorvane: Identifica Curvas"));
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    auto *barra = new QMenuBar(this);
    barra->setNativeMenuBar(false);
    capa->setMenuBar(barra);
    m_mnuElige = barra->addMenu(QStringLiteral("Elige una opción"));
    m_mnuElige->menuAction()->setObjectName(QStringLiteral("mnuElige"));
    m_mnuProponePoli = m_mnuElige->addAction(QStringLiteral("El usuario propone un polinomio"));
    m_mnuQuorvaPropone = m_mnuElige->addAction(QStringLiteral("Quorvane propone el problema"));
    QMenu *regreso = barra->addMenu(QStringLiteral("&Regresar"));
    regreso->menuAction()->setObjectName(QStringLiteral("mnuRegreso"));
    m_mnuInicio = regreso->addAction(QStringLiteral("al &inicio"));
    m_mnuAnterior = regreso->addAction(QStringLiteral("al menú &anterior"));
    auto *cuerpo = new QWidget(this);
    capa->addWidget(cuerpo, 1);

    m_marcoDeri = Marco(cuerpo, QStringLiteral("UCMarcoDeri"));
    m_lblGrafiCon = Rotulo(QString(), m_marcoDeri, 12, true);
    m_lblDeri = Rotulo(QStringLiteral("AVISO"), cuerpo, 14, true);

    m_marcoMedio = Marco(cuerpo, QStringLiteral("UCMarcoMedio"));
    m_lblInstruccion = Rotulo(QString(), m_marcoMedio, 10, false);
    m_fraIdentifica = new QFrame(m_marcoMedio);
    m_fraIdentifica->setObjectName(QStringLiteral("FraIdentifica"));
    m_fraIdentifica->setFrameShape(QFrame::StyledPanel);
    for (std::size_t i = 0; i < 3; ++i) {
        m_caja[i] = new UCDextavo(m_fraIdentifica);
        m_caja[i]->setObjectName(QStringLiteral("UCCajaIdentifica%1").arg(i + 1));
        m_caja[i]->MaxLength(1);
        m_caja[i]->HayInfinito(false);
        m_caja[i]->resize(T(735), T(495));
        m_muestra[i] = new QLabel(m_fraIdentifica);
        m_muestra[i]->setObjectName(QStringLiteral("LblIdentifica%1").arg(i + 2));
        m_muestra[i]->setAutoFillBackground(true);
        m_muestra[i]->resize(T(1215), T(495));
        m_marca[i] = new MarcaAcierto(m_fraIdentifica);
        m_marca[i]->setObjectName(QStringLiteral("LblIdentifica%1").arg(i + 5));
        m_marca[i]->resize(T(495), T(495));
    }
    m_caja[0]->SoloEntero(true);

    m_frame1 = new QFrame(m_fraIdentifica);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setAutoFillBackground(true);
    QPalette gris = m_frame1->palette();
    gris.setColor(QPalette::Window, QColor(224, 224, 224));
    m_frame1->setPalette(gris);
    const std::array<QString, 3> nombres = {QStringLiteral(" P(x) ="), QStringLiteral(" P'(x) ="),
                                            QStringLiteral("P''(x) =")};
    for (std::size_t i = 0; i < 3; ++i) {
        m_lblExpresion[i] = Rotulo(nombres[i], m_frame1, 10, true);
        m_rtbExpresion[i] = new RichTextBox(m_frame1);
        m_rtbExpresion[i]->setObjectName(QStringLiteral("RtbIdentifica1_%1").arg(i));
        m_rtbExpresion[i]->SetLocked(true);
        m_rtbExpresion[i]->SetMuestraPolinomio(true);
    }

    m_cmdListo = Boton(QStringLiteral("Listo"), QStringLiteral("cmdListo"), cuerpo);
    m_cmdOtro = Boton(QStringLiteral("Otro"), QStringLiteral("CmdOtroI"), cuerpo);
    m_cmdCerrar = Boton(QStringLiteral("Cancelar"), QStringLiteral("CmdCerrar"), cuerpo);
    for (Usc *b : {m_cmdListo, m_cmdOtro, m_cmdCerrar})
        b->resize(T(1300), T(450));

    connect(m_mnuQuorvaPropone, &QAction::triggered, this, &frmIdentifica::mnuQuorvaPropone_Click);
    connect(m_mnuProponePoli, &QAction::triggered, this, &frmIdentifica::mnuProponePoli_Click);
    connect(m_mnuInicio, &QAction::triggered, this, &frmIdentifica::reinicia);
    connect(m_mnuAnterior, &QAction::triggered, this, &frmIdentifica::CmdCerrar_Click);
    connect(m_cmdListo, &Usc::Click, this, [this](int) { cmdListo_Click(); });
    connect(m_cmdOtro, &Usc::Click, this, [this](int) { CmdOtroI_Click(); });
    connect(m_cmdCerrar, &Usc::Click, this, [this](int) { CmdCerrar_Click(); });
    // Enter in a box checks the answer.
    for (UCDextavo *caja : m_caja)
        connect(caja, &UCDextavo::TeclaEnter, this, &frmIdentifica::cmdListo_Click);
}

void frmIdentifica::alCargar()
{
    PidePoliDesdeEjercicio = true;
    colocaEnPanel();
    const int ancho = std::max(T(4800), AnchoPanel);

    m_marcoDeri->setGeometry(T(30), T(2000), ancho - T(90), T(2500));
    m_lblGrafiCon->setGeometry(T(120), T(100), m_marcoDeri->width() - T(240), T(2300));
    m_lblGrafiCon->setText(QString::fromStdString(TextoInstrucciones(49, "")));
    m_lblDeri->setGeometry(T(1700), T(1500), T(2000), T(400));

    m_marcoMedio->setGeometry(0, 0, ancho - T(30), T(7270));
    m_lblInstruccion->setGeometry(T(120), T(130), m_marcoMedio->width() - T(240), T(1455));
    m_fraIdentifica->setGeometry(T(100), T(1560), ancho - T(200) - T(100), T(5500));
    m_frame1->setGeometry(T(120), T(2640), m_fraIdentifica->width() - T(240), T(2300));
    for (std::size_t i = 0; i < 3; ++i) {
        const int arriba = T(120 + 720 * static_cast<int>(i));
        m_lblExpresion[i]->setGeometry(T(60), arriba + T(60), T(1000), T(400));
        m_rtbExpresion[i]->setGeometry(T(1080), arriba, m_frame1->width() - T(1200), T(560));
    }
    const int arribaBotones = m_marcoMedio->y() + m_marcoMedio->height() + T(120);
    m_cmdListo->move(T(240), arribaBotones);
    m_cmdOtro->move(T(1740), arribaBotones);
    m_cmdCerrar->move(T(3240), arribaBotones);

    if (VentanaDibujo *g = VentanaGraficaActual())
        g->PoneRecorreGraf(false);
    m_marcoMedio->hide();
    m_marcoDeri->show();
    m_lblDeri->show();
    m_frame1->hide();
    m_fraIdentifica->hide();
    for (MarcaAcierto *m : m_marca)
        m->hide();
    m_cmdCerrar->Caption(QStringLiteral("Cancelar"));
    m_cmdCerrar->Enabled(false);
    m_cmdOtro->Enabled(false);
    m_cmdListo->Enabled(false);

    entraPantalla(67, 70, "Quorvane: Identificar función y su primera y segunda derivada.");
}

void frmIdentifica::muestraTrabajo()
{
    m_marcoDeri->hide();
    m_lblDeri->hide();
    m_marcoMedio->show();
    m_lblInstruccion->setText(QString::fromStdString(TextoInstrucciones(50, "")));
    m_lblInstruccion->show();
    m_fraIdentifica->show();
}

void frmIdentifica::mnuQuorvaPropone_Click()
{
    muestraTrabajo();
    m_maquinaPropone = true;
    PreparaCurvas();
    DibujaCurvas();
    m_cmdCerrar->Enabled(true);
    m_cmdOtro->Enabled(true);
    m_cmdListo->Enabled(true);
    m_mnuElige->setEnabled(false);
    ponAyuda(60, 70);
}

void frmIdentifica::mnuProponePoli_Click()
{
    pidePoliAlumno();
}

void frmIdentifica::alRecibirPolinomio()
{
    if (!PoliActual || !PoliActual->Polin() || PoliActual->Polin()->Grado() < 1) {
        MuestraError("", ErrorSinGrado);
        CmdCerrar_Click();
        return;
    }
    muestraTrabajo();
    m_maquinaPropone = false;
    m_cmdCerrar->Enabled(true);
    m_cmdListo->Enabled(true);
    m_cmdOtro->Enabled(false);
    m_mnuElige->setEnabled(false);
    PreparaCurvas();
    DibujaCurvas();
    ponAyuda(60, 70);
}

void frmIdentifica::PreparaCurvas()
{
    PoliPtr segunda;
    if (m_maquinaPropone) {
        const auto grado = static_cast<std::int16_t>(rt::Int(rt::Rnd() * 8 + 1));
        const auto a = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
        const auto b = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
        DamePolinomioProblema(grado, a, b);
        m_funcP = CreaFuncPolin(PoliAzar);
    } else {
        m_funcP = PoliActual;
    }
    m_funcP1 = CreaFuncPolin(m_funcP->Polder1());
    m_funcP2 = CreaFuncPolin(m_funcP->Polder2());

    // One window that holds the three curves.
    const std::array<const CollFuncPolin *, 3> f = {m_funcP.get(), m_funcP1.get(), m_funcP2.get()};
    double xmin = f[0]->Xmin(), xmax = f[0]->Xmax(), ymin = f[0]->Ymin(), ymax = f[0]->Ymax();
    for (const CollFuncPolin *r : f) {
        xmin = std::min({xmin, r->Xmin(), r->Xmax()});
        xmax = std::max({xmax, r->Xmin(), r->Xmax()});
        ymin = std::min({ymin, r->Ymin(), r->Ymax()});
        ymax = std::max({ymax, r->Ymin(), r->Ymax()});
    }
    if (PictureEjes *graf = muestraGrafica())
        MuestraEscalaRecuadro(*graf, xmin, xmax, ymin, ymax);
}

void frmIdentifica::DibujaCurvas()
{
    const int k = static_cast<int>(rt::Int(rt::Rnd() * 7));
    const int r = static_cast<int>(rt::Int(rt::Rnd() * 6));
    const std::array<PoliPtr, 3> curvas = {m_funcP->Polin(), m_funcP->Polder1(), m_funcP->Polder2()};
    PictureEjes *graf = superficie();
    int arriba = T(99999);
    for (std::size_t i = 0; i < 3; ++i) {
        const int color = kPaleta[(std::size_t(k) + i) % kPaleta.size()];
        const int y = T(kOrdenes[std::size_t(r)][i]);
        m_caja[i]->move(T(240), y);
        m_muestra[i]->move(T(1200), y);
        m_marca[i]->move(T(2400), y);
        m_marca[i]->raise();
        QPalette p = m_muestra[i]->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(PixelDeOle(rt::QBColor(color))));
        m_muestra[i]->setPalette(p);
        m_muestra[i]->setProperty("qbcolor", color);
        if (graf)
            GraficaPolinomio(*curvas[i], *graf, rt::QBColor(color), 13);
        arriba = std::min(arriba, y);
    }
    // The focus on the top row, where the eye starts.
    for (UCDextavo *caja : m_caja)
        if (caja->y() == arriba)
            caja->Caja()->setFocus();
}

void frmIdentifica::vaciaCajas()
{
    for (UCDextavo *caja : m_caja)
        caja->Text(QString());
}

void frmIdentifica::AvisoIdentifica(std::int16_t n)
{
    MuestraError("", n);
    vaciaCajas();
    m_caja[1]->Caja()->setFocus();
}

void frmIdentifica::cmdListo_Click()
{
    if (!m_cmdListo->Enabled() || !m_funcP)
        return;
    std::array<int, 3> v{};
    for (std::size_t i = 0; i < 3; ++i)
        if (m_caja[i]->Text().isEmpty()) {
            AvisoIdentifica(ErrorCajaVacia);
            return;
        }
    for (std::size_t i = 0; i < 3; ++i) {
        v[i] = rt::CInt(rt::Val(m_caja[i]->Text().toStdString()));
        if (v[i] < 0 || v[i] > 2) {
            AvisoIdentifica(ErrorFueraDeRango);
            return;
        }
    }
    if (v[0] == v[1] || v[0] == v[2] || v[1] == v[2]) {
        AvisoIdentifica(ErrorRepetido);
        return;
    }

    const bool acierto = v == std::array<int, 3>{0, 1, 2};
    if (acierto) {
        for (MarcaAcierto *m : m_marca)
            m->pon(true);
        const std::array<PoliPtr, 3> curvas = {m_funcP->Polin(), m_funcP->Polder1(), m_funcP->Polder2()};
        m_frame1->show();
        for (std::size_t i = 0; i < 3; ++i)
            curvas[i]->Despliega(*m_rtbExpresion[i], "");
    }
    for (MarcaAcierto *m : m_marca)
        m->show();
    if (acierto) {
        MuestraExito(ExitoIdentifica);
        m_cmdListo->Enabled(false);
        m_cmdCerrar->Caption(QStringLiteral("Continuar"));
    } else {
        // Every other answer of three different values is in the table.
        const auto fallo = std::find_if(kFallos.begin(), kFallos.end(), [&](const Fallo &f) { return f.respuesta == v; });
        for (std::size_t i = 0; i < 3; ++i)
            m_marca[i]->pon(fallo->marcas[i]);
        MuestraError("", fallo->error);
    }
    vaciaCajas();
    for (MarcaAcierto *m : m_marca)
        m->hide();
    if (!acierto)
        m_caja[1]->Caja()->setFocus();
}

void frmIdentifica::CmdOtroI_Click()
{
    if (!m_maquinaPropone)
        return;
    m_frame1->hide();
    for (MarcaAcierto *m : m_marca)
        m->hide();
    vaciaCajas();
    PreparaCurvas();
    DibujaCurvas();
    m_cmdListo->Enabled(true);
    m_cmdCerrar->Caption(QStringLiteral("Cancelar"));
}

void frmIdentifica::CmdCerrar_Click()
{
    sale();
}
