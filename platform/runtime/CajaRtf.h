#pragma once
// What the program asks of a rich text box: its text, a selection, and the
// font, size and raised/lowered offset of the selected characters. The
// polynomial display, the expression writer and the entry boxes are written
// once against this; the Qt box implements it, tests use a plain fake.
//
// Positions and lengths count characters (Unicode code points), not bytes;
// texts are UTF-8.
#include <cstdint>
#include <string>

namespace rt {

class CajaRtf {
public:
    virtual ~CajaRtf() = default;

    virtual std::string Text() const = 0;
    virtual void SetText(const std::string &texto) = 0;

    virtual int SelStart() const = 0;
    virtual void SetSelStart(int pos) = 0;      // also empties the selection
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int largo) = 0;
    virtual std::string SelText() const = 0;
    virtual void SetSelText(const std::string &texto) = 0; // replaces the selection, caret after it

    virtual std::string SelFontName() const = 0;
    virtual void SetSelFontName(const std::string &nombre) = 0;
    virtual double SelFontSize() const = 0;     // points
    virtual void SetSelFontSize(double puntos) = 0;
    virtual int SelCharOffset() const = 0;      // twips; positive raises
    virtual void SetSelCharOffset(int twips) = 0;

    // The changes between these two are laid out once, at the end: a long
    // polynomial formats one run per exponent. Not nested.
    virtual void EmpiezaCambios() {}
    virtual void TerminaCambios() {}

    // The numbered list EscribeExpresionRtf is writing in this box: its
    // lines so far and their count. Each box keeps its own, so two lists
    // on screen at once never mix.
    struct ListaNumerada {
        std::string lineas;
        std::int16_t cuenta = 0;
    };
    ListaNumerada listaNumerada;
};

} // namespace rt
