// The main of every window test: one QApplication for the whole run, on Qt's
// offscreen platform unless another is asked for. Listing the tests (which the
// build does to register them) needs no QApplication and no display.

#include "qstring_printer.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << ::testing::PrintToString(text.toStdString());
}

void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << ::testing::PrintToString(bytes.toStdString());
}

int main(int argc, char** argv) {
    const bool listing = argc > 1 && std::strcmp(argv[1], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QApplication> application;
    if (!listing)
        application = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
