#include "PictureEjes.h"

PictureEjes::PictureEjes(QWidget *parent)
    : QWidget(parent)
{
}
