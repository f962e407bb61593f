#include "frmPolical.h"

#include "AbridoresHub.h"
#include "CatalogoEjercicios.h"
#include "ColorRgb.h"
#include "GestorVentanas.h"
#include "Reinicio.h"
#include "SesionPolinomio.h"
#include "VentanaMadre.h"
#include "frmDoyPoli.h"
#include "frmGrafica2.h"
#include "frmHistoria.h"
#include "frmZoom.h"
#include "frmpidepoli.h"

#include "Globales.h"
#include "ModCadena.h"
#include "GraficaConcepto.h"
#include "ModCalculos.h"
#include "dibujo.h"
#include "generapoli.h"
#include "modTexto.h"

#include "Entero16.h"
#include "Azar.h"
#include "QBColor.h"

#include "PictureEjes.h"
#include "RichTextBox.h"
#include "Twips.h"
#include "Usc.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <utility>


namespace {
using plataforma::TwipsAPixeles;

struct OpcionConcepto {
    const char *caption;
    bool derecha;
    int arriba; // twips
};
// The thirteen concepts in the concept order, in two columns.
const OpcionConcepto kOpciones[NumConceptos] = {
    {"Raíces", false, 600},
    {"Signo de la función", false, 1200},
    {"Paridad", false, 1800},
    {"Extensión", false, 2400},
    {"1ª Derivada", false, 3000},
    {"Puntos Críticos", false, 3600},
    {"Monotonía", false, 4200},
    {"Clasificación de Puntos Críticos", true, 600},
    {"2ª Derivada", true, 1300},
    {"Puntos de  Inflexión", true, 1900},
    {"Concavidad", true, 2600},
    {"Rango", true, 4200},
    {"Máximos y Mínimos Absolutos", true, 3400},
};

// The hub's toolbar: help, support, book, about and exit.
const std::array<bool, 10> kBarraHub = ContextoVentana::Barra({true, true, true, false, true, true, false, false});

frmGrafica2 *Grafica()
{
    return GestorVentanas::instancia().existente<frmGrafica2>();
}

} // namespace

frmPolical::frmPolical()
{
    setWindowTitle(QStringLiteral("Quorvane"));
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    // The five menus do not fit the panel's width in one row: two rows.
    auto *menus = new QWidget(this);
    auto *filas = new QVBoxLayout(menus);
    filas->setContentsMargins(0, 0, 0, 0);
    filas->setSpacing(0);
    m_barra = new QMenuBar(menus);
    m_barra2 = new QMenuBar(menus);
    filas->addWidget(m_barra);
    filas->addWidget(m_barra2);
    capa->setMenuBar(menus);
    auto *cuerpo = new QWidget(this);
    capa->addWidget(cuerpo, 1);
    creaMenus();

    m_fraTitulo = new QGroupBox(QStringLiteral("Función por analizar"), cuerpo);
    m_fraTitulo->setObjectName(QStringLiteral("fraTitulo"));
    m_lbldaspoli = new QLabel(QStringLiteral("P(x) ="), m_fraTitulo);
    QFont negrita = m_lbldaspoli->font();
    negrita.setBold(true);
    negrita.setPointSize(10);
    m_lbldaspoli->setFont(negrita);
    m_rtfDasPoli2 = new RichTextBox(m_fraTitulo);
    m_rtfDasPoli2->setObjectName(QStringLiteral("RtfDasPoli2"));
    m_rtfDasPoli2->SetLocked(true);
    m_rtfDasPoli2->SetMuestraPolinomio(true);

    m_ucMarcoMedio = new QFrame(cuerpo);
    m_ucMarcoMedio->setObjectName(QStringLiteral("UCMarcoMedio"));
    m_ucMarcoMedio->setFrameShape(QFrame::Panel);
    m_ucMarcoMedio->setFrameShadow(QFrame::Raised);
    m_ucMarcoMedio->setLineWidth(3);
    m_fraConceptos = new QFrame(m_ucMarcoMedio);
    m_fraConceptos->setObjectName(QStringLiteral("FraConceptos"));
    m_lblconceptos1 = new QLabel(QStringLiteral("Elige el concepto que deseas resolver:"), m_fraConceptos);
    m_lblconceptos1->setWordWrap(true);
    m_lblconceptos1->setFont(negrita);
    for (int k = 0; k < NumConceptos; ++k) {
        auto *opcion = new QRadioButton(QString::fromUtf8(kOpciones[k].caption), m_fraConceptos);
        opcion->setObjectName(QStringLiteral("OptCalcConcepto%1").arg(k));
        // Unselecting is the program's doing, so the options are not exclusive by themselves.
        opcion->setAutoExclusive(false);
        connect(opcion, &QRadioButton::clicked, this, [this, k] { OptCalcConcepto_Click(k); });
        m_lista.agrega(k, opcion);
    }
    m_cmdCancelar = new Usc(m_fraConceptos);
    m_cmdCancelar->Caption(QStringLiteral("Cancelar"));
    m_cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
    m_cmdGraficar = new Usc(m_fraConceptos);
    m_cmdGraficar->Caption(QStringLiteral("Graficar"));
    m_cmdGraficar->setObjectName(QStringLiteral("CmdGraficar"));
    connect(m_cmdGraficar, &Usc::Click, this, [this](int) { CmdGraficar_Click(); });

    m_lblProductName = new QLabel(QStringLiteral("Quorvane"), cuerpo);
    QFont producto(QStringLiteral("DejaVu Serif"));
    producto.setPointSize(26);
    producto.setBold(true);
    m_lblProductName->setFont(producto);
    m_lblProductName->setStyleSheet(QStringLiteral("color: #000080"));
    m_lblLogo2 = new QLabel(QStringLiteral("Cálculo diferencial de polinomios"), cuerpo);
    QFont logo(QStringLiteral("DejaVu Serif"));
    logo.setPointSize(14);
    logo.setItalic(true);
    m_lblLogo2->setFont(logo);
    m_lblLogo2->setStyleSheet(QStringLiteral("color: #008080"));
    m_lblProductName->adjustSize();
    m_lblLogo2->adjustSize();
}

