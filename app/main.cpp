#include "PreparaAplicacion.h"
#include "frmMdiCalcDife.h"

#include "CajaMensaje.h"
#include "Regional.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparaAplicacion();

    rt::FijaSeparadorLocal(rt::SeparadorDelSistema());
    plataforma::EnviaAvisosACajaMensaje();

    // The main window shows itself once start-up has succeeded; a failed
    // start has shown its one fatal message and nothing else.
    frmMdiCalcDife principal;
    if (!principal.MDIForm_Load())
        return 1;
    return app.exec();
}
