// The source folders are layers: a file may include only from its own layer and the
// layers before it, so no folder depends on one that depends on it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList layers = {u"core"_s, u"platform"_s, u"storage"_s, u"model"_s,
                            u"face"_s, u"widgets"_s,  u"ui"_s,      u"app"_s};

// Every include of a later layer, and every file or include outside the layers, as
// "file:line: what is wrong", for the source tree at `root`.
QStringList layeringViolations(const QString& root)
{
    static const QRegularExpression include(uR"re(^\s*#\s*include\s*"([^"]+)")re"_s);
    QStringList violations;
    QDirIterator files(root, {u"*.h"_s, u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(root).relativeFilePath(path);
        const QString folder = relative.section(u'/', 0, 0);
        const qsizetype own = layers.indexOf(folder);
        if (own < 0) {
            violations.append(u"%1: lies outside the layers"_s.arg(relative));
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            violations.append(u"%1: cannot be read"_s.arg(relative));
            continue;
        }
        int lineNumber = 0;
        for (const QByteArray& line : file.readAll().split('\n')) {
            ++lineNumber;
            const QRegularExpressionMatch match = include.match(QString::fromUtf8(line));
            if (!match.hasMatch()) {
                continue;
            }
            const QString target = match.captured(1);
            const QString targetLayer = target.section(u'/', 0, 0);
            const qsizetype used = layers.indexOf(targetLayer);
            if (used < 0 || !target.contains(u'/')) {
                violations.append(u"%1:%2: includes \"%3\", which is in no layer"_s.arg(relative)
                                      .arg(lineNumber)
                                      .arg(target));
            } else if (used > own) {
                violations.append(u"%1:%2: %3 includes \"%4\" from the later layer %5"_s.arg(relative)
                                      .arg(lineNumber)
                                      .arg(folder, target, targetLayer));
            }
        }
    }
    violations.sort();
    return violations;
}

TEST(Layering, SourcesIncludeOnlyFromTheirOwnAndEarlierLayers)
{
    const QString root = QStringLiteral(NEKOTOKEI_SOURCE_DIR "/src");
    ASSERT_TRUE(QDir(root + u"/core"_s).exists()) << root.toStdString();
    const QStringList violations = layeringViolations(root);
    EXPECT_TRUE(violations.isEmpty()) << violations.join(u'\n').toStdString();
}

TEST(Layering, CheckNamesEveryFileAndLineThatBreaksTheOrder)
{
    struct Case
    {
        const char* file;
        QByteArray content;
        QStringList expected;
    };
    const Case cases[] = {
        {"face/clock_face.cpp",
         "#include \"face/clock_face.h\"\n#include <QImage>\n#include \"core/colour.h\"\n",
         {}},
        {"core/colour.h",
         "// plain values\n  #  include \"platform/platform.h\"\n",
         {u"core/colour.h:2: core includes \"platform/platform.h\" from the later layer platform"_s}},
        {"ui/dialogs.cpp",
         "#include \"ui/dialogs.h\"\n#include \"app/application.h\"\n",
         {u"ui/dialogs.cpp:2: ui includes \"app/application.h\" from the later layer app"_s}},
        {"storage/record.cpp",
         "#include \"record.h\"\n",
         {u"storage/record.cpp:1: includes \"record.h\", which is in no layer"_s}},
        {"clock/form.cpp", "#include \"core/colour.h\"\n", {u"clock/form.cpp: lies outside the layers"_s}},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        const QString path = root.filePath(QString::fromLatin1(c.file));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        EXPECT_EQ(layeringViolations(root.path()), c.expected) << c.file;
    }
}

} // namespace
