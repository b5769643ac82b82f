#pragma once

// Lets GoogleTest print QString and QByteArray values in failure messages as text. Defined in
// qt_test_main.cpp; include this header in every test that compares QStrings.

#include <QString>
#include <iosfwd>

void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QByteArray& bytes, std::ostream* out);
