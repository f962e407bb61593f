#include "PreparaAplicacion.h"
#include "frmMdiCalcDife.h"

#include "CajaMensaje.h"
#include "Regional.h"
#include "VozQt.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// How long the end waits for the speech engine's thread, in milliseconds.
constexpr int kEsperaVoz = 5000;
} // namespace

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
    const int estado = app.exec();
    // No thread of the speech engine may outlive the windows and statics it
    // could still reach. One hung in a speech service that does not answer
    // is not waited for any longer: the program leaves at once, freeing
    // nothing, with its status.
    if (!VozQt::DetieneTodas(kEsperaVoz)) {
        std::fflush(nullptr);
        std::_Exit(estado);
    }
    return estado;
}
