#include "MotorHabla.h"

#include "VozQt.h"

#include <QTextToSpeech>

MotorHabla::MotorHabla(const QString &motor)
    : m_pedido(motor)
{
}

void MotorHabla::arranca()
{
    // Made here, in the engine's thread.
    m_arranque = new QTimer(this);
    m_arranque->setSingleShot(true);
    m_arranque->setInterval(2000);
    connect(m_arranque, &QTimer::timeout, this, [this] {
        if (m_diciendo && !m_empezo) {
            m_diciendo = false;
            emit dicha();
        }
    });

    QStringList motores = QTextToSpeech::availableEngines();
    if (!m_pedido.isEmpty())
        motores = motores.contains(m_pedido) ? QStringList{m_pedido} : QStringList{};
    else if (motores.removeAll(QStringLiteral("speechd")))
        motores.prepend(QStringLiteral("speechd"));

    // The first engine that offers Spanish; else the first that works.
    QString nombre;
    for (const QString &candidato : std::as_const(motores)) {
        auto *habla = new QTextToSpeech(candidato, this);
        if (habla->state() == QTextToSpeech::Error) {
            delete habla;
            continue;
        }
        const QLocale espanol = VozQt::eligeEspanol(habla->availableLocales());
        if (espanol.language() == QLocale::Spanish) {
            delete m_habla;
            m_habla = habla;
            nombre = candidato;
            m_habla->setLocale(espanol);
            break;
        }
        if (!m_habla) {
            m_habla = habla;
            nombre = candidato;
        } else {
            delete habla;
        }
    }
    if (m_habla)
        connect(m_habla, &QTextToSpeech::stateChanged, this, &MotorHabla::cambiaEstado);
    emit listo(nombre, m_habla ? m_habla->locale() : QLocale::c());
}

void MotorHabla::di(const QString &frase)
{
    if (!m_habla || m_habla->state() == QTextToSpeech::Error) {
        emit dicha();
        return;
    }
    m_diciendo = true;
    m_empezo = false;
    m_arranque->start();
    m_habla->say(frase);
}

void MotorHabla::calla()
{
    m_diciendo = false;
    if (m_habla)
        m_habla->stop();
}

void MotorHabla::cambiaEstado()
{
    const auto estado = m_habla->state();
    if (estado == QTextToSpeech::Speaking)
        m_empezo = true;
    if (m_diciendo && (estado == QTextToSpeech::Ready || estado == QTextToSpeech::Error)) {
        m_diciendo = false;
        emit dicha();
    }
}
