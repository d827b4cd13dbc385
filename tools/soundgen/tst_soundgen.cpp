#include "Chime.h"

#include <QFile>
#include <QTest>

#include <cstdlib>

namespace {

quint32 le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + std::size_t(i)];
    return v;
}

QByteArray tag(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return QByteArray(reinterpret_cast<const char*>(b.data() + at), 4);
}

} // namespace

class TestSoundgen : public QObject {
    Q_OBJECT
private slots:
    void headerDescribesTheData();
    void soundIsAudibleAndClickFree();
    void builtFileIsTheChime();
};

// A player refuses the whole file when one size or rate field is off.
void TestSoundgen::headerDescribesTheData()
{
    const auto samples = Chime::samples();
    const auto wav = Chime::wavFile(samples);
    QCOMPARE(samples.size(), std::size_t(0.6 * 22050));
    QCOMPARE(wav.size(), 44 + 2 * samples.size());

    QCOMPARE(tag(wav, 0), QByteArray("RIFF"));
    QCOMPARE(le(wav, 4, 4), quint32(wav.size() - 8));
    QCOMPARE(tag(wav, 8), QByteArray("WAVE"));
    QCOMPARE(tag(wav, 12), QByteArray("fmt "));
    QCOMPARE(le(wav, 16, 4), 16u);    // PCM format block
    QCOMPARE(le(wav, 20, 2), 1u);     // PCM
    QCOMPARE(le(wav, 22, 2), 1u);     // mono
    QCOMPARE(le(wav, 24, 4), 22050u); // sample rate
    QCOMPARE(le(wav, 28, 4), 44100u); // bytes per second
    QCOMPARE(le(wav, 32, 2), 2u);     // block align
    QCOMPARE(le(wav, 34, 2), 16u);    // bits
    QCOMPARE(tag(wav, 36), QByteArray("data"));
    QCOMPARE(le(wav, 40, 4), quint32(2 * samples.size()));
    // Samples are stored little-endian and signed.
    const std::size_t i = samples.size() / 4;
    QCOMPARE(qint16(le(wav, 44 + 2 * i, 2)), samples[i]);
}

void TestSoundgen::soundIsAudibleAndClickFree()
{
    const auto samples = Chime::samples();
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    QVERIFY2(peak > 16000 && peak < 32000, qPrintable(QString::number(peak))); // loud, no clipping
    QVERIFY(std::abs(int(samples.front())) < 100);
    QCOMPARE(int(samples.back()), 0);
}

void TestSoundgen::builtFileIsTheChime()
{
    QFile file(QStringLiteral(NUMERANT_SOUND_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const auto wav = Chime::wavFile(Chime::samples());
    QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char*>(wav.data()), qsizetype(wav.size())));
}

QTEST_GUILESS_MAIN(TestSoundgen)
#include "tst_soundgen.moc"
