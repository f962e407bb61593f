#include "Calculadora.h"

#include "Regional.h"
#include "TextoNumero.h"

#include <cmath>

namespace {
const char *Etiqueta(Calculadora::Operador op)
{
    switch (op) {
    case Calculadora::Operador::Div: return "div";
    case Calculadora::Operador::Mas: return "mas";
    case Calculadora::Operador::Mult: return "mult";
    case Calculadora::Operador::Menos: return "menos";
    case Calculadora::Operador::Igual: return "igual";
    case Calculadora::Operador::Raiz: return "raiz";
    case Calculadora::Operador::Exp: return "exp";
    }
    return "";
}
} // namespace

Calculadora::Calculadora()
{
    carga();
}

std::string Calculadora::separador()
{
    return std::string(1, rt::SeparadorDecimal());
}

double Calculadora::valorDe(const std::string &texto)
{
    std::string punto = texto;
    const char sep = rt::SeparadorDecimal();
    for (char &c : punto)
        if (c == sep)
            c = '.';
    return rt::Val(punto);
}

double Calculadora::Operando::valor() const
{
    return esTexto ? valorDe(texto) : numero;
}

std::string Calculadora::Operando::comoTexto() const
{
    return esTexto ? texto : rt::CStr(numero);
}

bool Calculadora::esImpar(double n)
{
    return rt::CStr(n / 2).find(rt::SeparadorDecimal()) != std::string::npos;
}

void Calculadora::carga()
{
    m_hayPunto = false;
    m_numOperandos = 0;
    m_ultimaEntrada = "NONE";
    m_operadorPendiente = " ";
    m_lectura = "0" + separador();
}

void Calculadora::digito(int d)
{
    const std::string sep = separador();
    if (m_ultimaEntrada != "NUMS") {
        m_lectura = sep;
        m_hayPunto = false;
    }
    const char cifra = static_cast<char>('0' + d);
    if (m_hayPunto)
        m_lectura += cifra;
    else
        m_lectura = m_lectura.substr(0, m_lectura.find(sep)) + cifra + sep;
    if (m_ultimaEntrada == "NEG")
        m_lectura = "-" + m_lectura;
    m_ultimaEntrada = "NUMS";
}

void Calculadora::punto()
{
    if (m_ultimaEntrada == "NEG")
        m_lectura = "-0" + separador();
    else if (m_ultimaEntrada != "NUMS")
        m_lectura = "0" + separador();
    m_hayPunto = true;
    m_ultimaEntrada = "NUMS";
}

Calculadora::Aviso Calculadora::operador(Operador op)
{
    m_lecturaPrevia = m_lectura;
    if (m_ultimaEntrada == "NUMS")
        cuentaOperando();
    Aviso aviso;
    switch (m_numOperandos) {
    case 0:
        // A minus before any number is the number's sign.
        if (op == Operador::Menos && m_ultimaEntrada != "NEG") {
            m_lectura = "-" + m_lectura;
            m_ultimaEntrada = "NEG";
        }
        break;
    case 1:
        m_operando1 = Operando::DeTexto(m_lectura);
        // A minus right after an operator starts a negative second number.
        if (op == Operador::Menos && m_ultimaEntrada != "NUMS" && m_operadorPendiente != "igual") {
            m_lectura = "-";
            m_ultimaEntrada = "NEG";
        }
        break;
    case 2:
        m_operando2 = Operando::DeTexto(m_lecturaPrevia);
        aviso = opera();
        m_lectura = m_operando1.comoTexto();
        m_numOperandos = 1;
        break;
    default:
        break;
    }
    if (m_ultimaEntrada != "NEG") {
        m_ultimaEntrada = "OPS";
        m_operadorPendiente = Etiqueta(op);
    }
    return aviso;
}

// The pending operation on both operands; a message leaves the first
// operand as it was.
Calculadora::Aviso Calculadora::opera()
{
    const std::string &op = m_operadorPendiente;
    if (op == "igual") {
        m_operando1 = m_operando2;
        return {};
    }
    const double a = m_operando1.valor();
    const double b = m_operando2.valor();
    double r;
    if (op == "mas") {
        r = a + b;
    } else if (op == "menos") {
        r = a - b;
    } else if (op == "mult" || op == "porciento") {
        r = a * b;
    } else if (op == "div") {
        if (b == 0)
            return "Imposible dividir entre cero";
        r = a / b;
    } else if (op == "raiz") {
        if (b == 0)
            return "No existe la raíz cero";
        if (a < 0 && esImpar(b))
            r = -std::pow(-a, 1 / b);
        else if (a < 0)
            return "No existe la raíz";
        else
            r = std::pow(a, 1 / b);
    } else if (op == "exp") {
        r = std::pow(a, b);
    } else {
        return {};
    }
    // A number the read-out cannot write (beyond a Double, or none at all).
    if (!std::isfinite(r))
        return "Rebasó límite";
    m_operando1 = Operando::DeNumero(r);
    return {};
}

void Calculadora::cuentaOperando()
{
    // Two operands at most: a number typed after a percent that already made
    // the second one takes its place instead of leaving the keys dead.
    if (m_numOperandos < 2)
        ++m_numOperandos;
}

void Calculadora::porciento()
{
    // A second percent in a row would count an operand that was never typed.
    if (m_ultimaEntrada == "Ops")
        return;
    m_lectura = rt::CStr(valorDe(m_lectura) / 100);
    m_ultimaEntrada = "Ops";
    m_hayPunto = true;
    // With no operation waiting for it, the percent of a lone number is a
    // finished result, as after "=": it is the first operand, and a number
    // typed next starts a new calculation instead of being multiplied by
    // whatever the first operand held before.
    if (m_operadorPendiente == " " || m_operadorPendiente == "igual") {
        m_operando1 = Operando::DeTexto(m_lectura);
        m_numOperandos = 1;
        m_operadorPendiente = "igual";
        return;
    }
    m_operadorPendiente = "porciento";
    cuentaOperando();
}

void Calculadora::borra()
{
    m_lectura = "0" + separador();
    m_operando1 = Operando::DeNumero(0);
    m_operando2 = Operando::DeNumero(0);
    carga();
}

void Calculadora::borraEntrada()
{
    m_lectura = "0" + separador();
    m_hayPunto = false;
    m_ultimaEntrada = "CE";
}
