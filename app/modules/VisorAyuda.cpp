#include "VisorAyuda.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QStandardPaths>

VisorAyuda::VisorAyuda(const QString &libro, QWidget *parent) : QTextBrowser(parent)
{
    setWindowTitle(QStringLiteral("Ayuda de Quorvane"));
    setOpenExternalLinks(true);
    resize(760, 600);
    m_abierto = Abre(libro);
}

VisorAyuda::~VisorAyuda() = default;

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
        m_motor = std::make_unique<QHelpEngineCore>(junto);
        m_motor->setReadOnly(true);
        if (m_motor->setupData()
            && !m_motor->documentationFileName(QHelpEngineCore::namespaceName(libro)).isEmpty())
            return true;
    }
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::tempPath() + QStringLiteral("/quorvane");
    QDir().mkpath(carpeta);
    m_motor = std::make_unique<QHelpEngineCore>(carpeta + QStringLiteral("/ayuda.qhc"));
    m_motor->setReadOnly(false);
    if (!m_motor->setupData()) {
        m_error = QStringLiteral("No se pudo abrir el libro de ayuda: %1").arg(m_motor->error());
        return false;
    }
    const QString espacio = QHelpEngineCore::namespaceName(libro);
    if (espacio.isEmpty()) {
        m_error = QStringLiteral("El libro de ayuda %1 no es válido").arg(QDir::toNativeSeparators(libro));
        return false;
    }
    // A book registered from another place (an older build) is replaced.
    const QString registrado = m_motor->documentationFileName(espacio);
    if (!registrado.isEmpty() && QFileInfo(registrado).absoluteFilePath() != archivo.absoluteFilePath())
        m_motor->unregisterDocumentation(espacio);
    if (m_motor->documentationFileName(espacio).isEmpty() && !m_motor->registerDocumentation(libro)) {
        m_error = QStringLiteral("No se pudo abrir el libro de ayuda: %1").arg(m_motor->error());
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
    setSource(pagina);
    show();
    raise();
    activateWindow();
    return true;
}

QVariant VisorAyuda::loadResource(int tipo, const QUrl &nombre)
{
    if (m_abierto && nombre.scheme() == QLatin1String("qthelp"))
        return m_motor->fileData(nombre);
    return QTextBrowser::loadResource(tipo, nombre);
}
