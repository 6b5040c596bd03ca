// Sketches on Qt's canvas: font metrics, PNG pixels, SVG output, the report sketch object, and an
// order file's position drawn after a save and load.
//
// FTF_KEEP_SKETCHES=DIR keeps the pictures of the sample positions (and their order file) in DIR
// for a look by eye.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "../model/SketchFixtures.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "common/Prompter.h"
#include "documents/Order.h"
#include "model/RecordingCanvas.h"
#include "model/Sketch.h"
#include "reports/FrDrawView.h"
#include "render/QtCanvas.h"
#include "render/SketchFile.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;
using test::MakePosition;
using test::MarkOpening;

class TempDir {
public:
    TempDir() {
        std::mt19937_64 rng(std::random_device{}());
        path_ = fs::temp_directory_path() /
                ("ftf-render-" + std::to_string(rng()) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

bool Dark(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 384; }

int DarkPixels(const QImage& image, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y)
        for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x)
            if (Dark(image.pixel(x, y))) ++n;
    return n;
}

// The sample positions, with side roles as binding a complect's side rows sets them.
struct Sample {
    const char* name;
    std::unique_ptr<TftfConstruction> position;
};

std::vector<Sample> Samples() {
    std::vector<Sample> out;
    auto rect = MakePosition(0, 1000, 1400);
    MarkOpening(*rect->Sash1, 1, 3, 1);  // turn on the left hinges
    MarkOpening(*rect->Sash1, 1, 2, 4);  // tilt on the bottom
    out.push_back({"rectangle", std::move(rect)});

    auto stulp = MakePosition(1, 0, 1400, 600, 700);
    MarkOpening(*stulp->Sash1, 4, 3, 1);
    MarkOpening(*stulp->Sash1, 4, 2, 4);
    MarkOpening(*stulp->Sash2, 2, 1, 3);
    out.push_back({"stulp", std::move(stulp)});

    auto arch = MakePosition(7, 1000, 1400, 300, 0, static_cast<float>(ArcRadius(300, 1000)));
    MarkOpening(*arch->Sash1, 3, 3, 1);
    MarkOpening(*arch->Sash1, 3, 4, 2);
    out.push_back({"arch", std::move(arch)});

    auto trapezoid = MakePosition(3, 1000, 1400, 400);
    MarkOpening(*trapezoid->Sash1, 1, 3, 1);
    out.push_back({"trapezoid", std::move(trapezoid)});

    auto triangle = MakePosition(5, 1000, 1200);
    MarkOpening(*triangle->Sash1, 5, 2, 3);
    out.push_back({"triangle", std::move(triangle)});
    return out;
}

TEST(QtMetricsTest, DejaVuAtNinetySixDpi) {
    TQtTextMetrics metrics(96);
    TFontSpec font;
    EXPECT_EQ(QFontInfo(ToQFont(font)).family(), QString("DejaVu Sans"));
    const TSize zero = metrics.TextExtent(font, "0");
    // 8 points at 96 dpi are about 10.7 pixels; DejaVu's line is a little taller.
    EXPECT_GE(zero.cy, 11);
    EXPECT_LE(zero.cy, 15);
    EXPECT_GT(zero.cx, 3);
    TFontSpec bold = font;
    bold.Bold = true;
    EXPECT_GT(metrics.TextExtent(bold, "ЭСКИЗ ИЗДЕЛИЯ").cx, metrics.TextExtent(font, "ЭСКИЗ ИЗДЕЛИЯ").cx);
    EXPECT_EQ(metrics.TextExtent(font, "1000").cx, 4 * zero.cx);  // tabular digits
    // Twice the resolution, about twice the size (hinting rounds each glyph).
    TQtTextMetrics fine(192);
    const double ratio = static_cast<double>(fine.TextExtent(font, "1000").cx) /
                         metrics.TextExtent(font, "1000").cx;
    EXPECT_GT(ratio, 1.8);
    EXPECT_LT(ratio, 2.2);
}

TEST(QtMetricsTest, GridPitchComesFromTheCanvasText) {
    TQtTextMetrics metrics(96);
    TRecordingCanvas canvas(metrics);
    TftfSizeGrid grid(canvas);
    EXPECT_EQ(grid.Pitch(), metrics.TextExtent(canvas.Font(), "0").cy + 2);
}

TEST(PngSketchTest, OutlineAndDimensionTextsAreInThePicture) {
    TempDir dir;
    auto pos = MakePosition(0, 1000, 1400);
    const std::string file = dir.File("rect.png");
    WriteSketchFile(*pos, file, 400, 300, {0, 1, 2});
    QImage image(QString::fromStdString(file));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(400, 300));

