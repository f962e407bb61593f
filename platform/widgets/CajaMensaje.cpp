#include "CajaMensaje.h"

#include "Avisos.h"
#include "EsperaModal.h"
#include "EsperaTrabajo.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <utility>
#include <vector>

namespace plataforma {

namespace {
using Boton = std::pair<QMessageBox::StandardButton, int>;

std::vector<Boton> BotonesDe(int estilo)
{
    switch (estilo & 7) {
    case CajaAceptarCancelar:
        return {{QMessageBox::Ok, RespuestaAceptar}, {QMessageBox::Cancel, RespuestaCancelar}};
    case CajaAnularReintentarIgnorar:
        return {{QMessageBox::Abort, RespuestaAnular}, {QMessageBox::Retry, RespuestaReintentar},
                {QMessageBox::Ignore, RespuestaIgnorar}};
    case CajaSiNoCancelar:
        return {{QMessageBox::Yes, RespuestaSi}, {QMessageBox::No, RespuestaNo},
                {QMessageBox::Cancel, RespuestaCancelar}};
    case CajaSiNo:
        return {{QMessageBox::Yes, RespuestaSi}, {QMessageBox::No, RespuestaNo}};
    case CajaReintentarCancelar:
        return {{QMessageBox::Retry, RespuestaReintentar}, {QMessageBox::Cancel, RespuestaCancelar}};
    default:
        return {{QMessageBox::Ok, RespuestaAceptar}};
    }
}

QMessageBox::Icon IconoDe(int estilo)
{
    switch (estilo & 0x70) {
    case CajaIconoAlto: return QMessageBox::Critical;
    case CajaIconoPregunta: return QMessageBox::Question;
    case CajaIconoExclamacion: return QMessageBox::Warning;
    case CajaIconoInformacion: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
} // namespace

int CajaMensaje(const QString &texto, int estilo, const QString &titulo)
{
    QMessageBox caja;
    caja.setText(texto);
    caja.setIcon(IconoDe(estilo));
    caja.setWindowTitle(titulo.isEmpty() ? QCoreApplication::applicationName() : titulo);
    const std::vector<Boton> botones = BotonesDe(estilo);
    for (const Boton &b : botones)
        caja.addButton(b.first);
    caja.setDefaultButton(botones.front().first);

    const int respuesta = EsperaModal(caja);

    if (QAbstractButton *pulsado = caja.clickedButton()) {
        const QMessageBox::StandardButton cual = caja.standardButton(pulsado);
        for (const Boton &b : botones)
            if (b.first == cual)
                return b.second;
    }
    for (const Boton &b : botones)
        if (b.second == respuesta)
            return respuesta;
    // Closed without a button (or answered 0): the box's first button.
    return botones.front().second;
}

namespace {
// A box cannot be answered while a busy wait drops the input: it comes
// once the wait is over.
void AvisoEnCaja(const rt::Aviso &aviso)
{
    if (EsperaTrabajo::EnCurso()) {
        QTimer::singleShot(50, qApp, [aviso] { AvisoEnCaja(aviso); });
        return;
    }
    CajaMensaje(QString::fromStdString(aviso.texto), CajaSoloAceptar, QString::fromStdString(aviso.titulo));
}
} // namespace

void EnviaAvisosACajaMensaje()
{
    rt::FijaReceptorAvisos([](const rt::Aviso &aviso) {
        // A job of EsperaTrabajo reports on the window's thread.
        if (qApp && QThread::currentThread() != qApp->thread())
            QMetaObject::invokeMethod(qApp, [aviso] { AvisoEnCaja(aviso); }, Qt::QueuedConnection);
        else
            AvisoEnCaja(aviso);
    });
}

} // namespace plataforma
