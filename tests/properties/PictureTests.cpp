#include "properties/KorvGraphic.h"

#include "core/Error.h"
#include "properties/JpegCodec.h"
#include "properties/PictureText.h"
#include "support/Metafiles.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <zlib.h>

#include <thread>
#include <vector>

namespace {

QByteArray Pattern(int n) {
    QByteArray b(n, '\0');
    quint32 x = 2463534242u;
    for (int i = 0; i < n; ++i) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        b[i] = static_cast<char>(x);
    }
    return b;
}

QImage TestImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, x < w / 2 ? qRgb(200, 30, 40) : qRgb(20, 60, 220));
    return image;
}

QByteArray ZlibFrame(const QByteArray& framed) {
    uLongf size = compressBound(static_cast<uLong>(framed.size()));
    QByteArray out(static_cast<int>(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(framed.constData()),
              static_cast<uLong>(framed.size()), 9);
    out.resize(static_cast<int>(size));
    return out;
}

// While it lives the converters cannot be found: what a picture draws then comes from
// a conversion made before.
class TNoConverters {
public:
    TNoConverters() : m_path(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(m_empty.path())); }
    ~TNoConverters() { qputenv("PATH", m_path); }
    TNoConverters(const TNoConverters&) = delete;
    TNoConverters& operator=(const TNoConverters&) = delete;

private:
    QByteArray m_path;
    QTemporaryDir m_empty;
};

QByteArray Le32(quint32 n) {
    QByteArray b;
    for (int s = 0; s < 32; s += 8)
        b.append(static_cast<char>((n >> s) & 0xFF));
    return b;
}

// ---------------------------------------------------------------------------
// Packed text

TEST(PictureText, KnownGoodStrings) {
    // Produced by Python's zlib and base64 modules.
    EXPECT_EQ(PackPictureText({}), "eNpjYGBgAAAABAAB");
    EXPECT_EQ(PackPictureText("Hello picture"), "eNrjZWBg8EjNyclXKMhMLiktSgUAIwIFHg==");
    EXPECT_EQ(UnpackPictureText("eNrjZWBg8EjNyclXKMhMLiktSgUAIwIFHg=="), "Hello picture");
    // Line breaks, blanks and stray characters are skipped.
    EXPECT_EQ(UnpackPictureText("eNrjZWBg8EjN\r\nyclXKMhM  LiktSg*UAIwIFHg=="), "Hello picture");
    EXPECT_TRUE(UnpackPictureText("eNpjYGBgAAAABAAB").isEmpty());
}

TEST(PictureText, LineBreakAfterEveryFullLineOnly) {
    EXPECT_EQ(Base64EncodeLines(QByteArray(57, 'x')).size(), 78);
    EXPECT_TRUE(Base64EncodeLines(QByteArray(57, 'x')).endsWith("\r\n"));
    const QByteArray two = Base64EncodeLines(QByteArray(58, 'x'));
    EXPECT_EQ(two.size(), 76 + 2 + 4);
    EXPECT_EQ(two.indexOf("\r\n"), 76);
    EXPECT_FALSE(two.endsWith("\r\n"));
    EXPECT_EQ(Base64EncodeLines(QByteArray(114, 'x')).count("\r\n"), 2);
    EXPECT_EQ(Base64EncodeLines(QByteArray(1, 'x')), "eA==");
}

// An independent implementation in Python checks our text both ways, over sizes
// that end on and off the 76-character boundary.
TEST(PictureText, AgreesWithPython) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 not installed";
    const char* script = R"(
