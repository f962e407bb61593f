#pragma once
// A tab strip whose captions are written smaller where the strip is too
// narrow for all of them at the window's font, down to a legible least
// size, so that every tab stays in sight without scroll arrows and the
// strip is no taller than before. The captions themselves (tabText) do not
// change. Where even the least size does not fit, the arrows come back.
#include <QTabWidget>

class PestanasAjustadas : public QTabWidget {
    Q_OBJECT
public:
    explicit PestanasAjustadas(QWidget *parent = nullptr);

    static constexpr double PuntosMinimos = 7;
};
