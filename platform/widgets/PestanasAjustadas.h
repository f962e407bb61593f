#pragma once
// A tab strip whose captions are written smaller where the strip is too
// narrow for all of them at the window's font, down to a legible least
// size, so that every tab stays in sight without scroll arrows and the
// strip is no taller than before; where even that size does not fit, the
// captions break onto two lines at the window's font (the strip grows
// taller), and where those do not fit either, the arrows come back. The
// captions themselves (tabText) do not change.
#include <QTabWidget>

class PestanasAjustadas : public QTabWidget {
    Q_OBJECT
public:
    explicit PestanasAjustadas(QWidget *parent = nullptr);

    static constexpr double PuntosMinimos = 7;
    // The captions are drawn on two lines now.
    bool EnDosLineas() const;
};
