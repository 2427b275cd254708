// The files the game ships, read the way the game, a media player or a desktop
// reads them: the sounds decoded by the game's own decoder and measured, the icon and cursor files taken
// apart, the pictures checked for what the board relies on.
#include "app/startup/CursorFile.h"
#include "app/window/BoardPainter.h"
#include "outside/ffmpeg/DecodedSound.h"
#include "outside/qt/SoundAsPlayed.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QDir>
#include <QImageReader>
#include <QStringEncoder>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

QString programFile(const QString &relative)
{
    return qEnvironmentVariable("QUILLMERE_PROGRAM_DIR") + u'/' + relative;
}

QString sourceFile(const QString &relative)
{
    return qEnvironmentVariable("QUILLMERE_SOURCE_DIR") + u'/' + relative;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(path));
    return file.readAll();
}

double decibels(double amplitude) { return 20 * std::log10(std::max(amplitude, 1e-9)); }

struct DecodedSound {
    std::vector<double> samples; // mono, full scale = 1, as recorded in the file
    static constexpr int kRate = outside::kPcmRate;

    double seconds() const { return double(samples.size()) / kRate; }
    double peak(std::size_t from, std::size_t to) const
    {
        double peak = 0;
        for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
            peak = std::max(peak, std::abs(samples[i]));
        return peak;
    }
    double rms() const
    {
        double sum = 0;
        for (double s : samples)
            sum += s * s;
        return std::sqrt(sum / std::max<std::size_t>(samples.size(), 1));
    }
};

// The file's own level: the game's decoder gives it at the game's volume.
DecodedSound decode(const QString &path)
{
    DecodedSound sound;
    if (const outside::SharedPcm pcm = outside::asPlayed(outside::decodeSoundFile(path))) {
        for (std::size_t i = 0; i + 1 < pcm->samples.size(); i += outside::kPcmChannels)
            sound.samples.push_back((pcm->samples[i] + pcm->samples[i + 1]) / 2 / 32768.0 / outside::kSoundVolume);
    }
    return sound;
}

struct IconDirectoryEntry {
    int width;
    int height;
    int bitsPerPixel; // as the directory says
    int headerBitsPerPixel; // as the bitmap header says; readers go by this one
    QPoint hotSpot; // cursor files only
};

struct IconDirectory {
    int type = 0;
    std::vector<IconDirectoryEntry> entries;
};

IconDirectory readIconDirectory(const QByteArray &file)
{
    auto word = [&](qsizetype at) { return int(qFromLittleEndian<quint16>(file.constData() + at)); };
    auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    IconDirectory directory;
    if (file.size() < 6 || word(0) != 0)
        return directory;
    directory.type = word(2);
    for (int i = 0; i < word(4); ++i) {
        const qsizetype at = 6 + 16 * i;
        if (at + 16 > file.size() || dword(at + 12) + 16 > quint32(file.size()))
            return {};
        const qsizetype image = dword(at + 12);
        auto side = [](uchar byte) { return byte == 0 ? 256 : int(byte); };
        directory.entries.push_back({side(uchar(file[at])), side(uchar(file[at + 1])), word(at + 6),
                                     word(image + 14), QPoint(word(at + 4), word(at + 6))});
    }
    return directory;
}

