#pragma once
// The speech balloon: a frameless window beside the character that shows
// the sentence being said, kept whole on the screen and, where it can be,
// clear of what the student reads or clicks.
#include <QList>
#include <QWidget>

class QLabel;
class QPainterPath;

class GloboPersonaje : public QWidget {
    Q_OBJECT
public:
    explicit GloboPersonaje(QWidget *dueno = nullptr);
    // The sentence, laid out: the balloon takes its size (it is shown by
    // coloca).
    void fijaTexto(const QString &frase);
    // Shows the sentence next to the figure's rectangle, on the side that
    // LugarPersonaje::LugarGlobo gives for zonas (all in screen pixels).
    void coloca(const QRect &figura, const QList<QRect> &zonas = {});
    QString texto() const;
    // The size it takes for a sentence of up to four lines.
    QSize tamanoReservado() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The outline with its tail, which is also the window's shape.
    QPainterPath contorno() const;

    QLabel *m_texto = nullptr;
    bool m_colaAbajo = true; // the tail points down to the figure
    int m_xCola = 0;          // where the tail meets the balloon
};
