#pragma once
// The calculator's read-out: a label whose number the student can drag, with
// any mouse button, onto an exercise's numeric box (the box takes the text).
#include <QLabel>

class LecturaCalculadora : public QLabel {
    Q_OBJECT
public:
    explicit LecturaCalculadora(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *evento) override;
};