void frmPolical::creaMenus()
{
    auto entrada = [](QMenu *menu, const char *nombre, const char *caption) {
        QAction *a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(nombre));
        return a;
    };
    auto superior = [this](const char *nombre, const char *caption) {
        QMenuBar *fila = m_barra->actions().size() < 2 ? m_barra : m_barra2;
        QMenu *m = fila->addMenu(QString::fromUtf8(caption));
        m->menuAction()->setObjectName(QString::fromLatin1(nombre));
        return m;
    };

    QMenu *propo = superior("mnuSePropoPoli", "&Trabajar con un polinomio propuesto");
    m_mnuSePropoPoli = propo->menuAction();
    m_mnutupropo = entrada(propo, "mnutupropo", "El &usuario propone un polinomio");
    QMenu *genera = propo->addMenu(QStringLiteral("&Quorvane  genera el polinomio"));
    m_mnuPolicalPropo = genera->menuAction();
    m_mnuPolicalPropo->setObjectName(QStringLiteral("mnuPolicalPropo"));
    m_mnuTuEliges = entrada(genera, "mnuTuEliges", "El &usuario elige las cualidades del polinomio");
    m_mnuPolicalElige = entrada(genera, "mnuPolicalElige", "&Quorvane elige las cualidades del polinomio");

    QMenu *grafica = superior("mnuMenuConPoli", "&Graficar un polinomio");
    m_mnuMenuConPoli = grafica->menuAction();
    m_mnuConsGraf = entrada(grafica, "mnuConsGraf", "El usuario construye la gráfica");
    m_mnuGrafyCuali = entrada(grafica, "mnuGrafyCuali", "Ver Gráfica y cualidades");

    QMenu *inversos = superior("mnuSinPoli", "Problemas &inversos");
    m_mnuSinPoli = inversos->menuAction();
    m_mnuConceptos = entrada(inversos, "mnuConceptos", "&Construir un polinomio con base en sus características");
    QMenu *identifica = inversos->addMenu(QStringLiteral("&Identificar características de un polinomio"));
    m_mnuIdentCarac = identifica->menuAction();
    m_mnuIdentCarac->setObjectName(QStringLiteral("mnuIdentCarac"));
    m_mnuDoyGrafiPoli = entrada(identifica, "mnuDoyGrafiPoli", "Por su &gráfica y tabulación");
    m_mnuGrafiDeri = entrada(identifica, "mnuGrafiDeri", "Por la gráfica de su &derivada y tabulación");

    QMenu *otros = superior("mnuProbDiver", "&Otros Problemas");
    m_mnuProbDiver = otros->menuAction();
    m_mnuIdentificoGrafis = entrada(otros, "mnuIdentificoGrafis", "&Identificar las gráficas de f, f' y f''");
    m_mnuRectang = entrada(otros, "mnuRectang", "Recta &tangente a la gráfica de un polinomio");
    m_mnuRectaNormal = entrada(otros, "mnuRectaNormal", "Recta &normal a la gráfica de un polinomio");

    QMenu *salida = superior("mnupoliadios", "&Salida");
    m_mnupoliadios = salida->menuAction();
    m_mnuRegInicio = entrada(salida, "mnuRegInicio", "Regresar a &Inicio");
    m_mnuRegNuevoPoli = entrada(salida, "mnuRegNuevoPoli", "Regresar a proponer un &polinomio");

    interruptor(m_mnuMenuConPoli, false);

    connect(m_mnutupropo, &QAction::triggered, this, &frmPolical::mnutupropo_Click);
    connect(m_mnuTuEliges, &QAction::triggered, this, &frmPolical::mnuTuEliges_Click);
    connect(m_mnuPolicalElige, &QAction::triggered, this, &frmPolical::mnuPolicalElige_Click);
    connect(m_mnuConsGraf, &QAction::triggered, this, &frmPolical::mnuConsGraf_Click);
    connect(m_mnuGrafyCuali, &QAction::triggered, this, &frmPolical::mnuGrafyCuali_Click);
    connect(m_mnuRegInicio, &QAction::triggered, this, &frmPolical::mnuRegInicio_Click);
    connect(m_mnuRegNuevoPoli, &QAction::triggered, this, &frmPolical::mnuRegNuevoPoli_Click);

    // Windows of other parts of the program: available once they register.
    for (QAction *a : {m_mnuGrafyCuali, m_mnuConceptos, m_mnuDoyGrafiPoli, m_mnuGrafiDeri, m_mnuIdentificoGrafis,
                       m_mnuRectang, m_mnuRectaNormal}) {
        if (a == m_mnuGrafyCuali)
            a->setEnabled(HayAbridorHub(QStringLiteral("frmHistoria")));
        else {
            a->setEnabled(HayAbridorHub(a->objectName()));
            connect(a, &QAction::triggered, this, [this, a] { abreOtraVentana(a->objectName()); });
        }
    }
}

