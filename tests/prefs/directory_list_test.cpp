#include "window_fixture.h"

#include <QFile>
#include <QTest>

namespace trellwick {
namespace {

class DirectoryListTest : public WorkingDirectoryTest {};

TEST_F(DirectoryListTest, ShowsParentsTheOpenDirectoryAndItsSubdirectories) {
    QFile file(cwd_ + "/beta/file.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    DirectoryList list;
    EXPECT_EQ(list.current_path(), native());

    ASSERT_TRUE(list.set_current_path(cwd_ + "/beta"));
    QStringList parents;
    QDir up(cwd_);
    do {
        parents.prepend(up.absolutePath());
    } while (up.cdUp());
    EXPECT_EQ(entry_paths(list), parents + QStringList({cwd_ + "/beta", cwd_ + "/beta/inner"}));
    EXPECT_EQ(list.currentItem(), entry(list, cwd_ + "/beta"));
}

TEST_F(DirectoryListTest, ReadsLikeATreeOfOpenAndClosedFolders) {
    DirectoryList list;
    list.show();
    ASSERT_TRUE(list.set_current_path(cwd_ + "/beta"));
    const auto icon_of = [&](const QString& path) {
        return entry(list, path)->icon(0).pixmap(16).toImage();
    };
    // Each entry, icon and all, stands further in than the one above it.
    const QStringList paths = entry_paths(list);
    for (qsizetype i = 1; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        EXPECT_GT(list.visualItemRect(entry(list, paths[i])).left(),
                  list.visualItemRect(entry(list, paths[i - 1])).left());
    }
    EXPECT_EQ(icon_of(cwd_), icon_of(cwd_ + "/beta"));
    EXPECT_NE(icon_of(cwd_ + "/beta"), icon_of(cwd_ + "/beta/inner"));
}

TEST_F(DirectoryListTest, CurrentPathIsAbsoluteWithoutTrailingSeparatorExceptAtTheRoot) {
    DirectoryList list;
    ASSERT_TRUE(list.set_current_path(QStringLiteral("beta/")));
    EXPECT_EQ(list.current_path(), native("beta"));
    ASSERT_TRUE(list.set_current_path(cwd_ + "/beta/inner/../."));
    EXPECT_EQ(list.current_path(), native("beta"));
    ASSERT_TRUE(list.set_current_path(QDir::rootPath()));
    EXPECT_EQ(list.current_path(), QDir::toNativeSeparators(QDir::rootPath()));
}

TEST_F(DirectoryListTest, RefusesWhatIsNotAReadableDirectory) {
    QFile file(cwd_ + "/file.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    DirectoryList list;
    ASSERT_TRUE(list.set_current_path(cwd_ + "/alpha"));
    const QStringList shown = entry_paths(list);
    for (const QString& path : {cwd_ + "/missing", cwd_ + "/file.txt", QString()}) {
        EXPECT_FALSE(list.set_current_path(path)) << path.toStdString();
        EXPECT_EQ(list.current_path(), native("alpha"));
        EXPECT_EQ(entry_paths(list), shown);
    }
}

TEST_F(DirectoryListTest, EnterOpensTheHighlightedEntry) {
    DirectoryList list;
    list.show();
    list.setCurrentItem(entry(list, cwd_ + "/beta"));
    EXPECT_EQ(list.current_path(), native());
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.current_path(), native("beta"));
}

} // namespace
} // namespace trellwick
