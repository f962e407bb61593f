#include "VozQt.h"

#include "MotorHabla.h"

#include <QDeadlineTimer>
#include <QList>
#include <QThread>

namespace {
// How long a voice going away waits for its engine's thread, in
// milliseconds: connecting to the speech service takes a second or two
// when the service is starting.
constexpr int kEsperaAlSalir = 5000;

// The live voices, and the threads of voices gone before their engine's
// thread had ended (the program's end waits for those too). Made once and
// never freed, so that no voice outlives them.
QList<VozQt *> &Vivas()
{
    static auto *vivas = new QList<VozQt *>;
    return *vivas;
}
QList<QThread *> &Huerfanos()
{
    static auto *hilos = new QList<QThread *>;
    return *hilos;
}
} // namespace

VozQt::VozQt(const QString &motor, QObject *padre)
    : Voz(padre)
{
    m_hilo = new QThread;
    m_hilo->setObjectName(QStringLiteral("voz"));
    m_habla = new MotorHabla(motor);
    m_habla->moveToThread(m_hilo);
    // The engine goes in its own thread, as the thread ends: the speech
    // client's connection, and the thread it reads events with, close there.
    connect(m_hilo, &QThread::finished, m_habla, &QObject::deleteLater);
    connect(m_habla, &MotorHabla::listo, this, [this](const QString &nombre, const QLocale &idioma) {
        m_motor = nombre;
        m_idioma = idioma;
        m_buscando = false;
        emit preparada();
    });
    connect(m_habla, &MotorHabla::dicha, this, &Voz::dicha);
    connect(m_hilo, &QThread::started, m_habla, &MotorHabla::arranca);
    Vivas().append(this);
    m_hilo->start();
}

VozQt::~VozQt()
{
    Vivas().removeAll(this);
    detiene();
    // A thread that does not end in time is left to the program's end,
    // which waits for it again.
    if (m_hilo->wait(QDeadlineTimer(kEsperaAlSalir)))
        delete m_hilo;
    else
        Huerfanos().append(m_hilo);
}

void VozQt::detiene()
{
    if (m_detenida)
        return;
    m_detenida = true;
    disconnect(m_habla, nullptr, this, nullptr);
    // Queued behind whatever the engine is doing; the engine is freed by
    // its thread's end, so it is not touched from here after this.
    QMetaObject::invokeMethod(m_habla, &MotorHabla::calla);
    m_hilo->quit();
}

bool VozQt::DetieneTodas(int msMaximo)
{
    const QDeadlineTimer limite(msMaximo);
    for (VozQt *voz : std::as_const(Vivas()))
        voz->detiene();
    for (VozQt *voz : std::as_const(Vivas()))
        if (!voz->m_hilo->wait(limite))
            return false;
    QList<QThread *> &huerfanos = Huerfanos();
    while (!huerfanos.isEmpty()) {
        if (!huerfanos.first()->wait(limite))
            return false;
        delete huerfanos.takeFirst();
    }
    return true;
}

QString VozQt::respaldo()
{
    return QStringLiteral("QtTextToSpeech");
}

QLocale VozQt::eligeEspanol(const QList<QLocale> &idiomas)
{
    QLocale otro = QLocale::c();
    for (const QLocale &l : idiomas) {
        if (l.language() != QLocale::Spanish)
            continue;
        if (l.territory() == QLocale::Mexico)
            return l;
        // Latin American Spanish before any other.
        if (otro.language() != QLocale::Spanish || l.territory() == QLocale::LatinAmerica)
            otro = l;
    }
    return otro;
}

void VozQt::di(const QString &frase)
{
    if (!disponible()) {
        emit dicha();
        return;
    }
    QMetaObject::invokeMethod(m_habla, [habla = m_habla, frase] { habla->di(frase); });
}

void VozQt::calla()
{
    if (!m_detenida)
        QMetaObject::invokeMethod(m_habla, &MotorHabla::calla);
}
