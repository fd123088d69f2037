#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <algorithm>

// Checks the generated pictures and the click sound against what the program relies on:
// the bead outlines and colours the board paints with, the window icon's layout, the logo's
// file layout and palette, and the click's format and length.

namespace {

constexpr int IconSize = 32;

// The VGA colours the pictures use.
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb DarkCyan = qRgb(0, 128, 128);
constexpr QRgb DarkMagenta = qRgb(128, 0, 128);
constexpr QRgb Silver = qRgb(192, 192, 192);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Magenta = qRgb(255, 0, 255);
constexpr QRgb Cyan = qRgb(0, 255, 255);
constexpr QRgb White = qRgb(255, 255, 255);

// The bead body's bounding box.
constexpr int BeadLeft = 2;
constexpr int BeadRight = 29;
constexpr int BeadTop = 7;
constexpr int BeadBottom = 25;

// The window icon's blue border: four rows at the top, nine at the bottom and the two
// outermost columns.
constexpr int FieldTop = 4;
constexpr int FieldBottom = 22;
constexpr int FieldLeft = 1;
constexpr int FieldRight = 30;

constexpr int LogoWidth = 206;
constexpr int LogoHeight = 201;
constexpr qint64 LogoFileBytes = 124646;
constexpr int LogoColourCount = 8;

constexpr quint32 ClickSampleRate = 44100;
constexpr int ClickShortestMs = 30;
constexpr int ClickLongestMs = 60;
constexpr int FullScale = 32767;
constexpr int ClickPeakLimit = FullScale * 7 / 10;
constexpr double ClickDcLimit = FullScale / 1000.0;
constexpr int ClickAttackLimitMs = 5;
constexpr int ClickSilentTailMs = 1;
constexpr int MillisecondsPerSecond = 1000;

const QString LowerBeadPath = QStringLiteral(":/assets/lowerbead.ico");
const QString UpperBeadPath = QStringLiteral(":/assets/upperbead.ico");
const QString WindowIconPath = QStringLiteral(":/assets/quillmere.ico");
const QString LogoResourcePath = QStringLiteral(":/assets/logo.bmp");
const QString LogoFilePath = QStringLiteral(QUILLMERE_ASSET_DIR "/logo.bmp");
const QString ClickFilePath = QStringLiteral(QUILLMERE_BUILD_DIR "/click.wav");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Little-endian unsigned field of 1, 2 or 4 bytes; 0 when it lies beyond the data.
quint32 field(const QByteArray &data, qsizetype offset, int size)
{
    if (offset < 0 || offset + size > data.size())
        return 0;
    const auto *bytes = data.constData() + offset;
    switch (size) {
    case 1:
        return static_cast<quint8>(bytes[0]);
    case 2:
        return qFromLittleEndian<quint16>(bytes);
    default:
        return qFromLittleEndian<quint32>(bytes);
    }
}

// The body of the first RIFF chunk tagged tag, searched from the start of the WAVE form.
QByteArray riffChunk(const QByteArray &wav, const QByteArray &tag)
{
    constexpr qsizetype FirstChunk = 12;
    constexpr qsizetype ChunkHeader = 8;
    qsizetype at = FirstChunk;
    while (at + ChunkHeader <= wav.size()) {
        const quint32 size = field(wav, at + 4, 4);
        if (wav.mid(at, 4) == tag)
            return wav.mid(at + ChunkHeader, size);
        at += ChunkHeader + size + (size & 1U);
    }
    return {};
}

struct Span
{
    int left = -1;
    int right = -1;
    int width() const { return left < 0 ? 0 : right - left + 1; }
};

// The leftmost and rightmost opaque pixels of row y.
Span opaqueSpan(const QImage &image, int y)
{
    Span span;
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) == 0)
            continue;
        if (span.left < 0)
            span.left = x;
        span.right = x;
    }
    return span;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    void iconFiles_data();
    void iconFiles();
    void beadBody_data();
    void beadBody();
    void beadFlank_data();
    void beadFlank();
    void lowerBeadIsSymmetric();
    void upperBeadReachesFurtherInOneRow();
    void windowIconBorder();
    void windowIconBands_data();
    void windowIconBands();
    void logoHeader_data();
    void logoHeader();
    void logoPicture();
    void clickFormat_data();
    void clickFormat();
    void clickSound();
};

void TestAssets::iconFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("lower bead") << LowerBeadPath;
    QTest::newRow("upper bead") << UpperBeadPath;
    QTest::newRow("window icon") << WindowIconPath;
}

