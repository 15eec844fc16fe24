#pragma once
// Test classes register themselves; each test executable has one shared main
// that runs them all (or, given a class name as first argument, that one with
// the remaining arguments passed to Qt Test).

#include <QObject>
#include <QtTest>
#include <functional>

namespace testsupport {

int registerTest(const char* name, std::function<QObject*()> make);

}  // namespace testsupport

#define WYGL_TEST(Class)                                                                      \
    static const int wygl_registered_##Class =                                                \
        ::testsupport::registerTest(#Class, [] { return static_cast<QObject*>(new Class); });
