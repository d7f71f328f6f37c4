#pragma once

#include <QObject>
#include <gtest/gtest.h>
#include <stdexcept>

// A window's control by its objectName. A missing one fails the test at once (GoogleTest
// reports the exception), rather than crashing it later.
template <typename T = QWidget>
T* child(const QObject* parent, const char* name)
{
    T* found = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return found;
}
