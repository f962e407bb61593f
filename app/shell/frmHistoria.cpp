#include "frmHistoria.h"

#include "BotonVentana.h"
#include "GestorVentanas.h"
#include "HubSesion.h"

#include "CalculoAparte.h"
#include "ExpresionRtf.h"
#include "Globales.h"
#include "Historia.h"
#include "RutaPrograma.h"
#include "TextosHistoria.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"

#include "RichTextBox.h"
#include "Twips.h"
#include "Usc.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace {
using plataforma::TwipsAPixeles;

constexpr int kPestanaSalida = 13;

// Where the two openings put the report, in the work area's pixels.
constexpr int kIzquierdaPasado = 400;
constexpr int kArribaPasado = 90;
constexpr int kIzquierdaResumen = 5;
constexpr int kArribaResumen = 170;

// The report's own pictures of "lím P(x) =" with "x → hacia" under "lím".
QPixmap FiguraLimite(const QString &hacia)
{
    QFont letra(QStringLiteral("Serif"), 12);
    QFont chica(QStringLiteral("Serif"), 8);
    const QFontMetrics ml(letra);
    const QFontMetrics mc(chica);
    const QString lim = QStringLiteral("lím");
    const QString abajo = QStringLiteral("x→") + hacia;
    const QString resto = QStringLiteral(" P(x) =");
    const int anchoLim = std::max(ml.horizontalAdvance(lim), mc.horizontalAdvance(abajo));
    const int ancho = anchoLim + ml.horizontalAdvance(resto) + 4;
    const int alto = ml.height() + mc.height() + 2;
    QPixmap figura(ancho, alto);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setPen(QColor(0, 0, 128));
    p.setFont(letra);
    p.drawText(QRect(0, 0, anchoLim, ml.height()), Qt::AlignHCenter, lim);
    p.drawText(anchoLim, ml.ascent(), resto);
    p.setFont(chica);
    p.drawText(QRect(0, ml.height(), anchoLim, mc.height()), Qt::AlignHCenter, abajo);
    return figura;
}

QLabel *Rotulo(QWidget *padre, const QString &nombre)
{
    auto *l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setWordWrap(true);
    return l;
}

// The result boxes RtbHisto1 are numbered in concept order without the
// derivatives' (the limits' place, 3, is left unused).
int IndiceLista(int concepto)
{
    return concepto < 3 ? concepto : concepto < 8 ? concepto - 1 : concepto - 2;
}

// A heading stays on one line: where the frame is too narrow for it at the
// window's bold font, its letters are made smaller (a star alone on a second
// line reads as a fault).
void TituloEnUnaLinea(QLabel &titulo, const QFont &base, int ancho)
{
    QFont f = base;
    f.setBold(true);
    f.setPointSizeF(QFontInfo(f).pointSizeF());
    constexpr double PuntosMinimos = 7;
    while (QFontMetrics(f).horizontalAdvance(titulo.text()) > ancho && f.pointSizeF() > PuntosMinimos)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    titulo.setFont(f);
}

RichTextBox *Caja(QWidget *padre, const QString &nombre)
{
    auto *c = new RichTextBox(padre);
    c->setObjectName(nombre);
    c->SetLocked(true);
    return c;
}
} // namespace

frmHistoria::frmHistoria()
{
    setWindowFlags(Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_menu = new QMenuBar(this);
    m_mnuSalidaGrafYConce = m_menu->addAction(QStringLiteral("&Regresar"));
    m_mnuSalidaGrafYConce->setObjectName(QStringLiteral("mnuSalidaGrafYConce"));
    connect(m_mnuSalidaGrafYConce, &QAction::triggered, this, &frmHistoria::cmdCancelar_Click);

    m_sstabHistoria = new QTabWidget(this);
    m_sstabHistoria->setObjectName(QStringLiteral("sstabHistoria"));
    m_sstabHistoria->setUsesScrollButtons(true);

    const char *pestanas[13][2] = {
        {"Raíces Reales", "* * * RAICES REALES DE P(X) * * *"},
        {"Signo", "* * * INTERVALOS DE SIGNO DE LA FUNCION * * *"},
        {"Paridad", "* * * PARIDAD DE LA FUNCION * * *"},
        {"Extensión", "* * * EXTENSION DE LA FUNCION * * *"},
        {"1ª Derivada", "* * * PRIMERA DERIVADA * * *"},
        {"Puntos Críticos", "* * * PUNTOS CRITICOS * * *"},
        {"Monotonía", "* * * MONOTONIA DEL POLINOMIO * * *"},
        {"Tipo de Crítico", "* * * CLASIFICACION DE LOS PUNTOS CRITICOS * * *"},
        {"2ª Derivada", "* * * SEGUNDA DERIVADA * * *"},
        {"Puntos de Inflexión", "* * * PUNTOS DE INFLEXION * * *"},
        {"Concavidad", "* * * INTERVALOS DE CONCAVIDAD * * *"},
        {"Rango", "* * * RANGO DEL POLINOMIO P(X) * * *"},
        {"Extremos Absolutos", "* * * MAXIMOS Y MINIMOS ABSOLUTOS DEL POLINOMIO * * *"},
    };
    for (int k = 0; k < 13; ++k) {
        QFrame *marco = creaPestana(k, QString::fromUtf8(pestanas[k][0]), QString::fromUtf8(pestanas[k][1]));
        if (k == 3) {
            for (int i = 0; i < 4; ++i) {
                m_imext[static_cast<std::size_t>(i)] = Rotulo(marco, QStringLiteral("Imext%1").arg(i));
                m_imext[static_cast<std::size_t>(i)]->setWordWrap(false);
            }
            m_imext[0]->setPixmap(FiguraLimite(QStringLiteral("−∞")));
            m_imext[1]->setPixmap(FiguraLimite(QStringLiteral("∞")));
        } else if (k == 4 || k == 8) {
            const int i = k == 4 ? 0 : 1;
            m_lblHisto3[static_cast<std::size_t>(i)] =
                Rotulo(marco, QStringLiteral("LblHisto3%1").arg(i));
            m_lblHisto3[static_cast<std::size_t>(i)]->setText(i == 0 ? QStringLiteral(" P'(x) =")
                                                                    : QStringLiteral("P''(x) ="));
            m_rtbHisto[static_cast<std::size_t>(i)] = Caja(marco, QStringLiteral("RtbHisto%1").arg(i));
        } else {
            const int i = IndiceLista(k);
            m_rtbHisto1[static_cast<std::size_t>(i)] = Caja(marco, QStringLiteral("RtbHisto1%1").arg(i));
        }
    }

    auto *salida = new QWidget;
    m_label3 = Rotulo(salida, QStringLiteral("Label3"));
    m_label3->setText(QStringLiteral("Si en efecto deseas abandonar esta sección y regresar al menú anterior oprime "
                                     "la tecla Regresar"));
    m_cmdCancelar = BotonVentana(QStringLiteral("Regresar"), QStringLiteral("cmdCancelar"), salida, 1500, 420);
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
    m_sstabHistoria->addTab(salida, QStringLiteral("Salida"));
}

QFrame *frmHistoria::creaPestana(int k, const QString &pestana, const QString &titulo)
{
    auto *pagina = new QWidget;
    auto *marco = new QFrame(pagina);
    marco->setObjectName(QStringLiteral("FraRaiHis%1").arg(k));
    marco->setFrameShape(QFrame::StyledPanel);
    QLabel *t = Rotulo(marco, QStringLiteral("LblHisto2%1").arg(k));
    t->setText(titulo);
    t->setAlignment(Qt::AlignHCenter);
    QFont negrita = t->font();
    negrita.setBold(true);
    t->setFont(negrita);
    m_lblHisto2[static_cast<std::size_t>(k)] = t;
    m_lblHistoria5[static_cast<std::size_t>(k)] = Rotulo(marco, QStringLiteral("LblHistoria5%1").arg(k));
    m_fraRaiHis[static_cast<std::size_t>(k)] = marco;
    m_sstabHistoria->addTab(pagina, pestana);
    return marco;
}

frmHistoria *frmHistoria::Existente()
{
    return GestorVentanas::instancia().existente<frmHistoria>();
}

frmHistoria *frmHistoria::AbreResueltos()
{
    return Abre(false, kIzquierdaPasado, kArribaPasado);
}

frmHistoria *frmHistoria::AbreResumen()
{
    return Abre(true, kIzquierdaResumen, kArribaResumen);
}

frmHistoria *frmHistoria::Abre(bool resumen, int izquierda, int arriba)
{
    if (!PoliActual || !PoliActual->Polin())
        return nullptr;
    auto &gestor = GestorVentanas::instancia();
    frmHistoria *w = gestor.existente<frmHistoria>();
    // The report is built as it loads: a report open in the other mode,
    // or one that may tell less than the flags now say, is made anew.
    if (w)
        gestor.descarga<frmHistoria>();
    w = gestor.ventana<frmHistoria>([resumen](frmHistoria &nueva) { nueva.m_resumen = resumen; });
    w->ponEn(izquierda, arriba, true);
    return w;
}

void frmHistoria::ApartaParaLibro()
{
    if (frmHistoria *w = Existente(); w && HistoriaAbierta)
        w->ponEn(kIzquierdaResumen, kArribaResumen, false);
}

void frmHistoria::ponEn(int izquierda, int arriba, bool sobreTodas)
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    // Changing the flag hides a shown window; the manager shows it again.
    setWindowFlag(Qt::WindowStaysOnTopHint, sobreTodas);
    // Its design height, as far as the work area has room below the point.
    int alto = m_altoDiseno;
    if (const QWidget *area = GestorVentanas::instancia().area())
        alto = std::min(alto, area->height() - arriba - T(400));
    resize(width(), std::max(alto, T(3000)));
    colocaSobreArea(izquierda, arriba);
    GestorVentanas::instancia().muestra(this);
}

void frmHistoria::alCargar()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    HistoriaAbierta = true;
    m_altoDiseno = std::max(AltoUtil - T(1400), T(3000));
    resize(AnchoPanel - T(50), m_altoDiseno);

    // Small tabs on an 800-pixel screen, where fourteen must fit.
    QFont fuente = m_sstabHistoria->tabBar()->font();
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    const int anchoPantalla = pantalla ? pantalla->geometry().width() : 1024;
    fuente.setPointSize(anchoPantalla >= 800 && anchoPantalla < 1024 ? 7 : 10);
    m_sstabHistoria->tabBar()->setFont(fuente);
    distribuye();

    if (m_resumen) {
        m_contexto.ayuda = 5;
        m_contexto.apoyo = 82;
        m_contexto.barra = ContextoVentana::Barra({true, true, true, false, true, false, false, true});
        m_contexto.titulo = "Quorvane: Muestra gráfica y conceptos";
    } else {
        m_contexto.ayuda = 10;
        m_contexto.apoyo = NumApoyo;
        m_contexto.barra = EstadoBarra;
        m_contexto.titulo = "Quorvane: Resolución de conceptos ";
    }
    setWindowTitle(QString::fromStdString(m_contexto.titulo).trimmed());
    m_contexto.entra();
    LlenaHistoria();
}

void frmHistoria::alActivar()
{
    m_contexto.aplica();
}

void frmHistoria::resizeEvent(QResizeEvent *evento)
{
    VentanaBase::resizeEvent(evento);
    distribuye();
}

void frmHistoria::distribuye()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int arriba = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, width(), arriba);
    const int ancho = std::max(AnchoPanel - T(200), T(3000));
    m_sstabHistoria->setGeometry(0, arriba, std::min(ancho, width()), height() - arriba);

    const QWidget *pagina = m_sstabHistoria->currentWidget();
    const int altoPagina = pagina ? pagina->height() : height() - arriba - T(400);
    const int anchoMarco = int(0.85 * m_sstabHistoria->width());
    const int altoMarco = std::max(altoPagina - T(240), T(2400));
    for (int k = 0; k < 13; ++k) {
        QFrame *marco = m_fraRaiHis[static_cast<std::size_t>(k)];
        marco->setGeometry((m_sstabHistoria->width() - anchoMarco) / 2, T(120), anchoMarco, altoMarco);
        LblHisto2(k)->setGeometry(0, T(120), anchoMarco, T(300));
        TituloEnUnaLinea(*LblHisto2(k), font(), anchoMarco - 2 * marco->frameWidth() - T(60));
        LblHistoria5(k)->setGeometry(T(60), T(480), anchoMarco - T(120), T(600));
    }
    const int arribaResultado = T(1140);
    const int altoResultado = altoMarco - arribaResultado - T(120);
    for (RichTextBox *c : m_rtbHisto1)
        if (c)
            c->setGeometry(T(50), arribaResultado, anchoMarco - T(100), altoResultado);
    for (int i = 0; i < 2; ++i) {
        QLabel *rotulo = LblHisto3(i);
        rotulo->setGeometry(T(50), arribaResultado, T(900), T(400));
        RtbHisto(i)->setGeometry(T(50) + rotulo->width(), arribaResultado, anchoMarco - rotulo->width() - T(100),
                                 T(900));
    }
    // Two rows: the limit at minus infinity, then at plus infinity.
    for (int fila = 0; fila < 2; ++fila) {
        QLabel *lim = Imext(fila);
        lim->adjustSize();
        const int y = arribaResultado + fila * T(900);
        lim->move(T(400), y);
        Imext(fila + 2)->setGeometry(T(400) + lim->width() + T(60), y, T(1200), lim->height());
    }
    m_label3->setGeometry(T(300), T(600), anchoMarco - T(600), T(900));
    m_cmdCancelar->move(T(300), T(1700));
}

RichTextBox *frmHistoria::caja(int concepto) const
{
    switch (concepto) {
    case 3:
        return nullptr;
    case 4:
        return RtbHisto(0);
    case 8:
        return RtbHisto(1);
    default:
        return RtbHisto1(IndiceLista(concepto));
    }
}

void frmHistoria::LlenaHistoria()
{
    std::array<bool, 13> resueltos{};
    for (std::size_t k = 0; k < resueltos.size(); ++k)
        resueltos[k] = m_resumen || ConceptoResuelto[k];
    // The whole analysis of a long polynomial takes a while: off the
    // window's thread, then shown.
    const FuncPolinPtr fp = PoliActual;
    const std::array<SeccionHistoria, 13> secciones = CalculaAparte([&] {
        std::array<SeccionHistoria, 13> s;
        for (std::size_t k = 0; k < s.size(); ++k)
            s[k] = SeccionDeHistoria(static_cast<int>(k), *fp, resueltos[k]);
        return s;
    });
    for (std::size_t k = 0; k < secciones.size(); ++k)
        llenaSeccion(static_cast<int>(k), secciones[k]);
}

void frmHistoria::llenaSeccion(int concepto, const SeccionHistoria &s)
{
    const bool resuelto = m_resumen || ConceptoResuelto[static_cast<std::size_t>(concepto)];
    QLabel *etiqueta = LblHistoria5(concepto);
    etiqueta->setText(QString::fromStdString(s.etiqueta));
    etiqueta->setVisible(s.conEtiqueta);

    RichTextBox *c = caja(concepto);
    if (!c) {
        if (resuelto)
            llenaLimites();
        return;
    }
    c->SetText("");
    c->setVisible(s.conResultado);
    if (!resuelto)
        return;
    if (concepto == 4 || concepto == 8) {
        const PoliPtr derivada = concepto == 4 ? PoliActual->Polder1() : PoliActual->Polder2();
        if (derivada)
            DespliegaPoliCaja(*derivada, *c);
        return;
    }
    if (concepto == 0 && !s.lista.empty()) {
        HistoriaCalculos(*c);
    } else if (!s.lista.empty()) {
        EscribeExpresionRtf(*c, "", 1);
        EscribeListaRtf(*c, s.lista);
    } else {
        c->SetText(s.texto);
    }
    // The next list in this box starts afresh.
    EscribeExpresionRtf(*c, "", 1);
    if (s.conInfinitos)
        PoneInfinitoRtf(*c);
}

void frmHistoria::llenaLimites()
{
    const auto limites = LimitesHistoria(*PoliActual);
    for (int i = 0; i < 2; ++i) {
        const LimiteHistoria &l = limites[static_cast<std::size_t>(i)];
        QLabel *valor = Imext(i + 2);
        QPixmap figura;
        if (!l.figura.empty())
            figura.load(QString::fromStdString(RutaPrograma("\\figura\\" + l.figura).string()));
        // A missing picture: its sign as text.
        if (figura.isNull())
            valor->setText(QString::fromStdString(l.texto));
        else
            valor->setPixmap(figura);
    }
}

void frmHistoria::cmdCancelar_Click()
{
    descarga();
}

void frmHistoria::alDescargar()
{
    if (m_resumen) {
        // The summary leaves the hub as it found it, and the graph idle.
        if (HubSesion *hub = HubAbierto())
            hub->PoneEstadoMenus(EstadoHub::Elegido);
        if (VentanaDibujo *grafica = VentanaGraficaActual())
            grafica->RestauraDiseno();
    }
    m_contexto.sale();
    HistoriaAbierta = false;
}
