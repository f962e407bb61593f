#pragma once
// The controls the graph windows build alike: word-wrapped labels, push
// buttons and the raised panels that group a stage's controls.
#include <QString>

class QFrame;
class QLabel;
class QWidget;
class Usc;

QLabel *Rotulo(const QString &texto, QWidget *padre, int puntos = 10, bool negrita = false);
Usc *Boton(const QString &caption, const QString &nombre, QWidget *padre);
QFrame *Marco(QWidget *padre, const QString &nombre);
