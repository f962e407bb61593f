#pragma once
// The cover's two animations, drawn by the program: the curve of a
// polynomial traced with its tangent sliding along it, and the product's
// name assembling itself.
#include <QTimer>
#include <QWidget>

class AnimacionPortada : public QWidget {
    Q_OBJECT
public:
    enum class Pelicula { Curva, Logos };

    explicit AnimacionPortada(Pelicula pelicula, QWidget *parent = nullptr);

    bool Playing() const { return m_reloj.isActive(); }
    void Playing(bool si);
    int cuadro() const { return m_cuadro; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void pintaCurva(QPainter &p);
    void pintaLogos(QPainter &p);

    Pelicula m_pelicula;
    QTimer m_reloj;
    int m_cuadro = 0;
};