import sys, zlib, base64, struct
for line in sys.stdin.read().split():
    payload_hex, ours = line.split(':')
    p = bytes.fromhex(payload_hex)
    ours = base64.b64decode(ours.encode()).decode()
    b = base64.b64encode(zlib.compress(struct.pack('<I', len(p)) + p, 9)).decode()
    expect = ''.join(b[i:i+76] + ('\r\n' if len(b[i:i+76]) == 76 else '') for i in range(0, len(b), 76))
    raw = zlib.decompress(base64.b64decode(ours.replace('\r\n', '')))
    ok = ours == expect and struct.unpack('<I', raw[:4])[0] == len(p) and raw[4:] == p
    print('ok' if ok else 'FAIL %d' % len(p))
)";
    QByteArray input;
    int boundaryCases = 0;
    for (int n : {0, 1, 2, 3, 40, 45, 52, 53, 60, 100, 110, 160, 500, 3000}) {
        const QByteArray p = Pattern(n);
        const QByteArray packed = PackPictureText(p);
        if (packed.endsWith("\r\n"))
            ++boundaryCases;
        // The text itself travels base64-wrapped so its CR LF survive the pipe.
        input += p.toHex() + ":" + packed.toBase64() + "\n";
    }
    QProcess proc;
    proc.start(python, {"-c", script});
    ASSERT_TRUE(proc.waitForStarted());
    proc.write(input);
    proc.closeWriteChannel();
    ASSERT_TRUE(proc.waitForFinished(30000));
    const QString out = QString::fromUtf8(proc.readAllStandardOutput());
    EXPECT_EQ(out.split('\n', Qt::SkipEmptyParts), QStringList(14, "ok"))
        << proc.readAllStandardError().constData();
    EXPECT_GT(boundaryCases, 0) << "no size ended exactly on a 76-character line";
}

TEST(PictureText, DamagedOrHostileTextGivesNoPicture) {
    const QByteArray good = PackPictureText(Pattern(300));
    ASSERT_EQ(UnpackPictureText(good), Pattern(300));

    QByteArray flipped = good;
    flipped[20] = flipped[20] == 'A' ? 'B' : 'A';
    const QByteArray truncated = good.left(good.size() / 2);
    // A stated length far beyond what the stream holds, one beyond the cap, and the
    // largest a 32-bit length can say.
    const QByteArray shortStream = Base64EncodeLines(ZlibFrame(Le32(200u * 1024 * 1024) + "abc"));
    const QByteArray overCap = Base64EncodeLines(ZlibFrame(Le32(MaxPictureBytes + 1) + "abc"));
    const QByteArray huge = Base64EncodeLines(ZlibFrame(Le32(0xFFFFFFFFu) + "abc"));
    const QByteArray rows[] = {
        "",          "!!!!",  "====", Base64EncodeLines(Pattern(64)),    flipped, truncated,
        shortStream, overCap, huge,   Base64EncodeLines(ZlibFrame("ab"))};
    for (const QByteArray& text : rows)
        EXPECT_TRUE(UnpackPictureText(text).isEmpty()) << text.left(40).constData();

    // Bytes after the stated length are not part of the value.
    EXPECT_EQ(UnpackPictureText(Base64EncodeLines(ZlibFrame(Le32(3) + "abcdef"))), "abc");
}

// The pictures of one document unpack within one budget: a picture that states more
// than is left fails before anything of it is unpacked, so a few kilobytes of packed
// text cannot make a document take gigabytes.
TEST(PictureText, ADocumentsPicturesShareOneBudget) {
    const QByteArray packed = PackPictureText(Pattern(1000));
    TPictureBudget budget(2500);
    EXPECT_EQ(UnpackPictureText(packed, budget), Pattern(1000));
    EXPECT_EQ(UnpackPictureText(packed, budget), Pattern(1000));
    const std::uint64_t used = budget.Used();
    EXPECT_GE(used, 2000u);
    EXPECT_THROW(UnpackPictureText(packed, budget), EPictureBudgetError);
    EXPECT_EQ(budget.Used(), used);

    // A stated length beyond the cap is damage, not a claim on the budget.
    TPictureBudget capped;
    EXPECT_TRUE(
        UnpackPictureText(Base64EncodeLines(ZlibFrame(Le32(MaxPictureBytes + 1) + "abc")), capped).isEmpty());
    EXPECT_LT(capped.Used(), 16u);
    // Eight pictures stating the largest size each: the second is refused at once.
    TPictureBudget roomy;
    const QByteArray claim = Base64EncodeLines(ZlibFrame(Le32(MaxPictureBytes) + "abc"));
    EXPECT_TRUE(UnpackPictureText(claim, roomy).isEmpty());
    try {
        UnpackPictureText(claim, roomy);
        FAIL() << "no error";
    } catch (const EPictureBudgetError& e) {
        EXPECT_EQ(e.Message(), "The pictures of the document need more than 256 MB.");
    }
    EXPECT_LT(roomy.Used(), 1024u);
}

// ---------------------------------------------------------------------------
// Graphics

