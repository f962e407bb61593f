#include "frmMdiCalcDife.h"

#include "GestorVentanas.h"
#include "GuiaGenio.h"
#include "RegistroVentanas.h"
#include "Twips.h"
#include "frmAnuncio.h"
#include "frmLogo.h"
#include "frmPortada.h"

#include "CajaMensaje.h"
#include "EsperaModal.h"
#include "Globales.h"
#include "LlamadasVentana.h"
#include "Personaje.h"
#include "princip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

namespace {
struct BotonBarra {
    const char *clave;
    const char *tip;
    const char *texto;
    QStyle::StandardPixmap icono;
};
// Index 1..8 of the toolbar, in order.
const BotonBarra kBotones[] = {
    {"ayuda", "ayuda", "Ayuda", QStyle::SP_DialogHelpButton},
    {"apoyo", "Apoyo", "Apoyo", QStyle::SP_FileDialogInfoView},
    {"texto", "Libro de Texto", "Libro", QStyle::SP_FileDialogContentsView},
    {"calculadora", "Calculadora", "Calculadora", QStyle::SP_ComputerIcon},
    {"logo", "Acerca de ...", "Acerca de", QStyle::SP_MessageBoxInformation},
    {"adios", "Adiós", "Adiós", QStyle::SP_DialogCloseButton},
    {"pasado", "Historia", "Historia", QStyle::SP_FileDialogDetailedView},
    {"zoom", "Zoom", "Zoom", QStyle::SP_FileDialogListView},
};

// The frame's borders round the window's inside (all 0 while the window
// has no frame).
QMargins BordesDelMarco(const QWidget &w)
{
    const QRect marco = w.frameGeometry();
    const QRect dentro = w.geometry();
    return {dentro.left() - marco.left(), dentro.top() - marco.top(), marco.right() - dentro.right(),
            marco.bottom() - dentro.bottom()};
}
} // namespace

frmMdiCalcDife::frmMdiCalcDife(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quorvane"));
    m_area = new QMdiArea(this);
    m_area->setBackground(QColor(0xE6, 0xE8, 0xEC));
    setCentralWidget(m_area);
    m_guia = std::make_unique<GuiaGenio>(*this);
    creaMenus();
    creaBarra();
    GestorVentanas::instancia().fijaArea(m_area);
    RegistraVentanasPrograma(*this);
}

frmMdiCalcDife::~frmMdiCalcDife() = default;

void frmMdiCalcDife::creaMenus()
{
    m_mnuInicio = menuBar()->addMenu(QStringLiteral("&Inicio"));
    m_mnuInicio->setObjectName(QStringLiteral("mnuInicio"));
    m_mnuInicioAccion = m_mnuInicio->menuAction();
    m_mnuAyudante = m_mnuInicio->addAction(QStringLiteral("In&troducción"));
    m_mnuAyudante->setObjectName(QStringLiteral("mnuAyudante"));
    connect(m_mnuAyudante, &QAction::triggered, this, &frmMdiCalcDife::mnuAyudante_Click);
    m_mnupoli = m_mnuInicio->addAction(QStringLiteral("&Iniciar sesión en Quorvane"));
    m_mnupoli->setObjectName(QStringLiteral("mnupoli"));
    connect(m_mnupoli, &QAction::triggered, this, &frmMdiCalcDife::mnupoli_Click);

    m_mnuSalida = menuBar()->addAction(QStringLiteral("&Salida"));
    m_mnuSalida->setObjectName(QStringLiteral("mnuSalida"));
    m_mnuSalida->setShortcut(QKeySequence::Quit);
    connect(m_mnuSalida, &QAction::triggered, this, &frmMdiCalcDife::mnuSalida_Click);
}

void frmMdiCalcDife::creaBarra()
{
    m_tlbpoli = addToolBar(QStringLiteral("Tlbpoli"));
    m_tlbpoli->setObjectName(QStringLiteral("Tlbpoli"));
    m_tlbpoli->setMovable(false);
    m_tlbpoli->setFloatable(false);
    // The toolbar is always there: no menu to hide it.
    m_tlbpoli->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_tlbpoli->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_tlbpoli->setIconSize(QSize(24, 24));
    for (const BotonBarra &b : kBotones) {
        const QString clave = QString::fromLatin1(b.clave);
        QAction *a = m_tlbpoli->addAction(style()->standardIcon(b.icono), QString::fromUtf8(b.texto));
        a->setObjectName(clave);
        a->setToolTip(QString::fromUtf8(b.tip));
        a->setData(clave);
        connect(a, &QAction::triggered, this, [this, clave] { Tlbpoli_ButtonClick(clave); });
        m_botones.append(a);
    }
    botonPorClave(QStringLiteral("ayuda"))->setShortcut(QKeySequence::HelpContents);
}

