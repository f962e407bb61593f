#pragma once
// The main window as the panel windows reach it (its two top menus).
class frmMdiCalcDife;

// The program's main window, or nullptr when there is none (some tests).
frmMdiCalcDife *VentanaMadre();
// Switches the main window's two top menus on or off together.
void HabilitaMenusMadre(bool si);
