#pragma once
#include <QWidget>

class Usc : public QWidget {
    Q_OBJECT
public:
    explicit Usc(QWidget *parent = nullptr);
};
