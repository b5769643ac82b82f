// The window program as main() starts it, with a window manager's hand in it:
// each window, once shown, is closed the way a window manager closes it, by a
// close event to its platform window. Prints the name of each window it
// closes; its exit status is the program's.

#include "ui/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

class WindowManager : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            QMetaObject::invokeMethod(
                this, [window = QPointer<QWidget>(widget)] { close(window); },
                Qt::QueuedConnection);
        return false;
    }

private:
    static void close(QWidget* window) {
        if (!window || !window->isVisible() || !window->windowHandle())
            return;
        std::printf("%s\n", qPrintable(window->objectName()));
        std::fflush(stdout);
        QCloseEvent close;
        QCoreApplication::sendEvent(window->windowHandle(), &close);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    WindowManager manager;
    application.installEventFilter(&manager);
    return trellwick::run_main_window();
}
