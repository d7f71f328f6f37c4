// artgen: draws every picture of the program into an assets folder.
//
//   artgen ASSETS                      write every picture under ASSETS, at 1x and at 2x
//   artgen ASSETS --contact-sheet FILE also write FILE (every 1x picture, labelled) and,
//                                      beside it, FILE's name with -2x (every 2x picture),
//                                      -designs-4x and -layout-4x (the cat designs enlarged
//                                      four times, the latter with the places the clock
//                                      draws on outlined), and -designs-2x and -layout-2x
//                                      (the same from the 2x pictures, at the same size)
#include "catalogue.h"
#include "sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {

// Qt's PNG writer takes the compression as a percentage. The 1x pictures have always
// been written at 9 % and stay so, byte for byte; everything else is compressed fully.
bool save(const QImage& image, const QString& file, int compression = 100)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QImageWriter writer(file, "png");
    writer.setCompression(compression);
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(file),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

QString besides(const QString& file, const QString& suffix)
{
    const QFileInfo info(file);
    return info.dir().filePath(info.completeBaseName() + suffix + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString assets;
    QString sheetFile;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--contact-sheet") && i + 1 < args.size()) {
            sheetFile = args[++i];
        } else if (assets.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            assets = args[i];
        } else {
            assets.clear();
            break;
        }
    }
    if (assets.isEmpty()) {
        std::fprintf(stderr, "usage: artgen ASSETS-FOLDER [--contact-sheet FILE.png]\n");
        return 2;
    }

    const Catalogue catalogue = renderCatalogue();
    bool ok = true;
    for (const Artwork& item : catalogue.items()) {
        ok = save(item.image, QDir(assets).filePath(item.path), item.scale == 1 ? 9 : 100) && ok;
    }
    std::printf("artgen: %zu picture files in %s\n", catalogue.items().size(), qPrintable(assets));
    if (!sheetFile.isEmpty()) {
        ok = save(sheet::contactSheet(catalogue, 1), sheetFile) && ok;
        ok = save(sheet::contactSheet(catalogue, 2), besides(sheetFile, QStringLiteral("-2x"))) && ok;
        for (const int scale : {1, 2}) {
            const QString at = scale == 1 ? QStringLiteral("-4x") : QStringLiteral("-2x");
            ok = save(sheet::designZoom(catalogue, false, scale),
                      besides(sheetFile, QStringLiteral("-designs") + at)) &&
                 ok;
            ok = save(sheet::designZoom(catalogue, true, scale),
                      besides(sheetFile, QStringLiteral("-layout") + at)) &&
                 ok;
        }
        std::printf("artgen: contact sheets beside %s\n", qPrintable(sheetFile));
    }
    return ok ? 0 : 1;
}
