// The bitmap preview beside the macro information.

#include "main_window_fixture.h"

#include <QImage>
#include <QLabel>

namespace trellwick {
namespace {

class BitmapPreviewTest : public MainWindowTest {
protected:
    QSize preview() const {
        return control<QLabel>("pic_bmp")->pixmap().deviceIndependentSize().toSize();
    }
};

// Bitmap names are looked up beside the SCM file at every change of the name;
// a bitmap that fits is enlarged by the nearest pixel, any other reduced
// smoothly, so that black and white pixels in turn stay black or white, or blend.
TEST_F(BitmapPreviewTest, ShowsWhatCanBeShown) {
    QImage checks(1000, 200, QImage::Format_RGB32);
    for (int y = 0; y < checks.height(); ++y) {
        for (int x = 0; x < checks.width(); ++x)
            checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    ASSERT_TRUE(checks.save(path("scm/wide.png")) &&
                checks.copy(0, 0, 4, 2).save(path("scm/small.bmp")));
    write_file("scm/text.bmp", "not a picture");
    start();
    type("txt_scm", path("scm/house.scm"));
    for (const auto& [name, size, sharp] : {std::tuple{"small.bm", QSize(0, 0), false},
                                            {"small.bmp", QSize(258, 129), true},
                                            {"text.bmp", QSize(0, 0), false},
                                            {"wide.png", QSize(258, 51), false},
                                            {"", QSize(0, 0), false}}) {
        type("txt_bmp", name);
        EXPECT_EQ(preview(), size) << name;
        const QImage shown = control<QLabel>("pic_bmp")->pixmap().toImage();
        const int grey = shown.isNull() ? 0 : qGray(shown.pixel(130, 20));
        EXPECT_EQ(grey == 0 || grey == 255, sharp || shown.isNull()) << name << " " << grey;
    }
    EXPECT_EQ(control<QLabel>("pic_bmp")->alignment(), Qt::AlignCenter); // narrow or wide pictures
    type("txt_scm", "/house.scm");                                       // the root directory
    type("txt_bmp", path("scm/small.bmp").mid(1));
    EXPECT_EQ(preview(), QSize(258, 129));
    type("txt_scm", "house.scm"); // no directory: nothing is shown
    type("txt_bmp", "small.bmp");
    EXPECT_EQ(preview(), QSize(0, 0));
    // Convert proposes the name it already has beside a new SCM path: the
    // preview follows; a declined Convert leaves it.
    to_step_two("small.api", "EndA\r\n");
    EXPECT_EQ(preview(), QSize(258, 129));
    write_file("scm/small.scm", "old");
    dialogs_.answers.push_back(false);
    click("cmd_ApiScm");
    EXPECT_EQ(text("txt_scm") + '|' + QString::number(preview().width()), "|258");
}

} // namespace
} // namespace trellwick
