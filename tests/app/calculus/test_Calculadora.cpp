// The calculator's keys as the student presses them: the read-out after
// each sequence, the messages, and the inner state where the keys differ.
#include "Calculadora.h"

#include "Regional.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Presses the keys of a script: digits, ".", "/", "+", "X", "-", "=",
// "r" (root), "^" (power), "%", "C" and "E" (CE). Returns the messages.
std::vector<std::string> Pulsa(Calculadora &c, const std::string &teclas)
{
    using Op = Calculadora::Operador;
    std::vector<std::string> avisos;
    const auto opera = [&](Op op) {
        if (auto aviso = c.operador(op); !aviso.empty())
            avisos.push_back(aviso);
    };
    for (char t : teclas) {
        switch (t) {
        case '.': c.punto(); break;
        case '/': opera(Op::Div); break;
        case '+': opera(Op::Mas); break;
        case 'X': opera(Op::Mult); break;
        case '-': opera(Op::Menos); break;
        case '=': opera(Op::Igual); break;
        case 'r': opera(Op::Raiz); break;
        case '^': opera(Op::Exp); break;
        case '%': c.porciento(); break;
        case 'C': c.borra(); break;
        case 'E': c.borraEntrada(); break;
        default: c.digito(t - '0'); break;
        }
    }
    return avisos;
}

struct Caso {
    std::string teclas;
    std::string lectura;
    std::vector<std::string> avisos;
};

// Each script on a fresh calculator.
void CompruebaCasos(const std::vector<Caso> &casos)
{
    for (const Caso &caso : casos) {
        Calculadora c;
        EXPECT_EQ(Pulsa(c, caso.teclas), caso.avisos) << caso.teclas;
        EXPECT_EQ(c.lectura(), caso.lectura) << caso.teclas;
    }
}
} // namespace

TEST(Calculadora, SecuenciasDeTeclas)
{
    const std::vector<Caso> casos = {
        {"", "0.", {}},
        {"12", "12.", {}},
        {"1.25", "1.25", {}},
        {".5", "0.5", {}},
        {"-.5", "-0.5", {}},
        {"-8", "-8.", {}},
        {"8r3=", "2", {}},
        {"-8r3=", "-2", {}},
        // The display keeps what it showed.
        {"-8r2=", "-8.", {"No existe la raíz"}},
        {"8r0=", "8.", {"No existe la raíz cero"}},
        // A root index that is not whole counts as odd.
        {"-8r2.5=", "-2.29739670999407", {}},
        {"2^10=", "1024", {}},
        {"5/0=", "5.", {"Imposible dividir entre cero"}},
        {"7/2=", "3.5", {}},
        {"1.5X4=", "6", {}},
        {"9-3=", "6", {}},
        {"5+-3=", "2", {}},
        {"2+3X4=", "20", {}},
        {"50%", "0.5", {}},
        {"50%7", "7.", {}},
        {"200X50%=", "100", {}},
        // The percent of a lone number is a finished result: it takes an
        // operator or "=", and a number typed next starts a new calculation.
        {"50%=", "0.5", {}},
        {"50%X4=", "2", {}},
        {"50%+2=", "2.5", {}},
        {"50%-3=", "-2.5", {}},
        {"50%3=", "3.", {}},
        {"50%3=+2=", "5", {}},
        {"50%20%=", "0.2", {}},
        // So is it after a result, whether of the result or of a number
        // typed after it: no old operand multiplies it again.
        {"2+3=%=", "0.05", {}},
        {"2+3=50%=", "0.5", {}},
        {"2+3=50%3=", "3.", {}},
        {"2+3=", "5", {}},
        {"2+3==", "5", {}},
        {"2+3===", "5", {}},
        {"5+3E2=", "7", {}},
        {"5+3C", "0.", {}},
        {"5+3C4=", "4.", {}},
        // Beyond a Double: the message, and the previous result stays.
        {"10^400=", "10.", {"Rebasó límite"}},
        {"10^200=X1" + std::string(200, '0') + "=", "1E+200", {"Rebasó límite"}},
        // A read-out holding only the sign of the number to come reads 0.
        {"5+-", "-", {}},
        {"5+-%", "0", {}},
        // "X" over the lone sign takes it as the first operand (0) and keeps
        // the pending "+": 0 + -3.
        {"5+-X3=", "-3", {}},
    };
    CompruebaCasos(casos);
}

TEST(Calculadora, EstadoDeLasTeclas)
{
    Calculadora c;
    EXPECT_EQ(c.ultimaEntrada(), "NONE");
    EXPECT_EQ(c.operadorPendiente(), " ");
    Pulsa(c, "-");
    EXPECT_EQ(c.ultimaEntrada(), "NEG");
    EXPECT_EQ(c.operadorPendiente(), " ");
    EXPECT_EQ(c.numOperandos(), 0);
    Pulsa(c, "5");
    EXPECT_EQ(c.ultimaEntrada(), "NUMS");
    Pulsa(c, "%");
    // Percent is "Ops", not "OPS"; of a lone number it is a result, with
    // nothing pending but "=".
    EXPECT_EQ(c.ultimaEntrada(), "Ops");
    EXPECT_EQ(c.operadorPendiente(), "igual");
    EXPECT_EQ(c.numOperandos(), 1);
    Pulsa(c, "X");
    EXPECT_EQ(c.ultimaEntrada(), "OPS");
    EXPECT_EQ(c.operadorPendiente(), "mult");
    EXPECT_EQ(c.lecturaPrevia(), "-0.05");
    // After an operator it is the second operand, multiplied at the next
    // operator.
    Pulsa(c, "2%");
    EXPECT_EQ(c.ultimaEntrada(), "Ops");
    EXPECT_EQ(c.operadorPendiente(), "porciento");
    EXPECT_EQ(c.numOperandos(), 2);
    Pulsa(c, "E");
    EXPECT_EQ(c.ultimaEntrada(), "CE");
    EXPECT_EQ(c.lectura(), "0.");
}

TEST(Calculadora, LaCargaEmpiezaDeNuevo)
{
    Calculadora c;
    Pulsa(c, "6+");
    c.carga();
    EXPECT_EQ(c.lectura(), "0.");
    EXPECT_EQ(c.numOperandos(), 0);
    // The operands left before never reach a result: a percent typed now
    // does not multiply the old first operand.
    Pulsa(c, "1%2%=");
    EXPECT_EQ(c.lectura(), "0.02");
    c.carga();
    Pulsa(c, "50%3=");
    EXPECT_EQ(c.lectura(), "3.");
}

TEST(Calculadora, SeparadorComa)
{
    rt::ConSeparadorLocal coma(',');
    const std::vector<Caso> casos = {
        {"", "0,", {}},
        {"12", "12,", {}},
        {"1.5X2=", "3", {}},
        {"7/2=", "3,5", {}},
        {"50%", "0,5", {}},
        {"-8r3=", "-2", {}},
    };
    CompruebaCasos(casos);
    EXPECT_TRUE(Calculadora::esImpar(3));
    EXPECT_FALSE(Calculadora::esImpar(4));
}

TEST(Calculadora, EsImpar)
{
    EXPECT_TRUE(Calculadora::esImpar(3));
    EXPECT_TRUE(Calculadora::esImpar(-1));
    EXPECT_FALSE(Calculadora::esImpar(2));
    EXPECT_FALSE(Calculadora::esImpar(0));
    EXPECT_TRUE(Calculadora::esImpar(2.5));
}
