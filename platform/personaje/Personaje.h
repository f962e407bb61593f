#pragma once
// The assistant character as the program drives it: one queue that runs
// its actions in call order (show, hide, move, say a sentence, play an
// animation), its command list shown as its context menu, and the events
// the program answers (click, command chosen, bookmark reached).
//
// In a sentence "|" separates alternative phrasings: one is drawn with the
// runtime's random generator when the sentence is queued.
#include "ComandoPersonaje.h"
#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QMenu;
class QWidget;
class Voz;

class Personaje : public QObject {
    Q_OBJECT
public:
    // How long things last. A sentence stays up while the voice says it and
    // at least as long as it takes to read.
    struct Ritmo {
        int msPorLetra = 60;
        int msMinimo = 1800;
        int msPorCuadro = 160;
    };

    using FabricaVoz = std::function<std::unique_ptr<Voz>()>;

    // The figure and balloon float above dueno; voz may be empty.
    explicit Personaje(std::unique_ptr<Voz> voz, QWidget *dueno = nullptr);
    // The voice is made by fabrica (may be empty) when the character is
    // first given a sentence: a speech service is started only for a
    // character that speaks.
    explicit Personaje(FabricaVoz fabrica, QWidget *dueno = nullptr);
    ~Personaje() override;

    void muestra();
    void oculta();
    void mueveA(int x, int y);
    void habla(const QString &frase);
    // A sentence made when its turn comes, for words that depend on what
    // the screen shows then; an empty one is skipped.
    void hablaSegun(std::function<QString()> frase);
    void actua(const QString &animacion);

    void quitaComandos();
    void agregaComando(const ComandoPersonaje &comando);
    const QList<ComandoPersonaje> &comandos() const { return m_comandos; }

    // Whether queued actions are still to run.
    bool ocupado() const { return m_enCurso; }
    void fijaRitmo(const Ritmo &ritmo) { m_ritmo = ritmo; }
    // Drops what is still queued and the sentence or gesture under way;
    // what is queued after this runs as usual.
    void calla();
    // Stops everything queued and hides (the program is ending).
    void detiene();

    FiguraPersonaje *figura() const { return m_figura; }
    GloboPersonaje *globo() const { return m_globo; }
    QMenu *menu() const { return m_menu; }
    // The voice, once made (nullptr before the first sentence, or without one).
    Voz *voz() const { return m_voz.get(); }

signals:
    void clic(int boton);
    void comando(const QString &nombre);
    void marca(int numero);
    // The queue's steps as they happen.
    void dicho(const QString &frase);
    void animacion(const QString &nombre);
    void colaVacia();

private:
    struct Paso {
        enum Tipo { Muestra, Oculta, Mueve, Habla, Actua } tipo;
        QString texto;
        QPoint punto;
        std::function<QString()> frase; // a sentence made at its turn
    };
    void encola(Paso paso);
    void siguiente();
    void terminaPaso();
    void terminaFrase();
    // The engine has finished the sentence under way.
    void vozDicha();
    void rehaceMenu();
    void ponVoz(std::unique_ptr<Voz> voz);
    // The figure's top-left kept so that all of it is on the screen.
    QPoint dentroDePantalla(QPoint punto) const;
    // Where the figure and the sentence under way stand: the place it was
    // sent to, or the nearest one where neither covers the buttons and text
    // of the window in front (or of their own window around it).
    void colocaFigura();
    // The window in front of the student (not the character's own).
    QWidget *ventanaAlFrente();

    std::unique_ptr<Voz> m_voz;
    FabricaVoz m_fabricaVoz;
    QPointer<FiguraPersonaje> m_figura;
    QPointer<GloboPersonaje> m_globo;
    QMenu *m_menu = nullptr;
    QList<ComandoPersonaje> m_comandos;
    QList<Paso> m_cola;
    bool m_enCurso = false;
    Ritmo m_ritmo;
    QTimer m_lectura;
    // An engine that never reports the end of a sentence does not stop
    // the character: past this wait the queue goes on.
    QTimer m_limiteVoz;
    bool m_leida = false;
    bool m_vozDicha = false;
    // A sentence is up: the engine's end is awaited for it.
    bool m_enFrase = false;
    // Bumped by calla(): steps of an earlier turn that end late are ignored.
    int m_turno = 0;
    // The place the figure was last sent to (its top-left, on the screen).
    QPoint m_lugarPedido;
    QPointer<QWidget> m_frente;
    // Looks again after a window comes forward, and now and then while the
    // figure is up (a page that loads, a window that grows under it).
    QTimer m_revision;
    QTimer m_vigia;
};
