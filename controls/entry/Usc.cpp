#include "Usc.h"

Usc::Usc(QWidget *parent)
    : QWidget(parent)
{
}
