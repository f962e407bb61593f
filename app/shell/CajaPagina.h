#pragma once
// A box that shows one of the program's pages (help, title, remark, support
// text): read-only, its pictures found beside the page, links drawn in the
// program's link colour. A page that is missing, cannot be read or shows
// nothing is never left blank: the box says which file it could not find.
#include <QTextBrowser>

#include <filesystem>

class CajaPagina : public QTextBrowser {
    Q_OBJECT
public:
    // The colour of link words, RGB(51,154,102).
    static const QColor ColorEnlace;

    explicit CajaPagina(QWidget *parent = nullptr);

    // Shows the page; false (and the message for it) when it cannot be
    // read or holds nothing to show.
    bool carga(const std::filesystem::path &archivo);
    // The program's message for a file it could not find: "No se pudo
    // encontrar el archivo " and the name; shown in place of the page.
    static QString TextoFaltante(const QString &nombre);
    void muestraFaltante(const QString &nombre);
};