// One 32 x 32 image with 4-bit colour, as both the directory entry and the bitmap header say.
void TestAssets::iconFiles()
{
    QFETCH(QString, path);
    const QByteArray ico = readAll(path);
    QVERIFY(!ico.isEmpty());

    QCOMPARE(field(ico, 0, 2), 0U);  // reserved
    QCOMPARE(field(ico, 2, 2), 1U);  // icon, not cursor
    QCOMPARE(field(ico, 4, 2), 1U);  // one image
    QCOMPARE(field(ico, 6, 1), 32U); // entry: width
    QCOMPARE(field(ico, 7, 1), 32U); // entry: height
    QCOMPARE(field(ico, 8, 1), 16U); // entry: palette size
    QCOMPARE(field(ico, 12, 2), 4U); // entry: bits per pixel
    const quint32 imageBytes = field(ico, 14, 4);
    const quint32 imageOffset = field(ico, 18, 4);
    QCOMPARE(qsizetype(imageOffset + imageBytes), ico.size());

    QCOMPARE(field(ico, imageOffset, 4), 40U);     // BITMAPINFOHEADER
    QCOMPARE(field(ico, imageOffset + 4, 4), 32U); // width
    QCOMPARE(field(ico, imageOffset + 8, 4), 64U); // colour bitmap and mask
    QCOMPARE(field(ico, imageOffset + 14, 2), 4U); // bits per pixel
    QCOMPARE(field(ico, imageOffset + 16, 4), 0U); // uncompressed

    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(IconSize, IconSize));
}

void TestAssets::beadBody_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("body");
    QTest::addColumn<QRgb>("shade");
    QTest::newRow("lower bead") << LowerBeadPath << Cyan << DarkCyan;
    QTest::newRow("upper bead") << UpperBeadPath << Magenta << DarkMagenta;
}

// The body is a solid oval in the bounding box, in its two colours; the rest is clear.
void TestAssets::beadBody()
{
    QFETCH(QString, path);
    QFETCH(QRgb, body);
    QFETCH(QRgb, shade);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(IconSize, IconSize));

    int left = IconSize;
    int right = -1;
    int top = IconSize;
    int bottom = -1;
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int alpha = qAlpha(pixel);
            QVERIFY2(alpha == 0 || alpha == 255, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (alpha == 0)
                continue;
            QVERIFY2(pixel == body || pixel == shade,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    QCOMPARE(left, BeadLeft);
    QCOMPARE(right, BeadRight);
    QCOMPARE(top, BeadTop);
    QCOMPARE(bottom, BeadBottom);

    // Every body row is one unbroken run, widening down to the middle and narrowing after.
    const int middle = (BeadTop + BeadBottom) / 2;
    int previousWidth = 0;
    for (int y = BeadTop; y <= BeadBottom; ++y) {
        const Span span = opaqueSpan(image, y);
        QVERIFY(span.width() > 0);
        for (int x = span.left; x <= span.right; ++x)
            QVERIFY2(qAlpha(image.pixel(x, y)) == 255,
                     qPrintable(QStringLiteral("hole at %1,%2").arg(x).arg(y)));
        if (y <= middle)
            QVERIFY2(span.width() >= previousWidth, qPrintable(QString::number(y)));
        else
            QVERIFY2(span.width() <= previousWidth, qPrintable(QString::number(y)));
        previousWidth = span.width();
    }
}

void TestAssets::beadFlank_data()
{
    beadBody_data();
}

// The shade checkers the left part of every row, under half of it; the rest is body colour.
void TestAssets::beadFlank()
{
    QFETCH(QString, path);
    QFETCH(QRgb, body);
    QFETCH(QRgb, shade);
    const QImage image(path);

    int shadeParity = -1;
    for (int y = BeadTop; y <= BeadBottom; ++y) {
        const Span span = opaqueSpan(image, y);
        int lastShaded = -1;
        for (int x = span.left; x <= span.right; ++x) {
            if (image.pixel(x, y) != shade)
                continue;
            lastShaded = x;
            if (shadeParity < 0)
                shadeParity = (x + y) % 2;
            QVERIFY2((x + y) % 2 == shadeParity,
                     qPrintable(QStringLiteral("not a checkerboard at %1,%2").arg(x).arg(y)));
        }
        QVERIFY2(lastShaded >= 0, qPrintable(QStringLiteral("no flank in row %1").arg(y)));
        const int flankWidth = lastShaded - span.left + 1;
        QVERIFY2(2 * flankWidth < span.width(),
                 qPrintable(QStringLiteral("flank too wide in row %1").arg(y)));
        for (int x = span.left; x < lastShaded; ++x)
            QVERIFY2(image.pixel(x, y) != image.pixel(x + 1, y),
                     qPrintable(QStringLiteral("flank does not alternate at %1,%2").arg(x).arg(y)));
        for (int x = lastShaded + 1; x <= span.right; ++x)
            QCOMPARE(image.pixel(x, y), body);
    }
}

// The lower bead is a true oval: its outline mirrors left to right and top to bottom.
void TestAssets::lowerBeadIsSymmetric()
{
    const QImage image(LowerBeadPath);
    QCOMPARE(image.size(), QSize(IconSize, IconSize));
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const bool opaque = qAlpha(image.pixel(x, y)) != 0;
            QCOMPARE(qAlpha(image.pixel(BeadLeft + BeadRight - x, y)) != 0, opaque);
            if (y >= BeadTop && y <= BeadBottom)
                QCOMPARE(qAlpha(image.pixel(x, BeadTop + BeadBottom - y)) != 0, opaque);
        }
    }
}

