#include "ControlesRespuesta.h"

#include "Usc.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

std::vector<QRadioButton *> CreaOpciones(QWidget &padre, QBoxLayout &zona, QButtonGroup &grupo,
                                         const QStringList &textos, const std::function<void(int)> &alElegir)
{
    std::vector<QRadioButton *> opciones;
    for (int i = 0; i < textos.size(); ++i) {
        auto *o = new QRadioButton(textos[i], &padre);
        opciones.push_back(o);
        grupo.addButton(o, i);
        zona.addWidget(o);
        QObject::connect(o, &QRadioButton::clicked, &padre, [alElegir, i] { alElegir(i); });
    }
    return opciones;
}

void DesmarcaGrupo(QButtonGroup &grupo)
{
    const bool exclusivo = grupo.exclusive();
    grupo.setExclusive(false);
    for (QAbstractButton *b : grupo.buttons())
        b->setChecked(false);
    grupo.setExclusive(exclusivo);
}

Usc *BotonEnFila(QWidget &padre, QBoxLayout &fila, const QString &texto)
{
    auto *b = new Usc(&padre);
    b->Caption(texto);
    // A window short of height squeezes its tools, never the answer's buttons.
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    fila.addWidget(b);
    return b;
}
