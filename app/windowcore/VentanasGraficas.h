#pragma once
// The windows of the graph folder that the hub's "&Otros Problemas" opens
// (defined with them; the shell registers each under its menu entry).
void AbreIdentifica();
void AbreRectaTangente();
void AbreRectaNormal();
// The two graph roads (the hub's "&Identificar características de un polinomio").
void AbreGrafiConcepto();
void AbreGrafiDeri();