void TestAssets::upperBeadReachesFurtherInOneRow()
{
    const QImage lower(LowerBeadPath);
    const QImage upper(UpperBeadPath);
    QCOMPARE(lower.size(), QSize(IconSize, IconSize));
    QCOMPARE(upper.size(), QSize(IconSize, IconSize));

    int differingRows = 0;
    for (int y = 0; y < IconSize; ++y) {
        const Span lowerSpan = opaqueSpan(lower, y);
        const Span upperSpan = opaqueSpan(upper, y);
        QCOMPARE(upperSpan.right, lowerSpan.right);
        if (upperSpan.left == lowerSpan.left)
            continue;
        ++differingRows;
        QCOMPARE(upperSpan.left, lowerSpan.left - 1);
    }
    QCOMPARE(differingRows, 1);
}

// Opaque throughout, blue around the field and nowhere inside it.
void TestAssets::windowIconBorder()
{
    const QImage image(WindowIconPath);
    QCOMPARE(image.size(), QSize(IconSize, IconSize));
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const QRgb pixel = image.pixel(x, y);
            QCOMPARE(qAlpha(pixel), 255);
            const bool inField =
                y >= FieldTop && y <= FieldBottom && x >= FieldLeft && x <= FieldRight;
            QVERIFY2((pixel == Blue) != inField, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestAssets::windowIconBands_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QList<QRgb>>("required");
    QTest::addColumn<QList<QRgb>>("allowed");
    const QList<QRgb> black{Black};
    const QList<QRgb> beads{DarkCyan, Silver};
    const QList<QRgb> beadsOnBlack{DarkCyan, Silver, Black};
    QTest::newRow("black above the bar") << 4 << 5 << black << black;
    QTest::newRow("magenta bar") << 6 << 7 << QList<QRgb>{Magenta} << QList<QRgb>{Magenta, Black};
    QTest::newRow("two bead rows") << 8 << 9 << beads << beadsOnBlack;
    QTest::newRow("black gap") << 10 << 10 << black << black;
    QTest::newRow("four bead rows") << 11 << 14 << beads << beadsOnBlack;
    QTest::newRow("light cyan block") << 15 << 19 << QList<QRgb>{Cyan} << QList<QRgb>{Cyan, Black};
    QTest::newRow("black below the block") << 20 << 22 << black << black;
}

// Each band of the field holds its colours in every row, on black and nothing else.
void TestAssets::windowIconBands()
{
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QList<QRgb>, required);
    QFETCH(QList<QRgb>, allowed);
    const QImage image(WindowIconPath);
    QCOMPARE(image.size(), QSize(IconSize, IconSize));
    for (int y = top; y <= bottom; ++y) {
        QSet<QRgb> seen;
        for (int x = FieldLeft; x <= FieldRight; ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY2(allowed.contains(pixel), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            seen.insert(pixel);
        }
        for (const QRgb colour : required)
            QVERIFY2(seen.contains(colour), qPrintable(QStringLiteral("row %1").arg(y)));
    }
}

void TestAssets::logoHeader_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("BM magic") << 0 << 2 << quint32{0x4D42};
    QTest::newRow("file size") << 2 << 4 << quint32{LogoFileBytes};
    QTest::newRow("pixel data offset") << 10 << 4 << quint32{26};
    QTest::newRow("core header size") << 14 << 4 << quint32{12};
    QTest::newRow("width") << 18 << 2 << quint32{LogoWidth};
    QTest::newRow("height") << 20 << 2 << quint32{LogoHeight};
    QTest::newRow("planes") << 22 << 2 << quint32{1};
    QTest::newRow("bits per pixel") << 24 << 2 << quint32{24};
}

