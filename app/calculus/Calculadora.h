#pragma once
// The pocket calculator's keys and read-out, without any window: four
// operations, percent, n-th root and power, entered as a student enters them
// on a desk calculator (number, operator, number, "="). The read-out is text
// in the locale's decimal separator; typed numbers keep a trailing separator
// ("12."), results are written as the runtime writes a Double ("2").
#include <string>

class Calculadora {
public:
    // The operator keys, in the order of the window's buttons.
    enum class Operador { Div, Mas, Mult, Menos, Igual, Raiz, Exp };

    // What a key asks the window to tell the student (empty: nothing).
    using Aviso = std::string;

    Calculadora();

    // The state of a calculator just opened. The operands stay as they were.
    void carga();

    void digito(int d);
    void punto();
    Aviso operador(Operador op);
    void porciento();
    // "C": the read-out and both operands cleared, then the state of carga().
    void borra();
    // "CE": the number being typed cleared.
    void borraEntrada();

    const std::string &lectura() const { return m_lectura; }

    // True when n is odd, read from the text of n / 2: a separator in it
    // means a half that is not whole, so any non-whole n counts as odd too.
    static bool esImpar(double n);

    // The inner state, for tests.
    const std::string &ultimaEntrada() const { return m_ultimaEntrada; }
    const std::string &operadorPendiente() const { return m_operadorPendiente; }
    const std::string &lecturaPrevia() const { return m_lecturaPrevia; }
    int numOperandos() const { return m_numOperandos; }

private:
    // An operand holds either a read-out as it stood or a computed number.
    struct Operando {
        std::string texto;
        double numero = 0.0;
        bool esTexto = false;

        static Operando DeTexto(const std::string &t) { return {t, 0.0, true}; }
        static Operando DeNumero(double v) { return {{}, v, false}; }
        double valor() const;
        std::string comoTexto() const;
    };

    Aviso opera();
    void cuentaOperando();
    // "." or "," as the runtime writes numbers.
    static std::string separador();
    // The read-out as a number; a lone "-" (a sign waiting for its digits)
    // reads 0.
    static double valorDe(const std::string &texto);

    Operando m_operando1;
    Operando m_operando2;
    bool m_hayPunto = false;
    int m_numOperandos = 0;
    std::string m_ultimaEntrada;
    std::string m_operadorPendiente;
    std::string m_lecturaPrevia;
    std::string m_lectura;
};
