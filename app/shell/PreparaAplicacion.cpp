#include "PreparaAplicacion.h"

#include "TraduccionQt.h"

#include <QApplication>
#include <QIcon>

void PreparaAplicacion()
{
    // No display name of its own: the window system would append it to
    // every caption ("Quorvane: Error — Quorvane"), and the captions the
    // windows write already name the program.
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvane/quorvane.svg")));
    InstalaTraduccionQt();
}