QRadioButton *frmPolical::OptCalcConcepto(int k) const
{
    return m_lista.opcion(k);
}

void frmPolical::interruptor(QAction *menu, bool encendido)
{
    if (menu)
        menu->setEnabled(encendido);
}

void frmPolical::alCargar()
{
    coloca(0, 0, AnchoPanel, AltoUtil);
    distribuye();
    m_fraTitulo->hide();
    m_ucMarcoMedio->hide();
    m_fraConceptos->hide();
    interruptor(m_mnuRegNuevoPoli, false);
    EstadoBarra = kBarraHub;
    m_contexto.ayuda = 3;
    m_contexto.apoyo = 1;
    m_contexto.barra = kBarraHub;
    m_contexto.titulo = "Quorvane: Proponer una sesión";
    m_contexto.entra();
}

void frmPolical::resizeEvent(QResizeEvent *evento)
{
    VentanaBase::resizeEvent(evento);
    distribuye();
}

void frmPolical::distribuye()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int ancho = width();
    m_fraTitulo->setGeometry(0, 0, std::max(1, ancho - T(50)), T(1000));
    m_lbldaspoli->setGeometry(T(50), T(380), T(660), T(400));
    m_rtfDasPoli2->setGeometry(T(720), T(300), std::max(1, m_fraTitulo->width() - m_lbldaspoli->width() - T(120)),
                               T(560));
    m_ucMarcoMedio->setGeometry(0, m_fraTitulo->height(), std::max(1, ancho - T(100)), T(6200));
    m_fraConceptos->setGeometry(T(120), T(100), std::max(1, m_ucMarcoMedio->width() - T(220)),
                                m_ucMarcoMedio->height() - T(200));
    m_lblconceptos1->setGeometry(T(120), T(60), m_fraConceptos->width() - T(240), T(480));
    // Every caption on one line: the right column moves out on a wide panel
    // and in on a narrow one, and the font shrinks when even that is short.
    const int panel = m_fraConceptos->width();
    const int izquierda = T(360);
    const int hueco = T(120);
    QFont fuente = m_fraConceptos->font();
    QRadioButton *muestra = OptCalcConcepto(0);
    const int marca = muestra->sizeHint().width() - muestra->fontMetrics().horizontalAdvance(muestra->text()) + 2;
    int derecha = 0;
    int anchoDerecha = 0;
    for (;;) {
        const QFontMetrics medida(fuente);
        int anchoIzquierda = 0;
        anchoDerecha = 0;
        for (int k = 0; k < NumConceptos; ++k) {
            const int ancho = medida.horizontalAdvance(OptCalcConcepto(k)->text()) + marca;
            int &columna = kOpciones[k].derecha ? anchoDerecha : anchoIzquierda;
            columna = std::max(columna, ancho);
        }
        derecha = std::min(std::max(T(2400), panel / 2 - T(60)), panel - anchoDerecha - T(60));
        if (izquierda + anchoIzquierda + hueco <= derecha || fuente.pointSizeF() <= 7)
            break;
        fuente.setPointSizeF(fuente.pointSizeF() - 0.5);
    }
    for (int k = 0; k < NumConceptos; ++k) {
        QRadioButton *o = OptCalcConcepto(k);
        o->setFont(fuente);
        const int x = kOpciones[k].derecha ? derecha : izquierda;
        const int ancho = kOpciones[k].derecha ? panel - derecha - T(60) : derecha - hueco - izquierda;
        o->setGeometry(x, T(kOpciones[k].arriba), std::max(1, ancho), T(400));
    }
    m_cmdCancelar->setGeometry(T(600), T(5000), T(1300), T(450));
    m_cmdGraficar->setGeometry(T(2600), T(5000), T(1300), T(450));
}