std::vector<QImage> readAllImages(const QString &path)
{
    QImageReader reader(path, "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    return images;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

double relativeLuminance(QRgb colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

} // namespace

class AssetsTest : public QObject
{
    Q_OBJECT

private slots:
    void soundDecodesToAPleasantLevel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("right drop") << QStringLiteral("correct") << 0.35 << 0.7;
        QTest::newRow("wrong drop") << QStringLiteral("wrong") << 0.35 << 0.7;
        QTest::newRow("map complete") << QStringLiteral("complete") << 2.0 << 3.2;
    }

    void soundDecodesToAPleasantLevel()
    {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const DecodedSound sound = decode(programFile(QStringLiteral("sounds/%1.wma").arg(name)));
        QVERIFY2(!sound.samples.empty(), "no sound decoded");
        qInfo("%s: %.3f s, peak %.1f dBFS, RMS %.1f dBFS", qPrintable(name), sound.seconds(),
              decibels(sound.peak(0, sound.samples.size())), decibels(sound.rms()));

        QVERIFY2(sound.seconds() >= shortest && sound.seconds() <= longest, qPrintable(QString::number(sound.seconds())));
        // Heard, never harsh: clearly below full scale, clearly above silence.
        const double peak = decibels(sound.peak(0, sound.samples.size()));
        QVERIFY2(peak <= -3 && peak >= -18, qPrintable(QString::number(peak)));
        const double rms = decibels(sound.rms());
        QVERIFY2(rms <= -15 && rms >= -32, qPrintable(QString::number(rms)));
        // Fading in and out keeps the speaker from clicking at either end. The sound
        // starts at once (the decoder drops the silence before it), rising.
        const std::size_t edge = DecodedSound::kRate / 200; // 5 ms
        const std::size_t end = sound.samples.size();
        QVERIFY(sound.peak(0, edge / 5) < sound.peak(0, end) / 5);
        QVERIFY(sound.peak(0, edge / 5) > 0.005);
        QVERIFY(sound.peak(end - edge, end) < 0.02);
    }

    void programIconHoldsFourImagesInOrder()
    {
        const QString path = QStringLiteral(":/icons/quillmere.ico");
        const IconDirectory directory = readIconDirectory(contents(path));
        QCOMPARE(directory.type, 1);
        const std::vector<std::pair<int, int>> expected{{32, 24}, {256, 32}, {128, 32}, {48, 32}};
        QCOMPARE(directory.entries.size(), expected.size());
        const std::vector<QImage> images = readAllImages(path);
        QCOMPARE(images.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto [side, bits] = expected[i];
            const IconDirectoryEntry &entry = directory.entries[i];
            QCOMPARE(entry.width, side);
            QCOMPARE(entry.height, side);
            QCOMPARE(entry.bitsPerPixel, bits);
            QCOMPARE(entry.headerBitsPerPixel, bits);
            QCOMPARE(images[i].size(), QSize(side, side));
            const QImage &image = images[i];
            const int pixels = side * side;
            if (bits == 24) {
                // Qt ignores the mask of a 24-bit image, so it must look right without one.
                QCOMPARE(opaquePixels(image), pixels);
            } else {
                QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
                QVERIFY(opaquePixels(image) > pixels * 3 / 4);
            }
            QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
        }
    }

    void designTimeIconShowsNothing()
    {
        const QString path = QStringLiteral(":/icons/design.ico");
        QCOMPARE(readIconDirectory(contents(path)).type, 1);
        const std::vector<QImage> images = readAllImages(path);
        QCOMPARE(images.size(), std::size_t(1));
        QCOMPARE(images[0].size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(images[0].pixel(x, y)), 0);
    }

    void handCursorPointsWithItsFingerTip()
    {
        const QString path = programFile(QStringLiteral("HAND-M.CUR"));
        const IconDirectory directory = readIconDirectory(contents(path));
        QCOMPARE(directory.type, 2);
        QCOMPARE(directory.entries.size(), std::size_t(1));
        const QPoint hotSpot = directory.entries[0].hotSpot;
        const QImage image = QImageReader(path, "ico").read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(directory.entries[0].width, directory.entries[0].height));
        QVERIFY(image.rect().contains(hotSpot));

        // The hot spot is on the hand, at its topmost point.
        QVERIFY(qAlpha(image.pixel(hotSpot)) > 0);
        for (int y = 0; y < hotSpot.y(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        QCOMPARE(app::loadCursorFile(path).hotSpot(), hotSpot);
    }

    void dragPointerIsABluePinWithItsTipOnTheHotSpot()
    {
        const QImage stored(QStringLiteral(":/pictures/pushpin.png"));
        QCOMPARE(stored.size(), QSize(32, 32));
        QCOMPARE(stored.format(), QImage::Format_Indexed8);
        QVERIFY(stored.colorCount() <= 256);
        const QImage pin = stored.convertToFormat(QImage::Format_ARGB32);

        const QPoint tip = app::BoardPainter().dragCursor().hotSpot();
        QVERIFY(qAlpha(pin.pixel(tip)) >= 64);
        // The needle ends there: nothing further down and to the left.
        for (QPoint beyond = tip + QPoint(-1, 1); pin.rect().contains(beyond); beyond += QPoint(-1, 1))
            QCOMPARE(qAlpha(pin.pixel(beyond)), 0);

        int blue = 0;
        int visible = 0;
        QPointF centre;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = pin.pixel(x, y);
                if (qAlpha(pixel) < 128)
                    continue;
                ++visible;
                centre += QPointF(x, y);
                blue += qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) + 20;
            }
        }
        QVERIFY(visible > 100);
        QVERIFY2(blue > visible / 2, qPrintable(QStringLiteral("%1 of %2").arg(blue).arg(visible)));
        centre /= visible;
        // The head leans up and to the right of the tip.
        QVERIFY(centre.x() > tip.x() + 8 && centre.y() < tip.y() - 8);
        QCOMPARE(qAlpha(pin.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(pin.pixel(31, 31)), 0);
    }

    void panelBandCarriesWhiteText()
    {
        const QImage band = QImage(QStringLiteral(":/pictures/panel.jpg")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(band.size(), QSize(11, 154));
        auto row = [&](int y) { return band.pixel(band.width() / 2, y); };
        for (int y = 0; y < band.height(); ++y) {
            for (int x = 0; x < band.width(); ++x) {
                const QRgb pixel = band.pixel(x, y);
                QVERIFY(std::abs(qBlue(pixel) - qBlue(row(y))) <= 6); // a band: the same across
            }
        }

        // The first heading and everything below it lies on blue with white text readable.
        const quiz::TwipRect panel = quiz::kPanelPictureRect;
        const int firstTextRow = (quiz::kInstructionsHeading.rect.top - panel.top) * band.height() / panel.height;
        for (int y = firstTextRow; y < band.height(); ++y) {
            const QRgb colour = row(y);
            QVERIFY2(qBlue(colour) > qRed(colour) + 60, qPrintable(QString::number(y)));
            const double contrast = 1.05 / (relativeLuminance(colour) + 0.05);
            QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("row %1: %2").arg(y).arg(contrast)));
        }
        const double body = relativeLuminance(row(band.height() / 2));
        QVERIFY(relativeLuminance(row(0)) > body + 0.4); // the light edge
        QVERIFY(relativeLuminance(row(band.height() - 1)) < body * 0.6); // the darker band
    }

    void countryListIsTheCountryTableInWindows1252()
    {
        QStringEncoder windows1252("windows-1252");
        QVERIFY(windows1252.isValid());
        QByteArray expected;
        for (QStringView name : quiz::kCountryNames)
            expected += QByteArray(windows1252.encode(name)) + "\r\n";
        const QByteArray shipped = contents(programFile(QStringLiteral("items.txt")));
        QCOMPARE(shipped, expected);
        QVERIFY(shipped.contains("\r\nC\xf4te d'Ivoire\r\n"));
    }

    void desktopEntryNamesItsIconsAndProgram()
    {
        const QString id = QStringLiteral("org.quillmere.Quillmere");
        const QString entry = QString::fromUtf8(contents(sourceFile(QStringLiteral("assets/linux/%1.desktop.in").arg(id))));
        QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
        const QStringList lines = entry.split(u'\n');
        QVERIFY(lines.contains(QStringLiteral("Exec=quillmere")));
        QVERIFY(lines.contains(QStringLiteral("Icon=") + id));
        QVERIFY(lines.contains(QStringLiteral("Categories=Education;Geography;")));

        const QString metainfo =
            QString::fromUtf8(contents(sourceFile(QStringLiteral("assets/linux/%1.metainfo.xml.in").arg(id))));
        QVERIFY(metainfo.contains(QStringLiteral("<id>%1</id>").arg(id)));
        QVERIFY(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));

        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(sourceFile(QStringLiteral("assets/linux/icons/%1x%1/%2.png").arg(size).arg(id)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }
};

QTEST_MAIN(AssetsTest)
#include "AssetsTest.moc"
