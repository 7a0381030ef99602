// The yardstick of scripts/bench: the least a Qt Widgets program does to show one window and
// quit once it has been painted.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitWhenPainted : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Boş"));
    window.resize(400, 300);
    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