void frmPolical::MuestraLogos()
{
    m_lblProductName->move(TwipsAPixeles(700), TwipsAPixeles(2400));
    m_lblLogo2->move(TwipsAPixeles(150), TwipsAPixeles(3800));
    m_lblProductName->show();
    m_lblLogo2->show();
}

void frmPolical::AlFrente()
{
    GestorVentanas::instancia().muestra(this);
}

void frmPolical::PoneAyuda(std::int16_t ayuda, std::int16_t apoyo)
{
    m_contexto.ayuda = ayuda;
    m_contexto.apoyo = apoyo;
    NumAyuda = ayuda;
    NumApoyo = apoyo;
}

void frmPolical::PoneTitulo(const std::string &titulo)
{
    m_contexto.titulo = titulo;
    m_contexto.aplica();
}

void frmPolical::alActivar()
{
    ModoGrafCualidades = false;
    if (m_ucMarcoMedio->isHidden()) {
        if (PoliDado && PoliActual) {
            MuestraPolinomio();
        } else {
            interruptor(m_mnuSinPoli, true);
            interruptor(m_mnuSePropoPoli, true);
            interruptor(m_mnuProbDiver, true);
        }
    }
    ponZoom(m_graficaDeP);
    m_contexto.aplica();

    if (QRadioButton *opcion = OptCalcConcepto(m_ultimaOpcion)) {
        if (ConceptoResuelto[static_cast<std::size_t>(m_ultimaOpcion)]) {
            opcion->setEnabled(false);
            m_cmdGraficar->Enabled(true);
        }
        opcion->setChecked(false);
    }
    if (m_cmdCancelar->isVisible())
        m_cmdCancelar->setFocus();
    CompruebaTodoResuelto();

    const std::uint8_t accion = AccionPendiente;
    if (accion == 2 || accion == 3 || accion == 4) {
        AccionPendiente = 0;
        ejecutaAccion(accion);
    }
}

FaltaHub frmPolical::PideAccion(std::uint8_t n)
{
    const FaltaHub falta = faltaPara(n);
    if (falta != FaltaHub::Nada)
        return falta;
    if (GestorVentanas::instancia().actual() == this)
        ejecutaAccion(n);
    else
        AccionPendiente = n;
    return FaltaHub::Nada;
}

void frmPolical::ejecutaAccion(std::uint8_t n)
{
    // Asked for earlier: the hub may have moved on since.
    if (!accionDisponible(n))
        return;
    if (n == 2)
        mnuTuEliges_Click();
    else if (n == 3)
        mnuConsGraf_Click();
    else if (n == 4)
        mnuGrafyCuali_Click();
}

