#include "Personaje.h"

#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"
#include "LugarPersonaje.h"
#include "Voz.h"

#include "Azar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {
// One of the phrasings that "|" separates, drawn at random; a sentence
// without alternatives stays as written.
QString EligeAlternativa(const QString &frase)
{
    const QStringList partes = frase.split(QLatin1Char('|'));
    if (partes.size() < 2)
        return frase;
    return partes[rt::EnteroAzar0(int(partes.size()))].trimmed();
}
} // namespace

Personaje::Personaje(std::unique_ptr<Voz> voz, QWidget *dueno)
    : Personaje(FabricaVoz{}, dueno)
{
    ponVoz(std::move(voz));
}

Personaje::Personaje(FabricaVoz fabrica, QWidget *dueno)
    : m_fabricaVoz(std::move(fabrica))
{
    m_figura = new FiguraPersonaje(dueno);
    m_globo = new GloboPersonaje(dueno);
    m_menu = new QMenu(m_figura);
    m_menu->setObjectName(QStringLiteral("menuPersonaje"));
    m_figura->fijaMenu(m_menu);
    m_lectura.setSingleShot(true);
    m_limiteVoz.setSingleShot(true);
    connect(m_figura, &FiguraPersonaje::pulsado, this, &Personaje::clic);
    connect(m_figura, &FiguraPersonaje::animacionTerminada, this, &Personaje::terminaPaso);
    connect(&m_lectura, &QTimer::timeout, this, [this] {
        m_leida = true;
        terminaFrase();
    });
    connect(&m_limiteVoz, &QTimer::timeout, this, [this] { vozDicha(); });

    m_lugarPedido = m_figura->pos();
    m_revision.setSingleShot(true);
    m_revision.setInterval(50);
    connect(&m_revision, &QTimer::timeout, this, &Personaje::colocaFigura);
    m_vigia.setInterval(700);
    connect(&m_vigia, &QTimer::timeout, this, &Personaje::colocaFigura);
    // A window that comes forward (opened, clicked, a subwindow activated)
    // may stand under the figure.
    connect(qApp, &QApplication::focusChanged, &m_revision, qOverload<>(&QTimer::start));
    connect(qApp, &QGuiApplication::focusWindowChanged, &m_revision, qOverload<>(&QTimer::start));
}

void Personaje::ponVoz(std::unique_ptr<Voz> voz)
{
    m_voz = std::move(voz);
    if (m_voz)
        connect(m_voz.get(), &Voz::dicha, this, [this] { vozDicha(); });
}

Personaje::~Personaje()
{
    // Owned by the window they float above, unless it has gone first.
    delete m_figura;
    delete m_globo;
}

void Personaje::muestra()
{
    encola({Paso::Muestra, {}, {}});
}

void Personaje::oculta()
{
    encola({Paso::Oculta, {}, {}});
}

void Personaje::mueveA(int x, int y)
{
    encola({Paso::Mueve, {}, QPoint(x, y)});
}

void Personaje::habla(const QString &frase)
{
    Paso paso{Paso::Habla, EligeAlternativa(frase), {}};
    encola(std::move(paso));
}

void Personaje::hablaSegun(std::function<QString()> frase)
{
    Paso paso{Paso::Habla, {}, {}};
    paso.frase = std::move(frase);
    encola(std::move(paso));
}

void Personaje::actua(const QString &animacion)
{
    encola({Paso::Actua, animacion, {}});
}

void Personaje::quitaComandos()
{
    m_comandos.clear();
    rehaceMenu();
}

void Personaje::agregaComando(const ComandoPersonaje &comando)
{
    m_comandos.append(comando);
    rehaceMenu();
}

void Personaje::rehaceMenu()
{
    m_menu->clear();
    for (const ComandoPersonaje &c : std::as_const(m_comandos)) {
        if (!c.visible)
            continue;
        QAction *a = m_menu->addAction(c.titulo);
        a->setObjectName(c.nombre);
        a->setEnabled(c.habilitado);
        const QString nombre = c.nombre;
        // Queued: the handler may change this very menu.
        connect(a, &QAction::triggered, this, [this, nombre] { emit comando(nombre); }, Qt::QueuedConnection);
    }
}

void Personaje::encola(Paso paso)
{
    // The voice's engine starts with the first sentence, not before.
    if (paso.tipo == Paso::Habla && !m_voz && m_fabricaVoz)
        ponVoz(std::exchange(m_fabricaVoz, {})());
    m_cola.append(std::move(paso));
    if (!m_enCurso)
        siguiente();
}

