#pragma once
// The character's voice: a speech engine says one sentence at a time and
// tells when it has finished. The program installs its engine through
// FabricaDeVoz(); without one the character only shows its balloon.
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Voz : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Says the sentence; emits dicha() once it has been said (at once when
    // the engine cannot speak).
    virtual void di(const QString &frase) = 0;
    // Stops the sentence being said.
    virtual void calla() = 0;
    // False when no engine can speak: the balloon alone carries the words.
    virtual bool disponible() const = 0;

signals:
    void dicha();
};

// How the program makes its voice; empty means a character without voice.
std::function<std::unique_ptr<Voz>()> &FabricaDeVoz();
