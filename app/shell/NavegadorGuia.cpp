#include "NavegadorGuia.h"

#include <QDir>
#include <QFileInfo>

NavegadorGuia::NavegadorGuia(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    setOpenLinks(true);
    // The tour's pages are ours and local; other addresses go to the
    // desktop's own browser.
    setOpenExternalLinks(true);
    // Connected first: whoever listens after finds the new page here.
    connect(this, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) { m_ubicacion = url; });
}

QString NavegadorGuia::nombreUbicacion() const
{
    const QString titulo = documentTitle().trimmed();
    if (!titulo.isEmpty())
        return titulo;
    return QFileInfo(m_ubicacion.path()).fileName();
}

QString NavegadorGuia::direccion() const
{
    if (!m_ubicacion.isLocalFile())
        return m_ubicacion.toString();
    const QString archivo = m_ubicacion.toLocalFile();
    if (!m_carpeta.isEmpty()) {
        const QString relativa = QDir(m_carpeta).relativeFilePath(archivo);
        if (!relativa.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relativa))
            return relativa;
    }
    return QDir::toNativeSeparators(archivo);
}

QString NavegadorGuia::direccionCompleta() const
{
    return m_ubicacion.isLocalFile() ? QDir::toNativeSeparators(m_ubicacion.toLocalFile()) : m_ubicacion.toString();
}

QUrl NavegadorGuia::comoUrl(const QString &direccion) const
{
    const QString texto = direccion.trimmed();
    if (QFileInfo(texto).isAbsolute())
        return QUrl::fromLocalFile(QDir::fromNativeSeparators(texto));
    if (texto.contains(QLatin1String("://")) || m_carpeta.isEmpty())
        return QUrl::fromUserInput(texto);
    // A bare name is a page of the tour.
    return QUrl::fromLocalFile(QDir(m_carpeta).filePath(QDir::fromNativeSeparators(texto)));
}

QVariant NavegadorGuia::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource && name.isLocalFile() && !QFileInfo::exists(name.toLocalFile())) {
        return QStringLiteral(
                   "<html><head><title>No se encontró la página</title></head><body>"
                   "<h2>No se encontró la página</h2><p>%1</p>"
                   "<p>Usa el botón Atrás o el botón Inicio para seguir con el recorrido.</p></body></html>")
            .arg(QDir::toNativeSeparators(name.toLocalFile()).toHtmlEscaped());
    }
    return QTextBrowser::loadResource(type, name);
}
