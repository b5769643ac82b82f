#pragma once

// A fresh working directory per test, holding a few directories to choose:
// alpha, beta and beta/inner.

#include "prefs/directory_list.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace trellwick {

class WorkingDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work_.path()));
        cwd_ = QDir::currentPath();
        ASSERT_TRUE(QDir(cwd_).mkpath(QStringLiteral("alpha")));
        ASSERT_TRUE(QDir(cwd_).mkpath(QStringLiteral("beta/inner")));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    // A path under the working directory as the directory list spells it.
    QString native(const QString& relative = {}) const {
        return QDir::toNativeSeparators(relative.isEmpty() ? cwd_ : cwd_ + '/' + relative);
    }
    bool exists(const QString& relative) const { return QFile::exists(cwd_ + '/' + relative); }

    static QTreeWidgetItem* entry(DirectoryList& list, const QString& path) {
        for (QTreeWidgetItemIterator it(&list); *it; ++it) {
            if (DirectoryList::entry_path(*it) == path)
                return *it;
        }
        return nullptr;
    }
    static QStringList entry_paths(DirectoryList& list) {
        QStringList paths;
        for (QTreeWidgetItemIterator it(&list); *it; ++it)
            paths.append(DirectoryList::entry_path(*it));
        return paths;
    }

    QTemporaryDir work_;
    QString previous_;
    QString cwd_;
};

} // namespace trellwick
