#include "VisorAyuda.h"

#include "NavegadorAyuda.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpLink>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

VisorAyuda::VisorAyuda(const QString &libro, QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Ayuda de Quorvane"));
    resize(960, 640);
    if (QScreen *pantalla = QGuiApplication::primaryScreen())
        resize(size().boundedTo(pantalla->availableGeometry().size() * 0.9));
    m_abierto = Abre(libro);
    if (m_abierto)
        creaVentana();
}

VisorAyuda::~VisorAyuda()
{
    // The panes read the book's engine: they go before it.
    delete takeCentralWidget();
}

void VisorAyuda::creaVentana()
{
    m_navegador = new NavegadorAyuda(*m_motor);
    m_contenido = m_motor->contentWidget();
    m_contenido->setObjectName(QStringLiteral("contenido"));
    m_contenido->setHeaderHidden(true);
    auto *panel = new QSplitter(Qt::Horizontal);
    panel->addWidget(m_contenido);
    panel->addWidget(m_navegador);
    panel->setStretchFactor(1, 1);
    panel->setSizes({260, 700});
    setCentralWidget(panel);

    QToolBar *barra = addToolBar(QStringLiteral("Navegación"));
    barra->setObjectName(QStringLiteral("navegacion"));
    barra->setMovable(false);
    barra->toggleViewAction()->setVisible(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_atras = barra->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Atrás"));
    m_atras->setShortcut(QKeySequence::Back);
    m_atras->setEnabled(false);
    m_adelante = barra->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Adelante"));
    m_adelante->setShortcut(QKeySequence::Forward);
    m_adelante->setEnabled(false);
    connect(m_atras, &QAction::triggered, m_navegador, &QTextBrowser::backward);
    connect(m_adelante, &QAction::triggered, m_navegador, &QTextBrowser::forward);
    connect(m_navegador, &QTextBrowser::backwardAvailable, m_atras, &QAction::setEnabled);
    connect(m_navegador, &QTextBrowser::forwardAvailable, m_adelante, &QAction::setEnabled);

    // One click on an entry opens its page, whatever the style's rule for
    // activating items.
    connect(m_contenido, &QAbstractItemView::clicked, this, [this](const QModelIndex &indice) {
        if (const QHelpContentItem *entrada = m_motor->contentModel()->contentItemAt(indice))
            abre(entrada->url());
    });
    connect(m_contenido, &QHelpContentWidget::linkActivated, this, &VisorAyuda::abre);
    connect(m_navegador, &QTextBrowser::sourceChanged, this, &VisorAyuda::marcaEnContenido);
    // The list is built apart once the book is read: its chapters open.
    connect(m_motor->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        m_contenido->expandToDepth(0);
        marcaEnContenido(Pagina());
    });
}

void VisorAyuda::abre(const QUrl &pagina)
{
    if (pagina != m_navegador->source())
        m_navegador->setSource(pagina);
}

void VisorAyuda::marcaEnContenido(const QUrl &pagina)
{
    const QModelIndex indice = m_contenido->indexOf(pagina);
    if (indice.isValid())
        m_contenido->setCurrentIndex(indice);
}

QTextBrowser *VisorAyuda::navegador() const
{
    return m_navegador;
}

QUrl VisorAyuda::Pagina() const
{
    return m_navegador ? m_navegador->source() : QUrl();
}

QString VisorAyuda::CarpetaColeccion()
{
    // The user's cache folder, else the system's temporary one (a read-only
    // home leaves only that): the first that can be written.
    // (Qt gives an empty temporary folder when the one named is unusable.)
    const QString temporal = QDir::tempPath();
    const QString carpetas[] = {QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                                temporal.isEmpty() ? QString() : temporal + QStringLiteral("/quorvane")};
    for (const QString &carpeta : carpetas) {
        if (!carpeta.isEmpty() && QDir().mkpath(carpeta) && QFileInfo(carpeta).isWritable())
            return carpeta;
    }
    return {};
}

bool VisorAyuda::Abre(const QString &libro)
{
    const QFileInfo archivo(libro);
    if (!archivo.isFile()) {
        m_error = QStringLiteral("No se encontró el libro de ayuda %1").arg(QDir::toNativeSeparators(libro));
        return false;
    }
    // The build ships a collection with the book registered beside it; use
    // it as it is. Otherwise register the book in a collection of our own.
    const QString junto = archivo.absolutePath() + QLatin1Char('/') + archivo.completeBaseName()
                          + QStringLiteral(".qhc");
    if (QFileInfo::exists(junto)) {
        m_motor = std::make_unique<QHelpEngine>(junto);
        m_motor->setReadOnly(true);
        if (m_motor->setupData()
            && !m_motor->documentationFileName(QHelpEngineCore::namespaceName(libro)).isEmpty())
            return true;
    }
    // The help engine's own reasons are in English: the student is told in
    // Spanish what could not be done, and where.
    const QString nombre = QDir::toNativeSeparators(libro);
    const QString carpeta = CarpetaColeccion();
    if (carpeta.isEmpty()) {
        m_error = QStringLiteral("No se pudo abrir el libro de ayuda %1: no se puede escribir en la carpeta "
                                 "personal ni en la temporal")
                      .arg(nombre);
        return false;
    }
    m_motor = std::make_unique<QHelpEngine>(carpeta + QStringLiteral("/ayuda.qhc"));
    m_motor->setReadOnly(false);
    if (!m_motor->setupData()) {
        m_error = QStringLiteral("No se pudo abrir el libro de ayuda %1: no se pudo escribir su índice en %2")
                      .arg(nombre, QDir::toNativeSeparators(carpeta));
        return false;
    }
    const QString espacio = QHelpEngineCore::namespaceName(libro);
    if (espacio.isEmpty()) {
        m_error = QStringLiteral("El libro de ayuda %1 no es válido").arg(nombre);
        return false;
    }
    // A book registered from another place (an older build) is replaced.
    const QString registrado = m_motor->documentationFileName(espacio);
    if (!registrado.isEmpty() && QFileInfo(registrado).absoluteFilePath() != archivo.absoluteFilePath())
        m_motor->unregisterDocumentation(espacio);
    if (m_motor->documentationFileName(espacio).isEmpty() && !m_motor->registerDocumentation(libro)) {
        m_error = QStringLiteral("No se pudo abrir el libro de ayuda %1: no se pudo registrar en %2")
                      .arg(nombre, QDir::toNativeSeparators(carpeta));
        return false;
    }
    return true;
}

QUrl VisorAyuda::PaginaDeTema(int tema) const
{
    if (!m_abierto)
        return {};
    const QList<QHelpLink> enlaces = m_motor->documentsForIdentifier(QStringLiteral("tema-%1").arg(tema));
    return enlaces.isEmpty() ? QUrl() : enlaces.first().url;
}

bool VisorAyuda::MuestraTema(int tema)
{
    const QUrl pagina = PaginaDeTema(tema);
    if (pagina.isEmpty())
        return false;
    m_navegador->setSource(pagina);
    show();
    raise();
    activateWindow();
    return true;
}
