#pragma once
// The locale's decimal separator as the runtime's number conversions use it.
// The program sets it once from the desktop locale; tests set it at will.

namespace rt {

char SeparadorLocal();               // '.' unless set otherwise
void FijaSeparadorLocal(char sep);   // usually '.' or ','; any character is kept
// The grouping character the masks write: ',' unless the decimal separator
// is ',' (then '.').
char SeparadorGruposLocal();

// The decimal separator of the desktop locale (LC_NUMERIC / LANG), read
// without touching the C library's global locale; '.' when it cannot be
// read. The program passes it to FijaSeparadorLocal at start-up.
char SeparadorDelSistema();

// The rule the program uses to find the separator: format pi with
// "###0.000" and take "." if the text holds one, else "," if it holds one,
// else ".".
char SeparadorDecimal();

// For tests: sets the locale's separator while it lives.
class ConSeparadorLocal {
public:
    explicit ConSeparadorLocal(char sep) : m_anterior(SeparadorLocal()) { FijaSeparadorLocal(sep); }
    ~ConSeparadorLocal() { FijaSeparadorLocal(m_anterior); }
    ConSeparadorLocal(const ConSeparadorLocal &) = delete;
    ConSeparadorLocal &operator=(const ConSeparadorLocal &) = delete;

private:
    char m_anterior;
};

} // namespace rt
