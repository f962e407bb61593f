#include "EsperaTrabajo.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace plataforma {

namespace {

bool g_enCurso = false; // the window's thread only
thread_local bool t_aparte = false;

// Drops the student's input while it is installed on the application. A
// close that the program itself asks for still goes through.
class FiltroEntrada : public QObject {
public:
    FiltroEntrada() { qApp->installEventFilter(this); }
    ~FiltroEntrada() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: // the program's buttons click on release
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::InputMethod: // text composed by an input method
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Drop:
            evento->ignore();
            return true;
        case QEvent::Close:
            if (!evento->spontaneous())
                return false;
            evento->ignore();
            return true;
        default:
            // Key releases go through: a button pressed by a key before
            // the wait looks released again, and none acts on a release.
            return false;
        }
    }
};

} // namespace

bool EsperaTrabajo::EnCurso()
{
    return g_enCurso;
}

bool EsperaTrabajo::EnHiloAparte()
{
    return t_aparte;
}

void EsperaTrabajo::Ejecuta(const std::function<void()> &trabajo)
{
    if (!qApp || QThread::currentThread() != qApp->thread() || g_enCurso) {
        trabajo();
        return;
    }
    std::exception_ptr error;
    std::mutex mutex;
    std::condition_variable aviso;
    bool hecho = false;
    // Made before the thread, which posts its quit to it; joined before it goes.
    QEventLoop bucle;
    std::thread hilo([&] {
        t_aparte = true;
        try {
            trabajo();
        } catch (...) {
            error = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> cierre(mutex);
            hecho = true;
        }
        aviso.notify_one();
        QMetaObject::invokeMethod(&bucle, &QEventLoop::quit, Qt::QueuedConnection);
    });
    bool pronto = false;
    {
        std::unique_lock<std::mutex> cierre(mutex);
        pronto = aviso.wait_for(cierre, Paciencia, [&] { return hecho; });
    }
    if (!pronto) {
        g_enCurso = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        {
            FiltroEntrada filtro;
            // The quit may already be posted: exec returns at once then.
            bucle.exec();
        }
        QApplication::restoreOverrideCursor();
        g_enCurso = false;
    }
    hilo.join();
    if (error)
        std::rethrow_exception(error);
}

} // namespace plataforma
