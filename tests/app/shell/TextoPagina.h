#pragma once
// What a page of the program's folder reads as on screen: its text as a
// box shows it, to compare with what a window shows.
#include "RutaPrograma.h"

#include <QFile>
#include <QTextDocument>

#include <string>

inline QString TextoPagina(const std::string &relativa)
{
    QFile archivo(QString::fromStdString(RutaPrograma(relativa).string()));
    if (!archivo.open(QIODevice::ReadOnly))
        return QStringLiteral("(no se pudo leer %1)").arg(QString::fromStdString(relativa));
    QTextDocument pagina;
    pagina.setHtml(QString::fromUtf8(archivo.readAll()));
    return pagina.toPlainText();
}
