#pragma once
// A voice that speaks nothing and writes down every sentence it is given,
// finishing each one as a real engine would, from the event loop.
#include "Voz.h"

#include <QStringList>
#include <QTimer>

class VozGrabada : public Voz {
    Q_OBJECT
public:
    using Voz::Voz;
    void di(const QString &frase) override
    {
        m_frases << frase;
        QTimer::singleShot(0, this, &Voz::dicha);
    }
    void calla() override {}
    bool disponible() const override { return true; }
    const QStringList &frases() const { return m_frases; }

private:
    QStringList m_frases;
};
