// The yardstick of the start-up measurement: a bare Qt window, maximised like the main window,
// printing the milliseconds from entering main to its first paint, then quitting.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QElapsedTimer Startup;

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        if (reported_)
            return;
        reported_ = true;
        std::printf("first paint after %lld ms\n", static_cast<long long>(Startup.elapsed()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    Startup.start();
    QApplication application(argc, argv);
    BareWindow window;
    window.showMaximized();
    return application.exec();
}