bool frmPolical::accionDisponible(std::uint8_t n) const
{
    // The action as the student would reach it: every menu on the way on.
    auto encendidos = [](std::initializer_list<const QAction *> menus) {
        for (const QAction *m : menus)
            if (!m || !m->isEnabled())
                return false;
        return true;
    };
    if (n == 2)
        return encendidos({m_mnuSePropoPoli, m_mnuPolicalPropo, m_mnuTuEliges});
    if (n == 3)
        return PoliActual && encendidos({m_mnuMenuConPoli, m_mnuConsGraf});
    if (n == 4)
        return PoliActual && encendidos({m_mnuMenuConPoli, m_mnuGrafyCuali});
    return false;
}

FaltaHub frmPolical::faltaPara(std::uint8_t n) const
{
    if (accionDisponible(n))
        return FaltaHub::Nada;
    auto &gestor = GestorVentanas::instancia();
    if (!m_ucMarcoMedio->isHidden())
        return FaltaHub::Construccion;
    if (const frmHistoria *h = gestor.existente<frmHistoria>(); h && h->resumen())
        return FaltaHub::Resumen;
    if (gestor.existente<frmDoyPoli>() || gestor.existente<frmpidepoli>())
        return FaltaHub::DandoPolinomio;
    for (VentanaBase *v : gestor.cargadas())
        if (v != this && v != Grafica() && v->lugar() == Lugar::AreaTrabajo)
            return FaltaHub::Ventana;
    if (PoliDado && PoliActual)
        return FaltaHub::OtroPolinomio;
    return FaltaHub::Polinomio;
}

void frmPolical::PoneEstadoMenus(EstadoHub estado)
{
    struct Menus {
        bool sePropoPoli, menuConPoli, sinPoli, probDiver, poliadios, regNuevoPoli;
    };
    Menus m{};
    switch (estado) {
    case EstadoHub::Eligiendo:
        m = {true, false, true, true, true, false};
        break;
    case EstadoHub::Elegido:
        m = {false, true, false, false, true, true};
        break;
    case EstadoHub::Construccion:
        m = {false, false, false, false, true, true};
        break;
    case EstadoHub::CaminoAbierto:
        m = {false, false, false, false, true, m_mnuRegNuevoPoli->isEnabled()};
        break;
    case EstadoHub::Proponiendo:
        m = {false, false, false, false, true, true};
        break;
    case EstadoHub::AOrden:
        m = {false, false, m_mnuSinPoli->isEnabled(), false, false, m_mnuRegNuevoPoli->isEnabled()};
        break;
    }
    interruptor(m_mnuSePropoPoli, m.sePropoPoli);
    interruptor(m_mnuMenuConPoli, m.menuConPoli);
    interruptor(m_mnuSinPoli, m.sinPoli);
    interruptor(m_mnuProbDiver, m.probDiver);
    interruptor(m_mnupoliadios, m.poliadios);
    interruptor(m_mnuRegNuevoPoli, m.regNuevoPoli);
    // "Regresar a &Inicio" is always there while the hub is.
    interruptor(m_mnuRegInicio, true);
}

void frmPolical::MuestraPolinomio()
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    m_fraTitulo->show();
    m_rtfDasPoli2->show();
    m_lbldaspoli->show();
    interruptor(m_mnuMenuConPoli, true);
    PoliActual->Polin()->Despliega(*m_rtfDasPoli2, "");
    m_rtfDasPoli2->SetSelStart(1);
    // A polynomial given: its help. The zoom waits for its graph.
    m_contexto.ayuda = 7;
    m_contexto.apoyo = 5;
}

void frmPolical::ponZoom(bool graficaDeP)
{
    m_graficaDeP = graficaDeP;
    frmGrafica2 *g = Grafica();
    m_contexto.barra[8] = graficaDeP && g && !g->picejGraf().isHidden();
}

void frmPolical::OptCalcConcepto_Click(int k)
{
    m_lista.DesmarcaOpciones();
    if (QRadioButton *o = OptCalcConcepto(k))
        o->setChecked(true);
    AbreEjercicio(k, Camino::Analitico, m_lista);
    m_ultimaOpcion = k;
}

void frmPolical::CompruebaTodoResuelto()
{
    for (bool resuelto : ConceptoResuelto)
        if (!resuelto)
            return;
    if (frmGrafica2 *g = Grafica(); g && PoliActual)
        GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(3), 13);
    m_lblconceptos1->setText(QString::fromStdString(TextoInstrucciones(63, "")));
    m_cmdGraficar->Enabled(false);
    ponZoom(true);
    m_contexto.aplica();
}

