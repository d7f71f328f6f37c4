#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

// One clock per settings folder. The first clock of a folder holds a lock and listens on
// a local socket, both named after the folder's canonical path and kept where the user
// can write (not in the folder, which may be read-only). A later start for the same
// folder asks that clock to come forward and ends; a clock of another folder is another
// clock. A lock left by a clock that was killed is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& settingsFolder);
    ~SingleInstance() override;

    // True when this process is now the folder's clock, or when no lock can be made at
    // all (the clock then runs unguarded rather than not at all). False when another
    // clock runs for the folder: it has been asked to come forward.
    bool claim();

signals:
    // Another start for the same folder asked this clock to come forward.
    void comeForwardRequested();

private:
    QString socketPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
