#pragma once
// A tab strip whose captions break onto a second line, at the blank nearest
// their middle, where the strip is too narrow for all of them on one: every
// tab stays in sight without scroll arrows. The captions themselves
// (tabText) do not change. Where even two lines do not fit, the arrows
// come back.
#include <QTabWidget>

class PestanasEnLineas : public QTabWidget {
    Q_OBJECT
public:
    explicit PestanasEnLineas(QWidget *parent = nullptr);

    // The captions are drawn on two lines now.
    bool EnDosLineas() const;
};
