// The executable: until the main window exists it opens the data root and reports what it found.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Rolvan M\n";
    return 0;
}
