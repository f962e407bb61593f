#pragma once
// The character's voice through the desktop's speech engine (Qt's text to
// speech), with a Spanish voice when the engine lists one. The engine works
// in a thread of its own: sentences given while it is being looked for are
// said once it is ready; without one the voice is silent and the balloon
// alone carries the words. The engine and the speech client's own thread
// are closed in the engine's thread when the voice stops; the program's end
// waits for that (DetieneTodas) before its windows and statics go.
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
    bool disponible() const override { return !m_detenida && (m_buscando || !m_motor.isEmpty()); }

    // Stops the engine: the sentence under way, then the engine itself and
    // its thread. The voice is silent from then on.
    void detiene();
    // Stops every voice and waits, at most msMaximo milliseconds in all,
    // until every engine's thread has ended, those of voices already gone
    // included. False when one is still running (a speech service that does
    // not answer): it may still use what the program would free.
    static bool DetieneTodas(int msMaximo);

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
    bool m_detenida = false;
    QLocale m_idioma = QLocale::c();
};
