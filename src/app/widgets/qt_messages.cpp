#include "app/widgets/qt_messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kestro {

QString FromLatin(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin(const QString& text) {
  return text.toLatin1().toStdString();
}

namespace {
QString Title() {
  return QCoreApplication::applicationName();
}
}  // namespace

void QtMessages::Information(const std::string& text) {
  QMessageBox::information(parent_, Title(), FromLatin(text));
}

void QtMessages::Warning(const std::string& text) {
  QMessageBox::warning(parent_, Title(), FromLatin(text));
}

void QtMessages::Error(const std::string& text) {
  QMessageBox::critical(parent_, Title(), FromLatin(text));
}

bool QtMessages::ConfirmOkCancel(const std::string& text) {
  return QMessageBox::question(parent_, Title(), FromLatin(text),
                               QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace kestro