    // The same layout on a recording canvas with the same metrics tells where things are.
    TQtTextMetrics metrics(96);
    TRecordingCanvas layout(metrics);
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    DrawPosition(*pos, layout, {0, 0, 400, 300}, {0, 1, 2}, 1, sx, sy, left, top);

    int outline = 0;
    for (const auto& d : layout.Lines()) {
        if (d.PenWidth != 3) continue;
        ++outline;
        const int mx = (d.A.x + d.B.x) / 2, my = (d.A.y + d.B.y) / 2;
        ASSERT_TRUE(image.rect().contains(mx, my));
        EXPECT_TRUE(Dark(image.pixel(mx, my))) << mx << "," << my;
    }
    EXPECT_EQ(outline, 4);
    // Inside the sash, away from every line, the ground stays white.
    EXPECT_FALSE(Dark(image.pixel(left + 20, top + 20)));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));

    const auto texts = layout.Texts();
    ASSERT_EQ(texts.size(), 2u);
    for (const auto& t : texts) {
        SCOPED_TRACE(t.Text);
        const TSize size = metrics.TextExtent(t.Font, t.Text);
        int x0, y0, x1, y1;
        if (t.Angle == 0) {  // above the horizontal dimension line
            x0 = t.A.x - size.cx / 2; x1 = t.A.x + size.cx / 2;
            y0 = t.A.y - size.cy;     y1 = t.A.y - 2;
        } else {             // left of the vertical dimension line
            x0 = t.A.x - size.cy;     x1 = t.A.x - 2;
            y0 = t.A.y - size.cx / 2; y1 = t.A.y + size.cx / 2;
        }
        ASSERT_TRUE(image.rect().contains(QRect(QPoint(x0, y0), QPoint(x1, y1))));
        EXPECT_GT(DarkPixels(image, x0, y0, x1, y1), 10);
    }
    // The same box without dimensions: nothing at the rows' places.
    const std::string bare = dir.File("bare.png");
    WriteSketchFile(*pos, bare, 400, 300, {});
    QImage none(QString::fromStdString(bare));
    const auto& t = texts[0];
    EXPECT_LT(DarkPixels(none, t.A.x - 10, t.A.y - 8, t.A.x + 10, t.A.y - 2),
              DarkPixels(image, t.A.x - 10, t.A.y - 8, t.A.x + 10, t.A.y - 2));
}

TEST(SvgSketchTest, WrittenByQtWithTheDimensionTexts) {
    TempDir dir;
    auto pos = MakePosition(1, 0, 1400, 600, 700);
    const std::string file = dir.File("stulp.SVG");
    WriteSketchFile(*pos, file, 800, 600, {0, 1, 2});
    std::ifstream in(file);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string svg = ss.str();
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Generated with Qt"), std::string::npos);
    for (const char* text : {">600<", ">700<", ">1300<", ">1400<"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;

    // Rendered back, the outline lies where the layout puts it.
    QSvgRenderer renderer(QString::fromStdString(file));
    ASSERT_TRUE(renderer.isValid());
    QImage image(800, 600, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    TQtTextMetrics metrics(96);
    TRecordingCanvas layout(metrics);
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    DrawPosition(*pos, layout, {0, 0, 800, 600}, {0, 1, 2}, 1, sx, sy, left, top);
    int outline = 0;
    for (const auto& d : layout.Lines()) {
        if (d.PenWidth != 3) continue;
        ++outline;
        EXPECT_TRUE(Dark(image.pixel((d.A.x + d.B.x) / 2, (d.A.y + d.B.y) / 2)));
    }
    EXPECT_EQ(outline, 8);
}

TEST(SketchFileTest, RefusesUnknownFormatsSizesAndUnwritablePaths) {
    TempDir dir;
    auto pos = MakePosition(0, 1000, 1400);
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("a.bmp"), 100, 100, {}), FtfError);
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("noext"), 100, 100, {}), FtfError);
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("a.png"), 0, 100, {}), FtfError);
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("a.png"), 100, 100000, {}), FtfError);
    EXPECT_FALSE(fs::exists(dir.File("a.bmp")));
    std::ofstream(dir.File("plain")) << "x";
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("plain/a.png"), 100, 100, {}), FtfError);
    EXPECT_THROW(WriteSketchFile(*pos, dir.File("plain/a.svg"), 100, 100, {}), FtfError);
}

