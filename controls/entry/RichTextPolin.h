#pragma once
#include <QWidget>

class RichTextPolin : public QWidget {
    Q_OBJECT
public:
    explicit RichTextPolin(QWidget *parent = nullptr);
};