void TestAssets::logoHeader()
{
    QFETCH(int, offset);
    QFETCH(int, size);
    QFETCH(quint32, expected);
    const QByteArray bmp = readAll(LogoFilePath);
    QCOMPARE(bmp.size(), LogoFileBytes);
    QCOMPARE(field(bmp, offset, size), expected);
}

// Eight colours on a white ground, mirror-symmetric, and narrower at the top than the bottom.
void TestAssets::logoPicture()
{
    const QImage image(LogoResourcePath);
    QCOMPARE(image.size(), QSize(LogoWidth, LogoHeight));

    QSet<QRgb> colours;
    for (int y = 0; y < LogoHeight; ++y)
        for (int x = 0; x < LogoWidth; ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000U);
    QCOMPARE(colours.size(), LogoColourCount);

    const int lastX = LogoWidth - 1;
    const int lastY = LogoHeight - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(lastX, 0), QPoint(0, lastY), QPoint(lastX, lastY)})
        QCOMPARE(image.pixel(corner), White);

    // Twice the largest distance of a drawn pixel from the middle, over rows [fromRow, toRow).
    auto extent = [&image](int fromRow, int toRow) {
        int widest = 0;
        for (int y = fromRow; y < toRow; ++y)
            for (int x = 0; x < LogoWidth; ++x)
                if (image.pixel(x, y) != White)
                    widest = std::max(widest, std::abs(2 * x + 1 - LogoWidth));
        return widest;
    };
    QVERIFY(extent(0, LogoHeight / 3) < extent(2 * LogoHeight / 3, LogoHeight));

    for (int y = 0; y < LogoHeight; ++y)
        for (int x = 0; x < LogoWidth / 2; ++x)
            QVERIFY2(image.pixel(x, y) == image.pixel(lastX - x, y),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestAssets::clickFormat_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("PCM") << 0 << 2 << quint32{1};
    QTest::newRow("mono") << 2 << 2 << quint32{1};
    QTest::newRow("44100 Hz") << 4 << 4 << ClickSampleRate;
    QTest::newRow("byte rate") << 8 << 4 << ClickSampleRate * 2;
    QTest::newRow("block align") << 12 << 2 << quint32{2};
    QTest::newRow("16-bit") << 14 << 2 << quint32{16};
}

// Fields of the fmt chunk.
void TestAssets::clickFormat()
{
    QFETCH(int, offset);
    QFETCH(int, size);
    QFETCH(quint32, expected);
    const QByteArray wav = readAll(ClickFilePath);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qsizetype(field(wav, 4, 4)) + 8, wav.size());
    const QByteArray format = riffChunk(wav, "fmt ");
    QVERIFY(format.size() >= 16);
    QCOMPARE(field(format, offset, size), expected);
}

// A short burst: loudest near its start, well below full scale, centred on zero and
// ending in silence.
void TestAssets::clickSound()
{
    const QByteArray data = riffChunk(readAll(ClickFilePath), "data");
    QVERIFY(!data.isEmpty());
    QCOMPARE(data.size() % 2, 0);
    const qsizetype count = data.size() / 2;
    const qsizetype durationMs = count * MillisecondsPerSecond / ClickSampleRate;
    QVERIFY2(durationMs >= ClickShortestMs && durationMs <= ClickLongestMs,
             qPrintable(QString::number(durationMs)));

    int peak = 0;
    qsizetype peakAt = 0;
    double sum = 0.0;
    for (qsizetype i = 0; i < count; ++i) {
        const int sample = qFromLittleEndian<qint16>(data.constData() + 2 * i);
        sum += sample;
        if (std::abs(sample) > peak) {
            peak = std::abs(sample);
            peakAt = i;
        }
    }
    QVERIFY2(peak > 0 && peak < ClickPeakLimit, qPrintable(QString::number(peak)));
    QVERIFY(peakAt * MillisecondsPerSecond / ClickSampleRate < ClickAttackLimitMs);
    QVERIFY2(std::abs(sum / double(count)) < ClickDcLimit, qPrintable(QString::number(sum)));

    const qsizetype tail = ClickSampleRate * ClickSilentTailMs / MillisecondsPerSecond;
    for (qsizetype i = count - tail; i < count; ++i)
        QCOMPARE(qFromLittleEndian<qint16>(data.constData() + 2 * i), qint16{0});
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
