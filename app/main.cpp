#include "PreparaAplicacion.h"
#include "frmMdiCalcDife.h"

#include "CajaMensaje.h"
#include "Regional.h"
#include "VozQt.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparaAplicacion();

    rt::FijaSeparadorLocal(rt::SeparadorDelSistema());
    plataforma::EnviaAvisosACajaMensaje();
    // The assistant speaks through the desktop's engine when there is one.
    FabricaDeVoz() = [] { return std::make_unique<VozQt>(); };

    // The main window shows itself once start-up has succeeded; a failed
    // start has shown its one fatal message and nothing else.
    frmMdiCalcDife principal;
    if (!principal.MDIForm_Load())
        return 1;
    return app.exec();
}
