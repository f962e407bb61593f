#include "UCDextavo.h"

UCDextavo::UCDextavo(QWidget *parent)
    : QWidget(parent)
{
}
