#pragma once
// Answer controls that several exercises build alike: a column of option
// buttons in one group, clearing such a group, and a row of buttons.
#include <QStringList>

#include <functional>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QRadioButton;
class QWidget;
class Usc;

// One option per text, added to zona and to grupo (ids 0, 1, ...); a click
// reports the option's index to alElegir.
std::vector<QRadioButton *> CreaOpciones(QWidget &padre, QBoxLayout &zona, QButtonGroup &grupo,
                                         const QStringList &textos, const std::function<void(int)> &alElegir);
// Every option of the group unchecked (an exclusive group would keep one).
void DesmarcaGrupo(QButtonGroup &grupo);
// A button with the caption, at the end of the row.
Usc *BotonEnFila(QWidget &padre, QBoxLayout &fila, const QString &texto);
