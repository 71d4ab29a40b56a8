// A bare Qt Widgets window of the program's size and place, for the start-up benchmark: the
// least a Qt program must do to show a window. Its face is green where the program's button is.
// With the argument "text" it also shows one line in the program's font, which is the least a
// Qt program that draws any text must do (the font system starts up).

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(464, 424);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* label = new QLabel(QStringLiteral("Физика (Астрономия) - фази на Луната"), &window);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(16);
        label->setFont(font);
        label->setGeometry(64, 0, 337, 25);
    }
    QRect frame(QPoint(), window.size());
    frame.moveCenter(QApplication::primaryScreen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
    return app.exec();
}
