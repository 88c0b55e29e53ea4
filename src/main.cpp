// Starts the program: one Qt application and the main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tandrell");
    QMainWindow window;
    window.setWindowTitle("Tandrell");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