void Personaje::siguiente()
{
    if (m_cola.isEmpty()) {
        m_enCurso = false;
        emit colaVacia();
        return;
    }
    m_enCurso = true;
    const Paso paso = m_cola.takeFirst();
    switch (paso.tipo) {
    case Paso::Muestra:
        m_figura->show();
        colocaFigura();
        m_vigia.start();
        terminaPaso();
        break;
    case Paso::Oculta:
        m_globo->hide();
        m_figura->hide();
        m_vigia.stop();
        terminaPaso();
        break;
    case Paso::Mueve:
        m_lugarPedido = dentroDePantalla(paso.punto);
        colocaFigura();
        terminaPaso();
        break;
    case Paso::Habla: {
        const QString texto = paso.frase ? EligeAlternativa(paso.frase()) : paso.texto;
        if (texto.isEmpty()) {
            terminaPaso();
            break;
        }
        m_leida = false;
        m_enFrase = true;
        m_vozDicha = !m_voz || !m_voz->disponible();
        // The figure makes room for this balloon first, if it must.
        m_globo->fijaTexto(texto);
        colocaFigura();
        emit dicho(texto);
        const int lectura =
            std::max(m_ritmo.msMinimo, int(m_ritmo.msPorLetra * texto.size()));
        m_lectura.start(lectura);
        if (!m_vozDicha) {
            m_limiteVoz.start(2 * lectura + 3000);
            m_voz->di(texto);
        }
        break;
    }
    case Paso::Actua:
        emit animacion(paso.texto);
        if (!m_figura->anima(paso.texto, m_ritmo.msPorCuadro))
            terminaPaso();
        break;
    }
}

void Personaje::terminaPaso()
{
    // From the event loop: a long queue never deepens the stack, and the
    // caller finishes queueing first.
    const int turno = m_turno;
    QTimer::singleShot(0, this, [this, turno] {
        if (turno == m_turno)
            siguiente();
    });
}

void Personaje::vozDicha()
{
    if (!m_enFrase)
        return;
    m_vozDicha = true;
    m_limiteVoz.stop();
    terminaFrase();
}

void Personaje::terminaFrase()
{
    if (!m_leida || !m_vozDicha)
        return;
    m_leida = false;
    m_enFrase = false;
    m_globo->hide();
    terminaPaso();
}

void Personaje::calla()
{
    ++m_turno;
    m_cola.clear();
    m_lectura.stop();
    m_limiteVoz.stop();
    m_leida = false;
    if (m_voz)
        m_voz->calla();
    m_enFrase = false;
    m_figura->detieneAnimacion();
    m_globo->hide();
    m_enCurso = false;
}

void Personaje::detiene()
{
    calla();
    m_figura->hide();
    m_vigia.stop();
    m_revision.stop();
}

QWidget *Personaje::ventanaAlFrente()
{
    // The character's own windows and menus never count: while one of them
    // is active, the window that was in front before still is.
    QWidget *activa = QApplication::activeWindow();
    const bool propia = activa
                        && (activa == m_figura || activa == m_globo || activa->windowType() == Qt::Popup
                            || activa->windowType() == Qt::ToolTip);
    if (activa && !propia)
        m_frente = activa;
    return m_frente;
}

void Personaje::colocaFigura()
{
    // The window they float above may have taken them along already.
    if (!m_figura || !m_globo)
        return;
    QPoint lugar = m_lugarPedido;
    QList<QRect> zonas;
    QWidget *frente = ventanaAlFrente();
    const bool visible = m_figura->isVisible();
    if (visible && frente && frente->isVisible()) {
        zonas = LugarPersonaje::ZonasOcupadas(*frente);
        // A window that stands on top of the one they float above leaves
        // that one's buttons and text in view around it.
        QWidget *debajo = m_figura->parentWidget() ? m_figura->parentWidget()->window() : nullptr;
        if (debajo && debajo != frente && debajo->isVisible()) {
            const QRect tapado = frente->frameGeometry();
            for (const QRect &z : LugarPersonaje::ZonasOcupadas(*debajo))
                if (!tapado.contains(z))
                    zonas.append(z);
        }
    }
    if (visible) {
        QScreen *pantalla = QGuiApplication::screenAt(m_lugarPedido);
        if (!pantalla)
            pantalla = QGuiApplication::primaryScreen();
        // Room for a balloon of up to four lines, so that the figure stays
        // put from one sentence to the next; a longer one takes its own.
        QSize globo = m_globo->tamanoReservado();
        if (m_enFrase)
            globo = globo.expandedTo(m_globo->size());
        if (pantalla)
            lugar = LugarPersonaje::Elige(m_lugarPedido, m_figura->size(), pantalla->availableGeometry(), zonas,
                                          globo);
    }
    if (lugar != m_figura->pos())
        m_figura->move(lugar);
    // The sentence under way beside the figure, on the side that is clear.
    if (visible && m_enFrase)
        m_globo->coloca(m_figura->frameGeometry(), zonas);
}

QPoint Personaje::dentroDePantalla(QPoint punto) const
{
    QScreen *pantalla = QGuiApplication::screenAt(punto);
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return punto;
    const QRect util = pantalla->availableGeometry();
    return {std::clamp(punto.x(), util.left(), std::max(util.left(), util.right() + 1 - m_figura->width())),
            std::clamp(punto.y(), util.top(), std::max(util.top(), util.bottom() + 1 - m_figura->height()))};
}