TEST(SketchFileTest, PositionWithoutContourGivesABlankPicture) {
    TempDir dir;
    TftfConstruction empty;
    const std::string file = dir.File("empty.png");
    WriteSketchFile(empty, file, 50, 40, {0, 1, 2});
    QImage image(QString::fromStdString(file));
    EXPECT_EQ(DarkPixels(image, 0, 0, 49, 39), 0);
}

TEST(SampleSketchTest, EveryFigureIsDrawnInsideThePicture) {
    const char* keep = std::getenv("FTF_KEEP_SKETCHES");
    TempDir dir;
    const std::string outDir = keep && *keep ? std::string(keep) : dir.File("");
    fs::create_directories(outDir);
    for (auto& s : Samples()) {
        SCOPED_TRACE(s.name);
        const std::string png = (fs::path(outDir) / (std::string(s.name) + ".png")).string();
        WriteSketchFile(*s.position, png, 800, 600, {0, 1, 2});
        WriteSketchFile(*s.position, (fs::path(outDir) / (std::string(s.name) + ".svg")).string(),
                        800, 600, {0, 1, 2});
        QImage image(QString::fromStdString(png));
        ASSERT_FALSE(image.isNull());
        // The border of the picture is left white: the drawing and its rows stay inside.
        EXPECT_EQ(DarkPixels(image, 0, 0, 799, 2), 0);
        EXPECT_EQ(DarkPixels(image, 0, 597, 799, 599), 0);
        EXPECT_EQ(DarkPixels(image, 0, 0, 2, 599), 0);
        EXPECT_EQ(DarkPixels(image, 797, 0, 799, 599), 0);
        EXPECT_GT(DarkPixels(image, 0, 0, 799, 599), 1000);
    }
}

TEST(OrderSketchTest, PositionReadFromAnOrderFileDrawsAsBuilt) {
    NonInteractivePrompter prompter;
    ScopedPrompter scope(prompter);
    const char* keep = std::getenv("FTF_KEEP_SKETCHES");
    TempDir dir;
    const std::string orderFile =
        keep && *keep ? (fs::path(keep) / "samples.ffo370").string() : dir.File("samples.ffo370");
    auto samples = Samples();
    {
        TftfOrder order;
        int n = 1;
        for (auto& s : samples) {
            TSpecStream stream;
            s.position->SaveBackup(stream);
            TftfConstruction& p = order.AddPosition();
            p.RestoreBackup(stream);
            p.PosNo = std::to_string(n++);
            p.PosName = s.name;
        }
        ASSERT_TRUE(order.SaveToFile(orderFile));
    }
    TftfOrder loaded;
    bool converted = false;
    ASSERT_TRUE(loaded.LoadFromFile(orderFile, converted));
    ASSERT_EQ(loaded.Count(), static_cast<int>(samples.size()));
    for (int i = 0; i < loaded.Count(); ++i) {
        SCOPED_TRACE(samples[static_cast<std::size_t>(i)].name);
        WriteSketchFile(*samples[static_cast<std::size_t>(i)].position, dir.File("a.png"), 300, 200,
                        {0, 1, 2});
        WriteSketchFile(loaded.Positions(i), dir.File("b.png"), 300, 200, {0, 1, 2});
        EXPECT_EQ(QImage(QString::fromStdString(dir.File("a.png"))),
                  QImage(QString::fromStdString(dir.File("b.png"))));
    }
}