void frmPolical::MarcaConceptosResueltos()
{
    frmGrafica2 *g = Grafica();
    if (!g || !PoliActual)
        return;
    g->fraGrafiConcepto()->hide();
    g->picejGraf().Limpia();
    MuestraEscalaEjes(*PoliActual);
    if (ConceptoResuelto[0] && PoliActual->Cuenta(0) > 0)
        for (const RaizPtr &r : *PoliActual)
            if (r->tipopol() == 0)
                MarcaAbscisas(r->Raiz(), 0, 5, false, Rgb(0, 255, 0));
    if (ConceptoResuelto[5]) {
        const ResultadoRaices criticos = RaicesDistintas(*PoliActual);
        for (double x : criticos.raices)
            MarcaAbscisas(x, PoliActual->Polin()->Eval(x), 5, false, Rgb(0, 0, 255));
    }
}

void frmPolical::CmdGraficar_Click()
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    const Collpolinomio &p = *PoliActual->Polin();
    const PoliPtr q = PoliConcepto(ConceptoActual, p, *PoliActual->Polder1());
    bool once = true;
    for (int i = 0; i <= 10; ++i)
        once = once && ConceptoResuelto[static_cast<std::size_t>(i)];
    frmGrafica2 *g = Grafica();
    if (once) {
        if (g)
            GraficaPolinomio(p, g->picejGraf(), rt::QBColor(3), 13);
        m_lblconceptos1->setText(QString::fromStdString(TextoInstrucciones(64, "")));
        m_cmdGraficar->Enabled(false);
        ponZoom(true);
    } else {
        if (g) {
            GraficaPolinomio(*q, g->picejGraf(), rt::QBColor(1), 13);
            q->Despliega(*g->RtfDasPoli2(), "");
            g->MuestraGrafiConcepto(6600, 0);
        }
        if (const std::int16_t n = MensajeConcepto(ConceptoActual))
            MuestraError("", n);
        MarcaConceptosResueltos();
    }
    // Stays on the hub's own context: no push of its own at every press,
    // and the caption still names the construction.
    m_contexto.barra[4] = false;
    EstadoBarra[4] = false;
    m_contexto.ayuda = 3;
    m_contexto.apoyo = 1;
    m_contexto.aplica();
}

void frmPolical::abreOtraVentana(const QString &menu)
{
    AbreDesdeHub(menu);
}

void frmPolical::mnutupropo_Click()
{
    PoneEstadoMenus(EstadoHub::Proponiendo);
    HabilitaMenusMadre(false);
    AbrePidePoli()(*this);
}

void frmPolical::recibePolinomio(const PoliPtr &p)
{
    // Shown, with its menus, when the hub is in front again.
    TomaPoliActual(p);
}

void frmPolical::sinPolinomio()
{
    PoneEstadoMenus(EstadoHub::Eligiendo);
}

void frmPolical::mnuTuEliges_Click()
{
    auto &gestor = GestorVentanas::instancia();
    auto *w = gestor.ventana<frmDoyPoli>();
    gestor.muestra(w);
}

void frmPolical::mnuPolicalElige_Click()
{
    const auto a = static_cast<std::int16_t>(rt::Int(10 * rt::Rnd() + 1));
    const auto b = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
    const auto c = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
    m_rtfDasPoli2->show();
    m_lbldaspoli->show();
    DamePolinomioProblema(a, b, c);
    m_fraTitulo->show();
    m_lblProductName->hide();
    m_lblLogo2->hide();
    TomaPoliActual(PoliAzar);
    MuestraPolinomio();
    PoneEstadoMenus(EstadoHub::Elegido);
    PoneAyuda(7, 5);
    PoneTitulo("Quorvane: Construir gráfica");
}

