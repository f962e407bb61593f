// A comment is not shown to anyone: faltta.
/* Nor is a block comment: faltta. */
std::string Texto(int n)
{
    const char comilla = '"';
    if (n == 1)
        return "Escriba en la caja P'(x) y oprima [Listo]; "
               "si lo nesesita, use la calculadora.";
    if (n == 2)
        return "Vea http://x.org/ayuda.html, una palabbra."; // otra fallta
    return "Como ya se resolvio, " + std::string(1, comilla) + "\n";
}
