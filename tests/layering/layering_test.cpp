// The source folders are layers: a file may include only from its own layer and the
// layers before it, so no folder depends on one that depends on it. What is one
// system's own lies in that system's folder under platform/, and only there.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList layers = {u"core"_s, u"platform"_s, u"storage"_s, u"model"_s,
                            u"face"_s, u"widgets"_s,  u"ui"_s,      u"app"_s};

// The folders of the systems' own code.
const QStringList systemFolders = {u"platform/windows/"_s, u"platform/xdg/"_s};

// Every include of a later layer, every file or include outside the layers, and every
// test of the system (Q_OS_) or include of Windows' header outside the system folders,
// as "file:line: what is wrong", for the source tree at `root`.
QStringList layeringViolations(const QString& root)
{
    static const QRegularExpression include(uR"re(^\s*#\s*include\s*"([^"]+)")re"_s);
    static const QRegularExpression windowsHeader(uR"re(^\s*#\s*include\s*<windows\.h>)re"_s,
                                                  QRegularExpression::CaseInsensitiveOption);
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
        const bool systemsOwn =
            std::any_of(systemFolders.begin(), systemFolders.end(),
                        [&](const QString& system) { return relative.startsWith(system); });
        int lineNumber = 0;
        for (const QByteArray& bytes : file.readAll().split('\n')) {
            ++lineNumber;
            const QString line = QString::fromUtf8(bytes);
            if (!systemsOwn && line.contains(u"Q_OS_"_s)) {
                violations.append(
                    u"%1:%2: tests the system, which only its folder under platform/ may"_s.arg(relative).arg(
                        lineNumber));
            }
            if (!relative.startsWith(systemFolders.front()) && windowsHeader.match(line).hasMatch()) {
                violations.append(
                    u"%1:%2: includes Windows' header outside platform/windows/"_s.arg(relative).arg(
                        lineNumber));
            }
            const QRegularExpressionMatch match = include.match(line);
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
        {"ui/notice_texts.cpp",
         "#include \"ui/notice_texts.h\"\n#ifdef Q_OS_WIN\n#endif\n",
         {u"ui/notice_texts.cpp:2: tests the system, which only its folder under platform/ may"_s}},
        {"platform/qt_desktop_shell.cpp",
         "#if defined(Q_OS_LINUX)\n#endif\n",
         {u"platform/qt_desktop_shell.cpp:1: tests the system, which only its folder under platform/ may"_s}},
        {"core/windows_cp932.cpp",
         "#include <windows.h>\n",
         {u"core/windows_cp932.cpp:1: includes Windows' header outside platform/windows/"_s}},
        {"platform/windows/cp932.cpp", "#include <windows.h>\n#ifdef Q_OS_WIN\n#endif\n", {}},
        {"platform/xdg/termination.cpp", "#ifdef Q_OS_UNIX\n#endif\n", {}},
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
