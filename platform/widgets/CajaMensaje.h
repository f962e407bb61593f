#pragma once
// The runtime's message box on Qt: a style number chooses the buttons
// (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No,
// 5 Retry/Cancel) plus the icon (16 stop, 32 question, 48 exclamation,
// 64 information); the answer is the button's number (1 OK, 2 Cancel,
// 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No). It waits through EsperaModal,
// so a test can answer it (by returning a button number, or 0 for the
// first button).
#include <QString>

namespace plataforma {

enum EstiloCaja {
    CajaSoloAceptar = 0,
    CajaAceptarCancelar = 1,
    CajaAnularReintentarIgnorar = 2,
    CajaSiNoCancelar = 3,
    CajaSiNo = 4,
    CajaReintentarCancelar = 5,
    CajaIconoAlto = 16,
    CajaIconoPregunta = 32,
    CajaIconoExclamacion = 48,
    CajaIconoInformacion = 64,
};

enum RespuestaCaja {
    RespuestaAceptar = 1,
    RespuestaCancelar = 2,
    RespuestaAnular = 3,
    RespuestaReintentar = 4,
    RespuestaIgnorar = 5,
    RespuestaSi = 6,
    RespuestaNo = 7,
};

// An empty title shows the application's name.
int CajaMensaje(const QString &texto, int estilo = CajaSoloAceptar, const QString &titulo = {});

// Sends the libraries' and controls' misuse messages (rt::MuestraAviso)
// to CajaMensaje.
void EnviaAvisosACajaMensaje();

} // namespace plataforma
