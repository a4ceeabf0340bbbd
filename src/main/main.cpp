#include <QApplication>
#include <csignal>

#include "main/program.h"
#include "platform/web_engine_setup.h"

int main(int argc, char** argv) {
    // A file-size limit makes a write fail with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Sounds play through GStreamer, whose plugins the set-up installs.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    vernik::prepareWebEngine();
    QApplication app(argc, argv);
    vernik::Program program(argc > 1 ? argv[1] : "");
    program.form.showMaximized();
    return app.exec();
}
