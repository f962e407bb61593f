#include "LecturaCalculadora.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

LecturaCalculadora::LecturaCalculadora(QWidget *parent)
    : QLabel(parent)
{
}

void LecturaCalculadora::mousePressEvent(QMouseEvent *evento)
{
    evento->accept();
    // The drag carries the read-out as it stands ("12."); where it may not
    // land the pointer shows so.
    auto *arrastre = new QDrag(this);
    auto *datos = new QMimeData;
    datos->setText(text());
    arrastre->setMimeData(datos);
    arrastre->exec(Qt::CopyAction);
}