// ---- The report sketch object ----

class DrawViewTest : public ::testing::Test {
protected:
    TFixedTextMetrics metrics{6, 12};  // the placeholder is 13 × 6 = 78 pixels wide
    TRecordingCanvas canvas{metrics};
};

TEST_F(DrawViewTest, PlaceholderIsCentredInRedBold) {
    struct Case {
        double x, y, dx, dy;
        TFrDeviceTransform t;
        TPoint at;
    };
    const std::vector<Case> cases = {
        {10, 20, 200, 100, {}, {10 + 61, 20 + 44}},
        {10, 20, 200, 100, {2, 2, 5, 7}, {25 + 161, 47 + 94}},
        // Narrower than the text: it starts left of the object, the division truncating.
        {10, 20, 51, 11, {}, {10 - 13, 20 + 0}},
        {10, 20, 50, 10, {}, {10 - 14, 20 - 1}},
    };
    for (const auto& c : cases) {
        TRecordingCanvas rc(metrics);
        TftfFRDrawView view;
        view.X = c.x;
        view.Y = c.y;
        view.Dx = c.dx;
        view.Dy = c.dy;
        view.Draw(rc, c.t);
        ASSERT_EQ(rc.Drawn.size(), 1u);
        const auto& d = rc.Drawn[0];
        EXPECT_EQ(d.Text, "ЭСКИЗ ИЗДЕЛИЯ");
        EXPECT_EQ(d.A, c.at) << c.dx;
        EXPECT_EQ(d.FontColor, kRed);
        EXPECT_TRUE(d.Font.Bold);
        EXPECT_EQ(d.Align, TTextAlign::TopLeft);
        EXPECT_FALSE(d.Brush.has_value());
        EXPECT_FALSE(rc.Font().Bold);
        EXPECT_EQ(rc.FontColor(), kBlack);
    }
}

TEST_F(DrawViewTest, RoutineDrawsWhenTheFlagIsSet) {
    TftfFRDrawView view;
    view.X = 5;
    view.Y = 6;
    view.Dx = 100;
    view.Dy = 50;
    int calls = 0;
    TRect seen;
    const void* seenData = nullptr;
    const int position = 42;
    view.Routine = [&](TCanvas& c, const TRect& r, const void* data) {
        ++calls;
        seen = r;
        seenData = data;
        c.Line({r.Left, r.Top}, {r.Right, r.Bottom});
    };
    view.Data = &position;

    // The routine alone does not count: the flag decides.
    view.Draw(canvas, {});
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(canvas.Texts().size(), 1u);

    view.HasDrawing = true;
    TRecordingCanvas rc(metrics);
    view.Draw(rc, {});
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, (TRect{5, 6, 105, 56}));
    EXPECT_EQ(seenData, &position);
    EXPECT_TRUE(rc.Texts().empty());
    EXPECT_EQ(rc.Lines().size(), 1u);

    // Flag set but no routine: nothing at all.
    view.Routine = nullptr;
    TRecordingCanvas blank(metrics);
    view.Draw(blank, {});
    EXPECT_TRUE(blank.Drawn.empty());
}

TEST(DrawViewQtTest, PlaceholderIsRedOnTheQtCanvas) {
    QImage image(300, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TQtTextMetrics metrics(96);
    TftfFRDrawView view;
    view.Dx = 300;
    view.Dy = 100;
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter, metrics);
        view.Draw(canvas, {});
    }
    TFontSpec bold;
    bold.Bold = true;
    const TSize size = metrics.TextExtent(bold, "ЭСКИЗ ИЗДЕЛИЯ");
    const int x0 = (300 - size.cx) / 2, y0 = (100 - size.cy) / 2;
    int red = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == qRgb(255, 255, 255)) continue;
            const bool inBox = x >= x0 && x < x0 + size.cx && y >= y0 && y < y0 + size.cy;
            if (!inBox) ++outside;
            if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80) ++red;
        }
    EXPECT_GT(red, 50);
    EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace ftf
