#include "CajaPagina.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

const QColor CajaPagina::ColorEnlace(51, 154, 102);

CajaPagina::CajaPagina(QWidget *parent)
    : QTextBrowser(parent)
{
    // The window decides what a press on a link does: the box follows none.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Link, ColorEnlace);
    setPalette(paleta);
}

bool CajaPagina::carga(const std::filesystem::path &archivo)
{
    QFile pagina(QString::fromStdString(archivo.string()));
    if (!pagina.open(QIODevice::ReadOnly)) {
        muestraFaltante(QString::fromStdString(archivo.filename().string()));
        return false;
    }
    setHtml(QString::fromUtf8(pagina.readAll()));
    // Pictures of the page are named relative to its folder.
    document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(pagina).absolutePath() + QLatin1Char('/')));
    // An empty page (a picture counts as something to show) is as good as
    // missing to the student.
    if (toPlainText().trimmed().isEmpty()) {
        muestraFaltante(QString::fromStdString(archivo.filename().string()));
        return false;
    }
    return true;
}

QString CajaPagina::TextoFaltante(const QString &nombre)
{
    return QStringLiteral("No se pudo encontrar el archivo ") + nombre;
}

void CajaPagina::muestraFaltante(const QString &nombre)
{
    setPlainText(TextoFaltante(nombre));
}
