// Trevik AP: desktop companion of the Trevik GPS navigator.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Trevik AP"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Trevik AP"));
  window.show();
  return app.exec();
}
