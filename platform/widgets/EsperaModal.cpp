#include "EsperaModal.h"

#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace plataforma {

namespace {
Contestador &contestadorActual()
{
    static Contestador c;
    return c;
}

// Waits on a plain window: application-modal until it hides or is destroyed.
int EsperaVentana(QWidget &ventana)
{
    QPointer<QWidget> vigilada(&ventana);
    const Qt::WindowModality antes = ventana.windowModality();
    ventana.setWindowModality(Qt::ApplicationModal);
    ventana.show();
    QEventLoop bucle;
    while (vigilada && vigilada->isVisible())
        bucle.processEvents(QEventLoop::WaitForMoreEvents);
    if (vigilada)
        vigilada->setWindowModality(antes);
    return 0;
}
} // namespace

int EsperaModal(QWidget &ventana)
{
    if (const Contestador &c = contestadorActual()) {
        const int respuesta = c(ventana);
        if (auto *dialogo = qobject_cast<QDialog *>(&ventana))
            dialogo->setResult(respuesta);
        return respuesta;
    }
    if (auto *dialogo = qobject_cast<QDialog *>(&ventana))
        return dialogo->exec();
    return EsperaVentana(ventana);
}

Contestador FijaContestador(Contestador contestador)
{
    Contestador anterior = std::move(contestadorActual());
    contestadorActual() = std::move(contestador);
    return anterior;
}

ContestadorPrueba::ContestadorPrueba(Contestador respuesta)
{
    m_anterior = FijaContestador([this, respuesta](QWidget &ventana) {
        m_titulos << ventana.windowTitle();
        auto *caja = qobject_cast<QMessageBox *>(&ventana);
        m_textos << (caja ? caja->text() : QString());
        return respuesta ? respuesta(ventana) : 0;
    });
}

ContestadorPrueba::~ContestadorPrueba()
{
    FijaContestador(std::move(m_anterior));
}

void ContestadorPrueba::Limpia()
{
    m_titulos.clear();
    m_textos.clear();
}

} // namespace plataforma
