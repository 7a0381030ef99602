#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    voltaris::app::registerWindows();
    if (!voltaris::app::startUp())
        return 0;
    return application.exec();
}
