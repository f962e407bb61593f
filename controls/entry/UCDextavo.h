#pragma once
#include <QWidget>

class UCDextavo : public QWidget {
    Q_OBJECT
public:
    explicit UCDextavo(QWidget *parent = nullptr);
};
