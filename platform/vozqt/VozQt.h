#pragma once
// The character's voice through the desktop's speech engine (Qt's text to
// speech). It speaks with a Spanish voice when the engine lists one; with
// no engine, or none that works, it stays silent and the balloon alone
// carries the words.
#include "Voz.h"

#include <QList>
#include <QLocale>

class QTextToSpeech;

class VozQt : public Voz {
    Q_OBJECT
public:
    // The engine by name; empty takes the first that can speak Spanish
    // (speech-dispatcher first), else the system's default.
    explicit VozQt(const QString &motor = {}, QObject *padre = nullptr);
    ~VozQt() override;

    void di(const QString &frase) override;
    void calla() override;
    bool disponible() const override;

    // Which backend this build speaks through.
    static QString respaldo();
    // The engine and language in use ("" when none).
    QString motor() const { return m_motor; }
    QLocale idioma() const;

    // The Spanish language to speak among those offered: Mexican Spanish
    // first, then any other Spanish; nullopt-like QLocale::c() when none.
    static QLocale eligeEspanol(const QList<QLocale> &idiomas);

private:
    void cambiaEstado();

    QTextToSpeech *m_habla = nullptr;
    QString m_motor;
    bool m_diciendo = false;
};