class Graphic : public ::testing::Test {
protected:
    QString WriteImage(const QString& name, const char* format, const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format));
        Dir.Write(name, bytes);
        return Dir.File(name);
    }

    static QImage Render(const TKorvGraphic& g, QSize size) {
        QImage canvas(size, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        g.Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return canvas;
    }

    // Stores the graphic the way a property does and reads it back.
    static TKorvGraphic ThroughPackedText(const TKorvGraphic& g) {
        TKorvGraphic back;
        EXPECT_TRUE(back.LoadFromString(UnpackPictureText(PackPictureText(g.SaveToString()))));
        return back;
    }

    TempDir Dir;
};

TEST_F(Graphic, BitmapRoundTrip) {
    const QImage image = TestImage(9, 7);
    TKorvGraphic g;
    g.LoadFromFile(WriteImage("pic.bmp", "BMP", image));
    EXPECT_EQ(g.Kind, TKorvGraphic::KindBitmap);
    const QByteArray stored = g.SaveToString();
    EXPECT_EQ(stored.at(0), 0);
    EXPECT_EQ(stored.mid(1, 2), "BM");

    const TKorvGraphic back = ThroughPackedText(g);
    EXPECT_EQ(back.Kind, TKorvGraphic::KindBitmap);
    EXPECT_EQ(back.Bitmap().convertToFormat(QImage::Format_RGB32), image);
    EXPECT_EQ(back.SaveToString(), stored);
    EXPECT_EQ(Render(back, {18, 14}).pixel(17, 13), qRgb(20, 60, 220)); // drawn stretched
}

TEST_F(Graphic, JpegKeepsItsFileBytes) {
    const QByteArray jpeg = EncodeJpeg(TestImage(32, 16), 95);
    ASSERT_FALSE(jpeg.isEmpty());
    Dir.Write("photo.JPG", jpeg);
    TKorvGraphic g;
    g.LoadFromFile(Dir.File("photo.JPG"));
    EXPECT_EQ(g.Kind, TKorvGraphic::KindJpeg);
    EXPECT_EQ(g.Jpeg(), jpeg);
    EXPECT_EQ(g.SaveToString(), QByteArray(1, '\1') + jpeg);

    const TKorvGraphic back = ThroughPackedText(g);
    EXPECT_EQ(back.Kind, TKorvGraphic::KindJpeg);
    EXPECT_EQ(back.NaturalSize(), QSize(32, 16));
    EXPECT_EQ(back.SaveToString(), g.SaveToString());
    const QRgb left = back.Bitmap().pixel(4, 8), right = back.Bitmap().pixel(28, 8);
    EXPECT_NEAR(qRed(left), 200, 12);
    EXPECT_NEAR(qBlue(right), 220, 12);
}

TEST_F(Graphic, SvgIsAVectorMetafile) {
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">)"
                           R"(<rect x="0" y="0" width="20" height="20" fill="#ff0000"/></svg>)";
    Dir.Write("logo.svg", svg);
    TKorvGraphic g;
    g.LoadFromFile(Dir.File("logo.svg"));
    EXPECT_EQ(g.Kind, TKorvGraphic::KindMetafile);
    EXPECT_TRUE(g.IsVector());
    EXPECT_EQ(g.SaveToString(), QByteArray(1, '\2') + svg);

    const TKorvGraphic back = ThroughPackedText(g);
    EXPECT_TRUE(back.IsVector());
    EXPECT_EQ(back.NaturalSize(), QSize(40, 20));
    const QImage drawn = Render(back, {80, 40});
    EXPECT_EQ(drawn.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(70, 20), qRgb(255, 255, 255));
}

TEST_F(Graphic, PngIsARasterMetafile) {
    const QImage image = TestImage(6, 6);
    const QString path = WriteImage("pic.png", "PNG", image);
    TKorvGraphic g;
    g.LoadFromFile(path);
    EXPECT_EQ(g.Kind, TKorvGraphic::KindMetafile);
    EXPECT_FALSE(g.IsVector());
    EXPECT_EQ(g.SaveToString().mid(1), Dir.Read("pic.png"));
    const TKorvGraphic back = ThroughPackedText(g);
    EXPECT_EQ(back.Kind, TKorvGraphic::KindMetafile);
    EXPECT_EQ(back.Bitmap().convertToFormat(QImage::Format_RGB32), image);
}

