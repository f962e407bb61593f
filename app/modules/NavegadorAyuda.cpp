#include "NavegadorAyuda.h"

#include <QDesktopServices>
#include <QHelpEngineCore>

namespace {
bool DelLibro(const QUrl &enlace)
{
    return enlace.scheme() == QLatin1String("qthelp");
}
} // namespace

NavegadorAyuda::NavegadorAyuda(QHelpEngineCore &motor, QWidget *parent)
    : QTextBrowser(parent)
    , m_motor(motor)
{
    setObjectName(QStringLiteral("navegador"));
    // The browser would hand every qthelp:// link to the desktop, which
    // knows nothing of the book: links are followed here instead.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NavegadorAyuda::abreEnlace);
}

void NavegadorAyuda::abreEnlace(const QUrl &enlace)
{
    if (DelLibro(enlace) || enlace.isRelative())
        setSource(enlace);
    else
        QDesktopServices::openUrl(enlace);
}

QVariant NavegadorAyuda::loadResource(int tipo, const QUrl &nombre)
{
    if (DelLibro(nombre))
        return m_motor.fileData(nombre);
    return QTextBrowser::loadResource(tipo, nombre);
}
