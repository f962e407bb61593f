#include "AyudaLibro.h"

#include "Globales.h"
#include "RutaPrograma.h"
#include "VisorAyuda.h"

#include "CajaMensaje.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace {
// A window: it must go before the application does, not at static exit.
QPointer<VisorAyuda> g_visor;
}

std::string LibroAyudaPrograma()
{
    return RutaPrograma("\\texto\\Quorvane.qch").string();
}

void PoneArchivoAyuda(const std::string &archivo)
{
    ArchivoAyuda = archivo;
}

bool CreaObjetoAyuda()
{
    if (g_visor)
        return true;
    auto visor = std::make_unique<VisorAyuda>(QString::fromStdString(ArchivoAyuda));
    if (!visor->Abierto()) {
        plataforma::CajaMensaje(visor->Error());
        return false;
    }
    g_visor = visor.release();
    if (auto *app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, g_visor.data(), &QObject::deleteLater);
    return true;
}

void MuestraAyuda(long tema)
{
    if (CreaObjetoAyuda())
        g_visor->MuestraTema(static_cast<int>(tema));
}

VisorAyuda *ObjAyuda() { return g_visor.data(); }

void OlvidaObjetoAyuda()
{
    delete g_visor.data();
}
