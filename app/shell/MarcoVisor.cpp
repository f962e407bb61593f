#include "MarcoVisor.h"

#include "Usc.h"

#include <QBoxLayout>
#include <QLabel>

void ArmaVisor(QWidget &ventana, QLabel &imagen, QWidget &encabezado,
               std::initializer_list<std::pair<QWidget *, int>> centro, Usc &cerrar)
{
    auto *arriba = new QHBoxLayout;
    imagen.setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    arriba->addWidget(&imagen);
    arriba->addWidget(&encabezado, 1);
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(&cerrar);
    auto *todo = new QVBoxLayout(&ventana);
    todo->addLayout(arriba);
    for (const auto &[pieza, estira] : centro)
        todo->addWidget(pieza, estira);
    todo->addLayout(abajo);
}

void FuenteEncabezado(QWidget &encabezado)
{
    QFont fuente = encabezado.font();
    fuente.setBold(true);
    fuente.setPointSizeF(fuente.pointSizeF() * 1.3);
    encabezado.setFont(fuente);
}
