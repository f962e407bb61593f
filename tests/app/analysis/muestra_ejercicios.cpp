// The exercise windows as the student sees them, saved as pictures.
#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
