#include <QApplication>

#include "main/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vernik::Program program(argc > 1 ? argv[1] : "");
    program.form.showMaximized();
    return app.exec();
}