TEST_F(Graphic, WindowsMetafilesDrawThroughOneConversionThatCopiesShare) {
    const struct {
        const char* Name;
        QByteArray Bytes;
        QRgb Colour;
    } cases[] = {{"emf", MakeEmfRectangle(), qRgb(0, 255, 0)}, {"wmf", MakeWmfRectangle(), qRgb(255, 0, 0)}};
    for (const auto& c : cases) {
        const QByteArray stored = QByteArray(1, '\2') + c.Bytes;
        TKorvGraphic g;
        ASSERT_TRUE(g.LoadFromString(stored)) << c.Name;
        EXPECT_EQ(g.Kind, TKorvGraphic::KindMetafile) << c.Name;
        EXPECT_FALSE(g.IsEmpty()) << c.Name;
        EXPECT_TRUE(g.IsConvertedMetafile()) << c.Name;
        const TKorvGraphic copy = g; // taken before the conversion, and still sharing it
        EXPECT_EQ(g.NaturalSize(), QSize(200, 100)) << c.Name;
        EXPECT_EQ(g.SaveToString(), stored) << c.Name;

        const TNoConverters none;
        const QImage drawn = Render(copy, {400, 200});
        EXPECT_EQ(drawn.pixel(200, 100), c.Colour) << c.Name;
        TKorvGraphic fresh;
        ASSERT_TRUE(fresh.LoadFromString(stored)) << c.Name;
        QString reason;
        EXPECT_FALSE(fresh.Convert(&reason)) << c.Name;
        EXPECT_FALSE(reason.isEmpty()) << c.Name;
        EXPECT_TRUE(fresh.NaturalSize().isEmpty()) << c.Name;
        EXPECT_EQ(Render(fresh, {400, 200}).pixel(200, 100), qRgb(255, 255, 255)) << c.Name;
        EXPECT_EQ(fresh.SaveToString(), stored) << c.Name;
    }
}

