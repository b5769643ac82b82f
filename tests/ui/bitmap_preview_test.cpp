// The bitmap preview: looked up beside the SCM file, refreshed at every change
// of the bitmap name, and silently empty whenever it can't be shown.

#include "main_window_fixture.h"
#include "ui/bitmap_preview.h"

#include <QImage>
#include <QtEndian>

namespace trellwick {
namespace {

class MainWindowPreviewTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(path("house.bmp"), "BMP"));
        QDir(temp_.path()).mkpath(QStringLiteral("sub"));
        ASSERT_TRUE(image.save(path("sub/roof.bmp"), "BMP"));
    }

    QPixmap preview() const { return control<QLabel>("pic_bmp")->pixmap(); }
};

TEST_F(MainWindowPreviewTest, TypingTheNameShowsThePictureOnceTheNameIsComplete) {
    start();
    type("txt_scm", path("house.scm"));
    type("txt_bmp", QStringLiteral("house.bm"));
    EXPECT_TRUE(preview().isNull());

    QTest::keyClick(box("txt_bmp"), Qt::Key_P);

    ASSERT_FALSE(preview().isNull());
    // Scaled to fit the box, keeping the picture's 2:1 shape.
    const QSize box_size = control<QLabel>("pic_bmp")->contentsRect().size();
    EXPECT_EQ(preview().width(), box_size.width());
    EXPECT_EQ(preview().height(), box_size.width() / 2);

    QTest::keyClick(box("txt_bmp"), Qt::Key_Backspace);
    EXPECT_TRUE(preview().isNull());
}

TEST_F(MainWindowPreviewTest, NamesAreRelativeToTheScmDirectory) {
    start();
    type("txt_scm", path("house.scm"));
    type("txt_bmp", QStringLiteral("sub/roof.bmp"));
    EXPECT_FALSE(preview().isNull());

    type("txt_bmp", path("house.bmp")); // a full path is appended as well
    EXPECT_TRUE(preview().isNull());

    type("txt_bmp", QString()); // the directory alone
    EXPECT_TRUE(preview().isNull());
}

TEST_F(MainWindowPreviewTest, SmallBitmapsKeepSharpPixelsLargeOnesAreSmoothed) {
    struct Row {
        const char* name;
        int size;
        bool sharp;
    };
    const Row rows[] = {{"small.bmp", 4, true}, {"large.bmp", 1000, false}};
    start();
    type("txt_scm", path("house.scm"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Black and white pixels in turn: enlarged by the nearest pixel they
        // stay black or white; reduced smoothly they blend to grey.
        QImage checks(row.size, row.size, QImage::Format_RGB32);
        for (int y = 0; y < row.size; ++y) {
            for (int x = 0; x < row.size; ++x)
                checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
        ASSERT_TRUE(checks.save(path(QLatin1String(row.name)), "BMP"));
        type("txt_bmp", QLatin1String(row.name));
        const QImage shown = preview().toImage();
        ASSERT_FALSE(shown.isNull());
        const int grey = qGray(shown.pixel(shown.width() / 2 + 1, shown.height() / 2 + 1));
        EXPECT_EQ(grey == 0 || grey == 255, row.sharp) << grey;
    }
}

TEST_F(MainWindowPreviewTest, JpegAndPngBitmapsArePreviewedToo) {
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(path("house.jpg"), "JPEG"));
    ASSERT_TRUE(image.save(path("house.png"), "PNG"));
    start();
    type("txt_scm", path("house.scm"));
    for (const QString& name : {QStringLiteral("house.jpg"), QStringLiteral("house.png")}) {
        type("txt_bmp", name);
        EXPECT_FALSE(preview().isNull()) << name.toStdString();
    }
}

TEST_F(MainWindowPreviewTest, ScmPathWithoutSeparatorShowsNothing) {
    start();
    type("txt_scm", QStringLiteral("house.scm"));
    type("txt_bmp", QStringLiteral("house.bmp"));
    EXPECT_TRUE(preview().isNull());
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(MainWindowPreviewTest, ChangingOnlyTheScmPathDoesNotRefresh) {
    start();
    type("txt_scm", path("house.scm"));
    type("txt_bmp", QStringLiteral("house.bmp"));
    ASSERT_FALSE(preview().isNull());

    type("txt_scm", QStringLiteral("/nowhere/house.scm"));
    EXPECT_FALSE(preview().isNull());

    type("txt_bmp", QStringLiteral("house.bmp "));
    EXPECT_TRUE(preview().isNull());
}

TEST_F(MainWindowPreviewTest, FilesThatAreNoPictureShowNothing) {
    start();
    write_file(QStringLiteral("text.bmp"), "not a picture");
    // A bitmap header that claims 100000 x 100000 pixels.
    QByteArray huge(54, '\0');
    huge[0] = 'B';
    huge[1] = 'M';
    qToLittleEndian<quint32>(54, huge.data() + 10);
    qToLittleEndian<quint32>(40, huge.data() + 14);
    qToLittleEndian<qint32>(100000, huge.data() + 18);
    qToLittleEndian<qint32>(100000, huge.data() + 22);
    qToLittleEndian<quint16>(1, huge.data() + 26);
    qToLittleEndian<quint16>(24, huge.data() + 28);
    write_file(QStringLiteral("huge.bmp"), huge);

    type("txt_scm", path("house.scm"));
    for (const QString& name : {QStringLiteral("text.bmp"), QStringLiteral("huge.bmp"),
                                QStringLiteral("missing.bmp"), QStringLiteral("sub")}) {
        type("txt_bmp", QStringLiteral("house.bmp"));
        ASSERT_FALSE(preview().isNull());
        type("txt_bmp", name);
        EXPECT_TRUE(preview().isNull()) << name.toStdString();
    }
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(MainWindowPreviewTest, ConvertProposalRefreshesThePreview) {
    start();
    write_file(QStringLiteral("house.api"), "EndA\r\n");
    dialogs_.answer_file(path("house.api"));
    click("cmd_BrwApi");
    type("txt_scm", path("house.scm"));

    click("cmd_ApiScm");
    EXPECT_EQ(text("txt_bmp"), QStringLiteral("house.bmp"));
    EXPECT_FALSE(preview().isNull());

    // The same proposal with a destination elsewhere: the text doesn't change,
    // the preview follows the new directory.
    type("txt_scm", path("sub/house.scm"));
    click("cmd_ApiScm");
    EXPECT_TRUE(preview().isNull());
}

} // namespace
} // namespace trellwick
