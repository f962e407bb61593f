#pragma once
// The speech engine itself, living in a thread of its own: connecting to
// the desktop's speech service, or a service that hangs, never stops the
// windows. It reports by queued signals.
#include <QLocale>
#include <QObject>
#include <QTimer>

class QTextToSpeech;

class MotorHabla : public QObject {
    Q_OBJECT
public:
    explicit MotorHabla(const QString &motor);

public slots:
    // Looks for an engine (Spanish first); emits listo().
    void arranca();
    void di(const QString &frase);
    void calla();

signals:
    // The engine found ("" when none) and the language it speaks.
    void listo(const QString &motor, const QLocale &idioma);
    void dicha();

private:
    void cambiaEstado();

    QString m_pedido;
    QTextToSpeech *m_habla = nullptr;
    bool m_diciendo = false;
    bool m_empezo = false;
    // An engine without a sound device may take the sentence and never
    // start it: past this wait the sentence counts as said.
    QTimer *m_arranque = nullptr;
};
