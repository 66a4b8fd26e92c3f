#include "Startup.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Halvora needs a graphical display; none was found. Start it from a desktop session, "
                   "or without one under a virtual display: xvfb-run -a ./halvora\n",
                   stderr);
        return EXIT_FAILURE;
    }
#endif
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Halvora"));
    // Closing the main menu ends the program; a lone page window left open does not keep it alive.
    app.setQuitOnLastWindowClosed(false);
    if (!halvora::start(QApplication::applicationDirPath()))
        return EXIT_FAILURE;
    return app.exec();
}
