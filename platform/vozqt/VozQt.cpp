#include "VozQt.h"

#include "MotorHabla.h"

#include <QThread>

namespace {
// How long the end waits for the engine's thread, in milliseconds.
constexpr unsigned long kEsperaAlSalir = 50;
} // namespace

VozQt::VozQt(const QString &motor, QObject *padre)
    : Voz(padre)
{
    m_hilo = new QThread;
    m_hilo->setObjectName(QStringLiteral("voz"));
    m_habla = new MotorHabla(motor);
    m_habla->moveToThread(m_hilo);
    connect(m_hilo, &QThread::finished, m_habla, &QObject::deleteLater);
    connect(m_habla, &MotorHabla::listo, this, [this](const QString &nombre, const QLocale &idioma) {
        m_motor = nombre;
        m_idioma = idioma;
        m_buscando = false;
        emit preparada();
    });
    connect(m_habla, &MotorHabla::dicha, this, &Voz::dicha);
    connect(m_hilo, &QThread::started, m_habla, &MotorHabla::arranca);
    m_hilo->start();
}

VozQt::~VozQt()
{
    disconnect(m_habla, nullptr, this, nullptr);
    QMetaObject::invokeMethod(m_habla, &MotorHabla::calla);
    m_hilo->quit();
    // An engine still connecting to the speech service (a second or two
    // when the service starts) keeps its thread: it is left to finish by
    // itself rather than holding up the program's end.
    if (m_hilo->wait(kEsperaAlSalir))
        delete m_hilo;
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
    QMetaObject::invokeMethod(m_habla, &MotorHabla::calla);
}
