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
}

QString NavegadorGuia::nombreUbicacion() const
{
    const QString titulo = documentTitle().trimmed();
    if (!titulo.isEmpty())
        return titulo;
    return QFileInfo(source().path()).fileName();
}

QString NavegadorGuia::direccion() const
{
    const QUrl url = source();
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

QUrl NavegadorGuia::comoUrl(const QString &direccion)
{
    const QString texto = direccion.trimmed();
    if (QFileInfo(texto).isAbsolute())
        return QUrl::fromLocalFile(QDir::fromNativeSeparators(texto));
    return QUrl::fromUserInput(texto);
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
