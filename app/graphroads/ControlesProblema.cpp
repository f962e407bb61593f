#include "ControlesProblema.h"

#include "Usc.h"

#include <QFrame>
#include <QLabel>

QLabel *Rotulo(const QString &texto, QWidget *padre, int puntos, bool negrita)
{
    auto *l = new QLabel(texto, padre);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QFont f = l->font();
    f.setPointSize(puntos);
    f.setBold(negrita);
    l->setFont(f);
    return l;
}

Usc *Boton(const QString &caption, const QString &nombre, QWidget *padre)
{
    auto *b = new Usc(padre);
    b->Caption(caption);
    b->setObjectName(nombre);
    return b;
}

QFrame *Marco(QWidget *padre, const QString &nombre)
{
    auto *f = new QFrame(padre);
    f->setObjectName(nombre);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    f->setLineWidth(2);
    return f;
}
