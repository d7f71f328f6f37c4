// artgen: draws every picture of the program into an assets folder.
//
//   artgen ASSETS                      write every picture under ASSETS
//   artgen ASSETS --contact-sheet FILE also write FILE (every picture, labelled) and,
//                                      beside it, FILE's name with -designs-4x and
//                                      -layout-4x (the cat designs enlarged, the latter
//                                      with the places the clock draws on outlined)
#include "catalogue.h"
#include "sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QImageWriter writer(file, "png");
    writer.setCompression(9);
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
        ok = save(item.image, QDir(assets).filePath(item.path)) && ok;
    }
    std::printf("artgen: %zu pictures in %s\n", catalogue.items().size(), qPrintable(assets));
    if (!sheetFile.isEmpty()) {
        ok = save(sheet::contactSheet(catalogue), sheetFile) && ok;
        ok = save(sheet::designZoom(catalogue, false), besides(sheetFile, QStringLiteral("-designs-4x"))) &&
             ok;
        ok = save(sheet::designZoom(catalogue, true), besides(sheetFile, QStringLiteral("-layout-4x"))) && ok;
        std::printf("artgen: contact sheets beside %s\n", qPrintable(sheetFile));
    }
    return ok ? 0 : 1;
}
