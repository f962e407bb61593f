#pragma once
// The speech balloon: a frameless window beside the character that shows
// the sentence being said, kept whole on the screen.
#include <QWidget>

class QLabel;
class QPainterPath;

class GloboPersonaje : public QWidget {
    Q_OBJECT
public:
    explicit GloboPersonaje(QWidget *dueno = nullptr);
    // Shows the sentence next to the figure's rectangle (screen pixels):
    // above it when there is room, else below.
    void muestra(const QString &frase, const QRect &figura);
    QString texto() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The outline with its tail, which is also the window's shape.
    QPainterPath contorno() const;

    QLabel *m_texto = nullptr;
    bool m_colaAbajo = true; // the tail points down to the figure
    int m_xCola = 0;          // where the tail meets the balloon
};
