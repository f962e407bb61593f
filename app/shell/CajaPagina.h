#pragma once
// A box that shows one of the program's pages (help, title, remark, support
// text): read-only, its pictures found beside the page, links drawn in the
// program's link colour. A page that cannot be read leaves the box empty.
#include <QTextBrowser>

#include <filesystem>

class CajaPagina : public QTextBrowser {
    Q_OBJECT
public:
    // The colour of link words, RGB(51,154,102).
    static const QColor ColorEnlace;

    explicit CajaPagina(QWidget *parent = nullptr);

    // Shows the page; false (and an empty box) when it cannot be read.
    bool carga(const std::filesystem::path &archivo);
};