void frmPolical::mnuConsGraf_Click()
{
    if (!PoliActual)
        return;
    PoneEstadoMenus(EstadoHub::Construccion);
    m_cmdGraficar->Enabled(false);
    m_fraConceptos->show();
    m_ucMarcoMedio->show();
    m_lblProductName->hide();
    m_lblLogo2->hide();

    if (frmGrafica2 *g = Grafica()) {
        // The graph is the secret of the game: no curve, no read-out of P.
        g->RecorreGraf(false);
        g->MuestraGrafica();
        g->fraGrafiConcepto()->hide();
        g->picejGraf().Limpia();
        g->Picejegraf2().Limpia();
        g->PicejeGraf3().Limpia();
        MuestraEscalaEjes(*PoliActual);

        DibujaLeyendaCurvas();
    }

    m_lblconceptos1->setText(QStringLiteral("Elige el concepto que deseas resolver:"));
    ConceptoResuelto.fill(false);
    m_lista.restablece([](int k) { return HayEjercicio(k); });
    // No curve to look at closer while the graph is being built.
    ponZoom(false);
    // The caption comes back when the construction is left.
    if (!m_tituloElegido)
        m_tituloElegido = m_contexto.titulo;
    PoneTitulo("Quorvane: Construye gráfica");
}

void frmPolical::cmdCancelar_Click()
{
    // The construction's exercises go with it, each popping its context.
    CierraEjerciciosDe(m_lista);
    m_fraConceptos->hide();
    MuestraLogos();
    m_ucMarcoMedio->hide();
    PoneEstadoMenus(EstadoHub::Elegido);
    if (frmGrafica2 *g = Grafica())
        g->RestauraDiseno();
    ConceptoResuelto.fill(false);
    ConceptoActual = 0;
    ponZoom(false);
    // The hub's own caption again, not the construction's.
    if (m_tituloElegido)
        m_contexto.titulo = *std::exchange(m_tituloElegido, std::nullopt);
    m_contexto.aplica();
}

void frmPolical::mnuGrafyCuali_Click()
{
    if (!PoliActual)
        return;
    interruptor(m_mnuMenuConPoli, false);
    interruptor(m_mnupoliadios, false);
    if (frmGrafica2 *g = Grafica()) {
        g->MuestraGrafica();
        MuestraEscalaEjes(*PoliActual);
        GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(1), 13);
    }
    ponZoom(true);
    m_contexto.aplica();
    // The summary shows every concept by itself: the student's flags stay.
    ModoGrafCualidades = true;
    AbreDesdeHub(QStringLiteral("frmHistoria"));
}

bool frmPolical::alPedirDescarga()
{
    mnuRegInicio_Click();
    return false;
}

void frmPolical::alDescargar()
{
    CierraEjerciciosDe(m_lista);
    // A report on this hub's polynomial goes with it, its context popped first.
    GestorVentanas::instancia().descarga<frmHistoria>();
    m_contexto.sale();
}

void frmPolical::mnuRegInicio_Click()
{
    RegresaAlInicio(true);
}

void frmPolical::mnuRegNuevoPoli_Click()
{
    auto &gestor = GestorVentanas::instancia();
    frmZoom::Descarga(); // it would zoom on a polynomial that is gone
    gestor.descarga(this);
    PoliDado = false;
    PoliActual.reset();

    frmPolical *nuevo = gestor.ventana<frmPolical>();
    gestor.muestra(nuevo);
    nuevo->alActivar();
    nuevo->m_fraTitulo->hide();
    nuevo->m_rtfDasPoli2->clear();
    interruptor(nuevo->m_mnuMenuConPoli, false);
    interruptor(nuevo->m_mnuRegNuevoPoli, false);
    nuevo->MuestraLogos();
    if (frmGrafica2 *g = Grafica())
        g->RestauraDiseno();
    ConceptoActual = 0;
}

void frmPolical::OtroPolinomio()
{
    auto &gestor = GestorVentanas::instancia();
    frmZoom::Descarga();
    gestor.descarga<frmPolical>();
    gestor.descarga<frmGrafica2>();
    PoliDado = false;
    PoliActual.reset();

    frmGrafica2 *grafica = gestor.ventana<frmGrafica2>();
    gestor.muestra(grafica);
    grafica->RestauraDiseno();
    frmPolical *hub = gestor.ventana<frmPolical>();
    gestor.muestra(hub);
    hub->alActivar();
    hub->m_fraTitulo->hide();
    hub->m_rtfDasPoli2->clear();
    hub->m_fraConceptos->hide();
    hub->MuestraLogos();
    // Waiting for a polynomial, with the way back to proposing one on.
    interruptor(hub->m_mnuMenuConPoli, false);
    interruptor(hub->m_mnuRegNuevoPoli, true);
}
