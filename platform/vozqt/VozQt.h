#pragma once
// The character's voice through the desktop's speech engine (Qt's text to
// speech), with a Spanish voice when the engine lists one. The engine works
// in a thread of its own: sentences given while it is being looked for are
// said once it is ready; without one the voice is silent and the balloon
// alone carries the words. Its end never waits for a service that is slow
// to answer.
#include "Voz.h"

#include <QList>
#include <QLocale>

class MotorHabla;
class QThread;

class VozQt : public Voz {
    Q_OBJECT
public:
    // The engine by name; empty takes the first that can speak Spanish
    // (speech-dispatcher first), else the first that works.
    explicit VozQt(const QString &motor = {}, QObject *padre = nullptr);
    ~VozQt() override;

    void di(const QString &frase) override;
    void calla() override;
    bool disponible() const override { return m_buscando || !m_motor.isEmpty(); }

    // Which backend this build speaks through.
    static QString respaldo();
    // The engine and language in use, once the engine is ready ("" and C
    // before, or without one).
    QString motor() const { return m_motor; }
    QLocale idioma() const { return m_idioma; }

    // The Spanish to speak among the languages offered: Mexican Spanish,
    // else Latin American, else any other; QLocale::c() when none.
    static QLocale eligeEspanol(const QList<QLocale> &idiomas);

signals:
    // The engine has been looked for (motor() tells whether one was found).
    void preparada();

private:
    QThread *m_hilo = nullptr;
    MotorHabla *m_habla = nullptr;
    QString m_motor;
    bool m_buscando = true;
    QLocale m_idioma = QLocale::c();
};
