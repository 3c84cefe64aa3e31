#pragma once
// Creating a named control: every control's objectName is its name on the form, so that handlers,
// tests and tools find it with findChild.

#include <QString>
#include <QWidget>
#include <string>
#include <utility>

template <class T, class... Args>
T* NewControl(QWidget* parent, const QString& name, Args&&... args) {
  T* control = new T(std::forward<Args>(args)...);
  control->setParent(parent);
  control->setObjectName(name);
  control->adjustSize();  // not the size of a window, which it was until it had a parent
  return control;
}

template <class T, class... Args>
T* NewControl(QWidget* parent, const std::string& name, Args&&... args) {
  return NewControl<T>(parent, QString::fromStdString(name), std::forward<Args>(args)...);
}

template <class T, class... Args>
T* NewControl(QWidget* parent, const char* name, Args&&... args) {
  return NewControl<T>(parent, QString::fromUtf8(name), std::forward<Args>(args)...);
}

inline QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }
