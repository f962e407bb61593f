#pragma once
// The calculator: four operations, percent, n-th root and power, opened from
// the toolbar beside the exercise panel, modeless, on top of the main window.
// Its read-out can be dragged onto an exercise's numeric box. "Cancelar"
// clears it and hides it; the toolbar shows it again.
#include "Calculadora.h"
#include "VentanaBase.h"

#include <array>

class LecturaCalculadora;
class QPushButton;
class Usc;

class frmcalculadora : public VentanaBase {
    Q_OBJECT
public:
    // The toolbar's key: the calculator, loaded if needed, shown modeless.
    static frmcalculadora *Abre();

    frmcalculadora();
    Lugar lugar() const override { return Lugar::Encima; }
    void alCargar() override { Form_Load(); }

    void Number_Click(int indice);
    // 0 "/", 1 "+", 2 "X", 3 "-", 4 "=", 5 root, 6 power.
    void Operator_Click(int indice);
    void Decimal_Click();
    void Percent_Click();
    void Cancel_Click();
    void CancelEntry_Click();
    void cmdcalculadora_Click();
    void CmdAyuda_Click();

    LecturaCalculadora *Readout() const { return m_readout; }
    QPushButton *Number(int i) const { return m_number[static_cast<std::size_t>(i)]; }
    QPushButton *Operator(int i) const { return m_operator[static_cast<std::size_t>(i)]; }
    QPushButton *Decimal() const { return m_decimal; }
    QPushButton *Percent() const { return m_percent; }
    Usc *Cancel() const { return m_cancel; }
    Usc *CancelEntry() const { return m_cancelEntry; }
    Usc *cmdcalculadora() const { return m_cmdcalculadora; }
    QPushButton *CmdAyuda() const { return m_cmdAyuda; }

protected:
    // Nothing lands on the calculator: the pointer shows no-drop over it.
    void dragEnterEvent(QDragEnterEvent *evento) override;
    void dropEvent(QDropEvent *evento) override;

private:
    void Form_Load();
    void muestraLectura();

    Calculadora m_calculadora;
    LecturaCalculadora *m_readout;
    std::array<QPushButton *, 10> m_number{};
    std::array<QPushButton *, 7> m_operator{};
    QPushButton *m_decimal;
    QPushButton *m_percent;
    Usc *m_cancel;
    Usc *m_cancelEntry;
    Usc *m_cmdcalculadora;
    QPushButton *m_cmdAyuda;
};
