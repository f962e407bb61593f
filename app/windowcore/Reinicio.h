#pragma once
// Back to the first screen: the one routine behind every "al &inicio" and
// "Regresar a &Inicio" (exercises, choosers, roads, constructions, lines,
// the hub). Every window above the main window is unloaded (open exercises
// first, as their "Cancelar"; then choosers, the hub and the graph window),
// there is no current polynomial, the screen-context stack holds only the
// start context, both main menus are on, the tour is at "Rollo" and no
// concept is the last finished. The concept flags are cleared unless
// conservaConceptos (the hub's own "Regresar a &Inicio" keeps them).
void RegresaAlInicio(bool conservaConceptos = false);
