#include "RichTextPolin.h"

RichTextPolin::RichTextPolin(QWidget *parent)
    : QWidget(parent)
{
}