QAction *frmMdiCalcDife::boton(int indice) const
{
    return indice >= 1 && indice <= m_botones.size() ? m_botones[indice - 1] : nullptr;
}

QAction *frmMdiCalcDife::botonPorClave(const QString &clave) const
{
    for (QAction *a : m_botones)
        if (a->data().toString() == clave)
            return a;
    return nullptr;
}

void frmMdiCalcDife::habilitaMenus(bool si)
{
    m_mnuInicioAccion->setEnabled(si);
    m_mnuSalida->setEnabled(si);
}

QRect frmMdiCalcDife::lugarDelMarco() const
{
    QScreen *pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return frameGeometry();
    const QRect util = pantalla->availableGeometry();
    const int alto = std::min(util.height(), pantalla->geometry().height() - plataforma::TwipsAPixeles(420));
    return {util.topLeft(), QSize(util.width(), alto)};
}

void frmMdiCalcDife::colocaMarco()
{
    m_bordes = BordesDelMarco(*this);
    const QRect marco = lugarDelMarco();
    resize(marco.size().shrunkBy(m_bordes));
    // A window's position is its frame's.
    move(marco.topLeft());
}

void frmMdiCalcDife::sigueAlMarco()
{
    if (m_marcoEnSuSitio || !isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins bordes = BordesDelMarco(*this);
    if (bordes == m_bordes)
        return;
    m_marcoEnSuSitio = !bordes.isNull();
    colocaMarco();
    if (layout())
        layout()->activate();
    // The work area has shrunk by the frame: the panels, the graph window
    // and the notice are placed from the new measures.
    TomaMedidas();
    if (auto *anuncio = m_area->viewport()->findChild<frmAnuncio *>(QString(), Qt::FindDirectChildrenOnly))
        anuncio->ajusta();
}

void frmMdiCalcDife::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    sigueAlMarco();
}

void frmMdiCalcDife::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    sigueAlMarco();
}

bool frmMdiCalcDife::MDIForm_Load()
{
    colocaMarco();
    // The start-up routine measures the work area and the toolbar before
    // the window is shown: a failed start shows nothing but its message.
    if (layout())
        layout()->activate();
    if (!ArranquePrograma()) {
        mnuSalida_Click();
        return false;
    }
    show();
    sigueAlMarco();
    // Off through its menu action, the one switch every window uses: the
    // menu itself stays able to open once the action is on again.
    m_mnuInicioAccion->setEnabled(false);
    // The assistant character waits hidden until "In&troducción".
    m_guia->carga();
    auto &gestor = GestorVentanas::instancia();
    gestor.muestra(gestor.ventana<frmPortada>());
    return true;
}

void frmMdiCalcDife::mnupoli_Click()
{
    // The hub and the graph window arrive with their own windows.
    AbreSesion(*this);
}

void frmMdiCalcDife::mnuAyudante_Click()
{
    m_guia->mnuAyudante_Click();
}

void frmMdiCalcDife::Agent1_Click(const QString &idPersonaje, int boton, int shift, int x, int y)
{
    m_guia->Agent1_Click(idPersonaje, boton, shift, x, y);
}

void frmMdiCalcDife::Agent1_Command(const QString &nombre)
{
    m_guia->Agent1_Command(nombre);
}

void frmMdiCalcDife::Agent1_Bookmark(long numero)
{
    m_guia->Agent1_Bookmark(numero);
}

void frmMdiCalcDife::Tlbpoli_ButtonClick(const QString &clave)
{
    if (clave == QLatin1String("logo")) {
        // A fresh window for each opening, released when the wait ends.
        frmLogo logo(this);
        plataforma::PoneEncima(logo);
        plataforma::EsperaModal(logo);
    } else if (clave == QLatin1String("adios")) {
        mnuSalida_Click();
    } else {
        AccionBarra(*this, clave);
    }
}

void frmMdiCalcDife::mnuSalida_Click()
{
    if (termina())
        close();
}

void frmMdiCalcDife::closeEvent(QCloseEvent *event)
{
    termina();
    event->accept();
}

bool frmMdiCalcDife::termina()
{
    // Every way out unloads every window once, then ends the program.
    if (m_terminando)
        return false;
    m_terminando = true;
    if (Personaje *genio = m_guia->personaje())
        genio->detiene();
    GestorVentanas::instancia().descargaTodas();
    CierraVentanasSueltas();
    emit programaTerminado();
    QCoreApplication::quit();
    return true;
}
