#pragma once
#include <QWidget>

// The plotting surface with world coordinates (being built).
class PictureEjes : public QWidget {
    Q_OBJECT
public:
    explicit PictureEjes(QWidget *parent = nullptr);
};
