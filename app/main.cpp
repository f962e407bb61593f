#include "frmMdiCalcDife.h"

#include "CajaMensaje.h"
#include "Regional.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvane/quorvane.svg")));

    // Qt's own dialogs speak Spanish, like the rest of the program.
    QTranslator traductorQt;
    if (traductorQt.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductorQt);

    rt::FijaSeparadorLocal(rt::SeparadorDelSistema());
    plataforma::EnviaAvisosACajaMensaje();

    frmMdiCalcDife principal;
    principal.show();
    if (!principal.MDIForm_Load())
        return 1;
    return app.exec();
}