TEST_F(Graphic, OneMetafileDrawsOnSeveralThreadsAtOnce) {
    TKorvGraphic g;
    ASSERT_TRUE(g.LoadFromString(QByteArray(1, '\2') + MakeEmfRectangle()));
    std::vector<QImage> drawn(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        threads.emplace_back([&g, &drawn, i] {
            const TKorvGraphic copy = g;
            drawn[i] = Render(copy, {200, 100});
        });
    for (std::thread& t : threads)
        t.join();
    for (const QImage& image : drawn) {
        EXPECT_EQ(image.pixel(100, 50), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
    }
}

TEST_F(Graphic, AMetafileFileIsConvertedWhenChosen) {
    Dir.Write("logo.EMF", MakeEmfRectangle());
    TKorvGraphic g;
    g.LoadFromFile(Dir.File("logo.EMF"));
    EXPECT_EQ(g.SaveToString(), QByteArray(1, '\2') + MakeEmfRectangle());
    const TNoConverters none;
    EXPECT_EQ(g.NaturalSize(), QSize(200, 100));
    EXPECT_EQ(Render(g, {200, 100}).pixel(100, 50), qRgb(0, 255, 0));
}

TEST_F(Graphic, UnreadableFilesRaiseAndLeaveThePicture) {
    TKorvGraphic g;
    g.LoadFromImage(TestImage(3, 3));
    const QByteArray before = g.SaveToString();
    Dir.Write("bad.jpg", "not a jpeg at all");
    Dir.Write("bad.emf", Pattern(200));
    Dir.Write("cut.emf", MakeEmfRectangle().left(100));
    Dir.Write("cut.wmf", MakeWmfRectangle().left(40));
    for (const char* name : {"bad.jpg", "bad.emf", "cut.emf", "cut.wmf", "absent.bmp"}) {
        EXPECT_THROW(g.LoadFromFile(Dir.File(name)), EBramblexError) << name;
        EXPECT_EQ(g.SaveToString(), before);
    }
}

TEST_F(Graphic, BadStoredBytesGiveAnEmptyPicture) {
    const QByteArray jpeg = EncodeJpeg(TestImage(16, 16));
    QByteArray hugeJpeg = jpeg;
    // Rewrite the frame header to claim 65000 x 65000 pixels.
    const int sof = hugeJpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (int i : {5, 7}) {
        hugeJpeg[sof + i] = static_cast<char>(0xFD);
        hugeJpeg[sof + i + 1] = static_cast<char>(0xE8);
    }
    const QByteArray rows[] = {
        QByteArray(1, '\0') + "BMgarbage", QByteArray(1, '\1') + jpeg.left(jpeg.size() / 3),
        QByteArray(1, '\1') + hugeJpeg, QByteArray(1, '\2') + Pattern(100), QByteArray(1, '\7') + jpeg};
    for (const QByteArray& bytes : rows) {
        TKorvGraphic g;
        g.LoadFromImage(TestImage(2, 2));
        EXPECT_FALSE(g.LoadFromString(bytes));
        EXPECT_TRUE(g.IsEmpty());
        EXPECT_TRUE(g.SaveToString().isEmpty());
    }
    EXPECT_TRUE(DecodeJpeg(hugeJpeg).isNull());
}

TEST_F(Graphic, AssignCopiesAndRejectsNothing) {
    TKorvGraphic a, b;
    a.LoadFromImage(TestImage(4, 2));
    b.Assign(&a);
    EXPECT_EQ(b.SaveToString(), a.SaveToString());
    try {
        b.Assign(nullptr);
        FAIL();
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign object to KorvGraphic");
    }
    EXPECT_TRUE(b.LoadFromString({}));
    EXPECT_TRUE(b.IsEmpty());
}

} // namespace

namespace {

// A 24-bit bitmap of two pixels (red, blue) with `gap` junk bytes between the headers
// and the pixels, the offset field pointing at the pixels, and the file size field
// claiming fileSizeClaim (0: the true size).
QByteArray GappedBitmap(int gap, quint32 fileSizeClaim = 0, quint32 coloursUsed = 0) {
    auto le32 = [](QByteArray& b, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto le16 = [](QByteArray& b, quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    // Blue, green, red per pixel: red, blue, then two bytes pad the row to four.
    const QByteArray pixels = QByteArray::fromHex("0000ffff00000000");
    const quint32 offset = 54 + gap;
    QByteArray b("BM");
    le32(b, fileSizeClaim ? fileSizeClaim : offset + pixels.size());
    le32(b, 0);
    le32(b, offset);
    le32(b, 40);
    le32(b, 2);
    le32(b, 1);
    le16(b, 1);
    le16(b, 24);
    le32(b, 0);
    le32(b, pixels.size());
    le32(b, 2835);
    le32(b, 2835);
    le32(b, coloursUsed);
    le32(b, 0);
    b.append(QByteArray(gap, 'x'));
    b.append(pixels);
    return b;
}

} // namespace

TEST(RepairingBitmapLoader, MovesThePixelsRightBehindTheHeaders) {
    const QByteArray gapped = GappedBitmap(6);
    const QByteArray repaired = RepairBitmapHeader(gapped);
    ASSERT_EQ(repaired.size(), 54 + 8);
    EXPECT_EQ(static_cast<unsigned char>(repaired[10]), 54);
    EXPECT_EQ(repaired.mid(54), gapped.mid(60));
    QImage image = QImage::fromData(repaired, "BMP");
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::blue));
}

TEST(RepairingBitmapLoader, NeverReadsBeyondTheFile) {
    // A header that claims far more than the file holds, or pixels past its end.
    EXPECT_EQ(RepairBitmapHeader(GappedBitmap(6, 100000)).size(), 54 + 8);
    QByteArray beyond = GappedBitmap(6);
    beyond[10] = char(0xF0);
    beyond[11] = char(0xFF);
    EXPECT_EQ(RepairBitmapHeader(beyond).size(), 54);
    // Bitmaps it has no reason to touch come back as they were.
    EXPECT_EQ(RepairBitmapHeader(GappedBitmap(0)), GappedBitmap(0));
    EXPECT_EQ(RepairBitmapHeader(GappedBitmap(6, 0, 2)), GappedBitmap(6, 0, 2));
    EXPECT_EQ(RepairBitmapHeader(QByteArray("BM")), QByteArray("BM"));
}

TEST_F(Graphic, ABmpFileIsLoadedThroughTheRepair) {
    TempDir dir;
    dir.Write("gapped.bmp", GappedBitmap(6));
    TKorvGraphic graphic;
    graphic.LoadFromFile(dir.File("gapped.bmp"));
    EXPECT_EQ(graphic.Kind, TKorvGraphic::KindBitmap);
    EXPECT_EQ(graphic.Bitmap().pixelColor(1, 0), QColor(Qt::blue));
    // No temporary file beside the picture.
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{"gapped.bmp"});
}
