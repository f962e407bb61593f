#include "VozQt.h"

#include <QTextToSpeech>

VozQt::VozQt(const QString &motor, QObject *padre)
    : Voz(padre)
{
    QStringList motores = QTextToSpeech::availableEngines();
    if (!motor.isEmpty())
        motores = motores.contains(motor) ? QStringList{motor} : QStringList{};
    else if (motores.removeAll(QStringLiteral("speechd")))
        motores.prepend(QStringLiteral("speechd"));

    // The first engine that offers Spanish; else the first that works.
    for (const QString &nombre : std::as_const(motores)) {
        auto *habla = new QTextToSpeech(nombre, this);
        if (habla->state() == QTextToSpeech::Error) {
            delete habla;
            continue;
        }
        const QLocale espanol = eligeEspanol(habla->availableLocales());
        if (espanol.language() == QLocale::Spanish) {
            delete m_habla;
            m_habla = habla;
            m_motor = nombre;
            m_habla->setLocale(espanol);
            break;
        }
        if (!m_habla) {
            m_habla = habla;
            m_motor = nombre;
        } else {
            delete habla;
        }
    }
    if (m_habla)
        connect(m_habla, &QTextToSpeech::stateChanged, this, &VozQt::cambiaEstado);
}

VozQt::~VozQt() = default;

QString VozQt::respaldo()
{
    return QStringLiteral("QtTextToSpeech");
}

QLocale VozQt::idioma() const
{
    return m_habla ? m_habla->locale() : QLocale::c();
}

QLocale VozQt::eligeEspanol(const QList<QLocale> &idiomas)
{
    QLocale otro = QLocale::c();
    for (const QLocale &l : idiomas) {
        if (l.language() != QLocale::Spanish)
            continue;
        if (l.territory() == QLocale::Mexico)
            return l;
        if (otro.language() != QLocale::Spanish)
            otro = l;
    }
    return otro;
}

bool VozQt::disponible() const
{
    return m_habla && m_habla->state() != QTextToSpeech::Error;
}

void VozQt::di(const QString &frase)
{
    if (!disponible()) {
        emit dicha();
        return;
    }
    m_diciendo = true;
    m_habla->say(frase);
    // An engine that cannot start the sentence says so at once.
    if (m_habla->state() == QTextToSpeech::Error) {
        m_diciendo = false;
        emit dicha();
    }
}

void VozQt::calla()
{
    if (m_habla)
        m_habla->stop();
}

void VozQt::cambiaEstado()
{
    const auto estado = m_habla->state();
    if (m_diciendo && (estado == QTextToSpeech::Ready || estado == QTextToSpeech::Error)) {
        m_diciendo = false;
        emit dicha();
    }
}
