#pragma once
// The character itself: a small genie drawn with the painter in a frameless
// window that floats above the program. It stands in its idle pose, and
// plays each of its animations as a short sequence of drawn poses. Clicks
// and its context menu (mouse or keyboard) are reported to its owner.
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <vector>

class QMenu;
class QPainter;

class FiguraPersonaje : public QWidget {
    Q_OBJECT
public:
    // What a pose changes from the idle figure.
    struct Pose {
        int brazoIzquierdo = 25;  // degrees from hanging down, outwards
        int brazoDerecho = 25;
        int inclinacion = 0;      // head tilt in degrees
        int boca = 0;             // 0 smile, 1 open, 2 sad
        char simbolo = 0;         // '?', '!' (idea), '*' (stars) or none
    };

    // The size of the figure: it fits the 140 by 240 pixels the screen's
    // corner leaves it.
    static constexpr int kAncho = 120;
    static constexpr int kAlto = 200;

    explicit FiguraPersonaje(QWidget *dueno = nullptr);

    // The animations it knows, by name.
    static QStringList animaciones();
    // Plays the named animation; false (and nothing drawn) for an unknown
    // name. Emits animacionTerminada() after its last pose.
    bool anima(const QString &nombre, int msPorCuadro);
    bool animando() const { return m_cuadros.size() > m_cuadro; }
    // Drops the animation under way, back to the idle pose, without
    // reporting its end.
    void detieneAnimacion();
    // The menu shown by a right click or the menu key.
    void fijaMenu(QMenu *menu) { m_menu = menu; }
    const Pose &pose() const { return m_pose; }

signals:
    void pulsado(int boton); // 1 left, 2 right
    void animacionTerminada();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void siguienteCuadro();
    void dibuja(QPainter &p) const;
    // Only the drawn figure takes clicks and hides what is behind, also
    // where no compositor makes the window's background transparent.
    void recorta();

    Pose m_pose;
    std::vector<Pose> m_cuadros;
    std::size_t m_cuadro = 0;
    QTimer m_reloj;
    QMenu *m_menu = nullptr;
};
