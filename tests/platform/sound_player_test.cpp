// The Linux sound player against wave files as sox writes them: which it takes, which it
// refuses and why, and that it hears each one as sox meant it. Needs sox (SOX_PROGRAM).
#include "platform/xdg/sound_player.h"
#include "platform/xdg/wave_stream.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Runs sox making `seconds` of a tone in the given output options; the left (or only)
// channel at 441 Hz, the right one at 882 Hz, at half of full scale, without dither.
bool sox(const QStringList& output, const QString& path, double seconds = 0.05)
{
    QProcess process;
    process.start(QStringLiteral(SOX_PROGRAM),
                  QStringList{u"-D"_s, u"-n"_s} + output +
                      QStringList{path, u"synth"_s, QString::number(seconds), u"sine"_s, u"441"_s, u"sine"_s,
                                  u"882"_s, u"vol"_s, u"0.5"_s});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// All the samples the stream gives, asked for in the sound server's portions.
std::vector<float> streamed(const QString& path, const SampleLayout& layout)
{
    auto file = std::make_unique<QFile>(path);
    EXPECT_TRUE(file->open(QIODevice::ReadOnly));
    WaveStream stream(std::move(file), layout);
    std::vector<float> all;
    char portion[3528];
    for (qint64 got; (got = stream.read(portion, sizeof portion)) > 0;) {
        const std::size_t before = all.size();
        all.resize(before + std::size_t(got) / sizeof(float));
        std::memcpy(all.data() + before, portion, std::size_t(got));
    }
    EXPECT_TRUE(stream.atEnd());
    return all;
}

struct SoxCase
{
    const char* what;
    QStringList options;
    // Nothing: played, and heard as sox's own 64-bit floats within the file's precision.
    std::optional<WaveProblem> problem;
    double tolerance = 0;
};

const SoxCase soxCases[] = {
    {"8-bit mono", {u"-b"_s, u"8"_s, u"-c"_s, u"1"_s}, {}, 1.0 / 128},
    {"16-bit stereo", {u"-b"_s, u"16"_s, u"-c"_s, u"2"_s}, {}, 1.0 / 32768},
    {"24-bit stereo, extensible", {u"-b"_s, u"24"_s, u"-c"_s, u"2"_s}, {}, 1.0 / 8388608},
    {"24-bit mono, plain", {u"-t"_s, u"wavpcm"_s, u"-b"_s, u"24"_s, u"-c"_s, u"1"_s}, {}, 1.0 / 8388608},
    {"32-bit stereo at 96 kHz, extensible",
     {u"-b"_s, u"32"_s, u"-c"_s, u"2"_s, u"-r"_s, u"96000"_s},
     {},
     1e-7},
    {"32-bit mono at 8 kHz, plain",
     {u"-t"_s, u"wavpcm"_s, u"-b"_s, u"32"_s, u"-c"_s, u"1"_s, u"-r"_s, u"8000"_s},
     {},
     1e-7},
    {"float stereo at 48 kHz",
     {u"-e"_s, u"floating-point"_s, u"-b"_s, u"32"_s, u"-c"_s, u"2"_s, u"-r"_s, u"48000"_s},
     {},
     1e-7},
    {"64-bit float mono", {u"-e"_s, u"floating-point"_s, u"-b"_s, u"64"_s, u"-c"_s, u"1"_s}, {}, 1e-7},
    {"u-law", {u"-e"_s, u"u-law"_s}, WaveProblem::Encoding},
    {"a-law", {u"-e"_s, u"a-law"_s}, WaveProblem::Encoding},
    {"IMA ADPCM", {u"-e"_s, u"ima-adpcm"_s}, WaveProblem::Encoding},
    {"GSM", {u"-e"_s, u"gsm-full-rate"_s, u"-r"_s, u"8000"_s, u"-c"_s, u"1"_s}, WaveProblem::Encoding},
    {"six channels", {u"-b"_s, u"16"_s, u"-c"_s, u"6"_s}, WaveProblem::Channels},
    {"4 kHz", {u"-b"_s, u"16"_s, u"-r"_s, u"4000"_s}, WaveProblem::SampleRate},
};

TEST(SoundPlayer, PlaysTheWaveFilesSoxWritesAndSaysWhyNotOthers)
{
    QTemporaryDir folder;
    SoundPlayer player;
    for (const SoxCase& c : soxCases) {
        SCOPED_TRACE(c.what);
        const QString wave = folder.filePath(u"tone.wav"_s);
        ASSERT_TRUE(sox(c.options, wave));
        EXPECT_EQ(player.checkWave(wave), c.problem);
        if (c.problem) {
            EXPECT_FALSE(player.playWave(wave));
            continue;
        }
        // The same tone as sox's own 64-bit floats, in the file's rate and channels.
        QStringList rawOptions = c.options;
        for (const QString& option : {u"-t"_s, u"-e"_s, u"-b"_s}) {
            if (const qsizetype at = rawOptions.indexOf(option); at >= 0) {
                rawOptions.remove(at, 2);
            }
        }
        const QString raw = folder.filePath(u"tone.f64"_s);
        ASSERT_TRUE(
            sox(rawOptions + QStringList{u"-t"_s, u"raw"_s, u"-e"_s, u"floating-point"_s, u"-b"_s, u"64"_s},
                raw));
        QFile rawFile(raw);
        ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
        const QByteArray reference = rawFile.readAll();

        const std::variant<SampleLayout, WaveProblem> layout = readSampleLayout(wave);
        ASSERT_TRUE(std::holds_alternative<SampleLayout>(layout));
        const std::vector<float> heard = streamed(wave, std::get<SampleLayout>(layout));
        ASSERT_EQ(heard.size(), std::size_t(reference.size()) / sizeof(double));
        double worst = 0;
        for (std::size_t i = 0; i < heard.size(); ++i) {
            const double want = qFromLittleEndian<double>(reference.constData() + i * sizeof(double));
            worst = std::max(worst, std::abs(double(heard[i]) - want));
        }
        EXPECT_LE(worst, c.tolerance * 1.01);
    }
}

TEST(SoundPlayer, RefusesWhatIsNoWaveFileWithoutWaitingOnIt)
{
    QTemporaryDir folder;
    const QString text = folder.filePath(u"text.wav"_s);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a sound\r\n");
    file.close();
    // A pipe would keep a reader waiting for a writer that never comes.
    const QString pipe = folder.filePath(u"pipe.wav"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    SoundPlayer player;
    const std::pair<QString, WaveProblem> cases[] = {
        {text, WaveProblem::NotWave},
        {pipe, WaveProblem::Unreadable},
        {folder.path(), WaveProblem::Unreadable},
        {folder.filePath(u"missing.wav"_s), WaveProblem::Unreadable},
    };
    for (const auto& [path, problem] : cases) {
        EXPECT_EQ(player.checkWave(path), problem) << path.toStdString();
        EXPECT_FALSE(player.playWave(path)) << path.toStdString();
    }
}

TEST(SoundPlayer, TheSamplesEndWhereTheFileSaysTheyEnd)
{
    // Sound editors put chunks after the samples too (a list of names, cue points):
    // their bytes are no sound.
    QTemporaryDir folder;
    const QString wave = folder.filePath(u"tone.wav"_s);
    ASSERT_TRUE(sox({u"-b"_s, u"16"_s, u"-c"_s, u"1"_s, u"-r"_s, u"8000"_s}, wave, 0.01));
    QFile file(wave);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const QByteArray list = QByteArray("LIST") + QByteArray("\x08\x00\x00\x00", 4) + QByteArray(8, '\x7F');
    bytes += list;
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    file.seek(0);
    file.write(bytes);
    file.close();

    const std::variant<SampleLayout, WaveProblem> layout = readSampleLayout(wave);
    ASSERT_TRUE(std::holds_alternative<SampleLayout>(layout));
    EXPECT_EQ(std::get<SampleLayout>(layout).frameCount, 80);
    const std::vector<float> heard = streamed(wave, std::get<SampleLayout>(layout));
    ASSERT_EQ(heard.size(), 80u);
    EXPECT_LT(std::abs(heard.back()), 0.9f); // not the list's 0x7F7F
}

} // namespace
