#include "frmBrowser.h"

#include "GestorVentanas.h"
#include "NavegadorGuia.h"

#include "Globales.h"
#include "RutaPrograma.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
struct BotonNavegador {
    const char *clave;
    const char *texto;
    QStyle::StandardPixmap icono;
};
const BotonNavegador kBotones[] = {
    {"Atras", "Atrás", QStyle::SP_ArrowBack},
    {"Adelante", "Adelante", QStyle::SP_ArrowForward},
    {"Detener", "Detener", QStyle::SP_BrowserStop},
    {"Actualizar", "Actualizar", QStyle::SP_BrowserReload},
    {"Inicio", "Inicio", QStyle::SP_DirHomeIcon},
    {"Cerrar", "Cerrar", QStyle::SP_DialogCloseButton},
};

QString RutaGuia(const char *pagina)
{
    return QString::fromStdString(RutaPrograma(std::string("\\genio\\mis webs\\_private\\") + pagina).string());
}
} // namespace

frmBrowser::frmBrowser()
{
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("Quorvane: recorrido"));

    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setSpacing(2);

    auto *menus = new QMenuBar(this);
    QMenu *archivo = menus->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("mnuArchivo"));
    m_mnuSalir = archivo->addAction(QStringLiteral("&Salir"));
    m_mnuSalir->setObjectName(QStringLiteral("mnuSalir"));
    connect(m_mnuSalir, &QAction::triggered, this, [this] { descarga(); });
    capa->setMenuBar(menus);

    m_tbToolBar = new QToolBar(this);
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const BotonNavegador &b : kBotones) {
        const QString clave = QString::fromLatin1(b.clave);
        QAction *a = m_tbToolBar->addAction(style()->standardIcon(b.icono), QString::fromUtf8(b.texto));
        a->setObjectName(clave);
        connect(a, &QAction::triggered, this, [this, clave] { tbToolBar_ButtonClick(clave); });
    }
    capa->addWidget(m_tbToolBar);

    auto *barra = new QHBoxLayout;
    barra->setContentsMargins(6, 0, 6, 0);
    m_lblAddress = new QLabel(QStringLiteral("&Dirección:"), this);
    m_lblAddress->setObjectName(QStringLiteral("lblAddress"));
    m_cboAddress = new QComboBox(this);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    // The list is kept by the window: most recent first, no repeats.
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_lblAddress->setBuddy(m_cboAddress);
    barra->addWidget(m_lblAddress);
    barra->addWidget(m_cboAddress, 1);
    capa->addLayout(barra);

    m_navegador = new NavegadorGuia(this);
    capa->addWidget(m_navegador, 1);

    connect(m_cboAddress, &QComboBox::activated, this, [this] { cboAddress_Click(); });
    connect(m_cboAddress->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboAddress_Click(); });
    connect(m_navegador, &QTextBrowser::sourceChanged, this, [this] { navegacionTerminada(); });
    connect(m_navegador, &QTextBrowser::backwardAvailable, boton(QStringLiteral("Atras")), &QAction::setEnabled);
    connect(m_navegador, &QTextBrowser::forwardAvailable, boton(QStringLiteral("Adelante")), &QAction::setEnabled);
    boton(QStringLiteral("Atras"))->setEnabled(false);
    boton(QStringLiteral("Adelante"))->setEnabled(false);
    m_timTimer.setInterval(200);
    connect(&m_timTimer, &QTimer::timeout, this, [this] { timTimer_Timer(); });
}

frmBrowser *frmBrowser::Existente()
{
    return GestorVentanas::instancia().existente<frmBrowser>();
}

QString frmBrowser::TituloOcupado()
{
    return QStringLiteral("Dame un minuto, Estoy tratando de transmitir el material ...");
}

QAction *frmBrowser::boton(const QString &clave) const
{
    for (QAction *a : m_tbToolBar->actions())
        if (a->objectName() == clave)
            return a;
    return nullptr;
}

void frmBrowser::alCargar()
{
    m_inicioGuia = RutaGuia("Entrada.htm");
    m_navegador->fijaCarpeta(QFileInfo(m_inicioGuia).absolutePath());
    // The whole screen the desktop leaves to windows.
    if (QScreen *pantalla = QGuiApplication::primaryScreen())
        setGeometry(pantalla->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    if (PaginaGuia == "1") {
        DireccionGuia = m_inicioGuia.toStdString();
    } else if (PaginaGuia == "2") {
        DireccionGuia = RutaGuia("raices.htm").toStdString();
        PasoGuia = "raices";
    }
    // The address goes into the bar as the page shows.
    if (!DireccionGuia.empty())
        navega(QString::fromStdString(DireccionGuia));
}

void frmBrowser::navega(const QString &direccion)
{
    m_timTimer.start();
    m_cargando = true;
    setWindowTitle(TituloOcupado());
    const QUrl url = m_navegador->comoUrl(direccion);
    if (url == m_navegador->source())
        m_navegador->reload();
    else
        m_navegador->setSource(url);
    m_cargando = false;
    // Local pages load at once: the navigation has ended (the same address
    // again brings no change of source to report it).
    navegacionTerminada();
}

void frmBrowser::navegacionTerminada()
{
    if (m_cargando)
        return;
    setWindowTitle(m_navegador->nombreUbicacion());
    const QString direccion = m_navegador->direccion();
    if (direccion.isEmpty())
        return;
    DireccionGuia = m_navegador->direccionCompleta().toStdString();
    m_sinNavegar = true;
    const int ya = m_cboAddress->findText(direccion);
    if (ya >= 0)
        m_cboAddress->removeItem(ya);
    m_cboAddress->insertItem(0, direccion);
    m_cboAddress->setCurrentIndex(0);
    m_sinNavegar = false;
}

void frmBrowser::cboAddress_Click()
{
    if (m_sinNavegar || m_cboAddress->currentText().trimmed().isEmpty())
        return;
    navega(m_cboAddress->currentText());
}

void frmBrowser::timTimer_Timer()
{
    if (m_cargando) {
        setWindowTitle(TituloOcupado());
        return;
    }
    m_timTimer.stop();
    setWindowTitle(m_navegador->nombreUbicacion());
}

void frmBrowser::tbToolBar_ButtonClick(const QString &clave)
{
    m_timTimer.start();
    if (clave == QLatin1String("Atras")) {
        m_navegador->backward();
    } else if (clave == QLatin1String("Adelante")) {
        m_navegador->forward();
    } else if (clave == QLatin1String("Actualizar")) {
        m_navegador->reload();
        setWindowTitle(m_navegador->nombreUbicacion());
    } else if (clave == QLatin1String("Inicio")) {
        // The tour's home: its entrance page.
        navega(m_inicioGuia);
    } else if (clave == QLatin1String("Detener")) {
        m_timTimer.stop();
        setWindowTitle(m_navegador->nombreUbicacion());
    } else if (clave == QLatin1String("Cerrar")) {
        m_timTimer.stop();
        descarga();
    }
}
