#pragma once
// The one graph window as the drawing routines use it: the main graph, the
// band strip below it, the legend panel, and whether the cursor read-out is
// on. The shell's graph window implements it.
class PictureEjes;

class VentanaDibujo {
public:
    virtual ~VentanaDibujo() = default;

    virtual PictureEjes &picejGraf() = 0;   // the main graph
    virtual PictureEjes &Picejegraf2() = 0; // the band strip
    virtual PictureEjes &PicejeGraf3() = 0; // the legend panel
    // True while the cursor read-out is on.
    virtual bool RecorreGraf() const = 0;
    // Switches the cursor read-out on or off (exercises on a graph road).
    virtual void PoneRecorreGraf(bool activo) { (void)activo; }
    // Back to the look the window has just after loading: surfaces
    // cleared, the band strip at 0..3 in y, the main graph hidden behind
    // the notice (at 1500, 1500 twips), read-out off. Windows that are
    // left (hub, roads, constructions) put it back this way.
    virtual void RestauraDiseno() {}
    // The main graph in place of the notice (a window starts drawing).
    virtual void MuestraGrafica() {}
};
